#include "text/Cp936.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

struct DecodeCase {
    const char* name;
    std::string cp936;
    std::string utf8;
};

TEST(Cp936Test, DecodesAndReplacesUndecodableBytes) {
    const DecodeCase cases[] = {
        {"ascii", "abc\r\n", "abc\r\n"},
        {"chinese", "\xD6\xD0\xCE\xC4", "中文"},
        {"euro at 0x80", "\x80", "€"},
        {"0xFF is no character",
         "a\xFF"
         "b",
         "a\xEF\xBF\xBD"
         "b"},
        {"lead byte cut off at the end", "a\xD6", "a\xEF\xBF\xBD"},
        {"nul kept", std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const auto& c : cases) EXPECT_EQ(Cp936ToUtf8(c.cp936), c.utf8) << c.name;
}

TEST(Cp936Test, EncodesAndTellsWhenCharactersAreMissing) {
    bool lossy = true;
    EXPECT_EQ(Utf8ToCp936("中文 ok", &lossy), "\xD6\xD0\xCE\xC4 ok");
    EXPECT_FALSE(lossy);
    EXPECT_EQ(Utf8ToCp936("a😀b", &lossy), "a?b");
    EXPECT_TRUE(lossy);
    EXPECT_EQ(Utf8ToCp936("a\xFF"
                          "b",
                          &lossy),
              "a?b");
    EXPECT_TRUE(lossy);
}

TEST(Cp936Test, LargeBuffersRoundTrip) {
    std::string text;
    for (int i = 0; i < 20000; ++i) text += "检索Search ";
    EXPECT_EQ(Cp936ToUtf8(Utf8ToCp936(text)), text);
}

}  // namespace
}  // namespace qbx
