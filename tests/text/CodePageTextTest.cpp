#include "text/CodePageText.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(CodePageTextTest, DecodesEachCodePageAndReplacesBadBytes) {
    const struct {
        int codePage;
        std::string bytes;
        const char* text;
    } cases[] = {
        {936, "\xD6\xD0\xCE\xC4", "中文"},
        {936, "\x80", "€"},
        {936,
         "a\xFF"
         "b",
         "a\xEF\xBF\xBD"
         "b"},
        {936, "\xD6", "\xEF\xBF\xBD"},
        {1252, "caf\xE9", "café"},
        {932, "\x82\xA0", "あ"},
        {950, "\xA4\xA4", "中"},
        {1251, "\xC0", "А"},
        {12345, "caf\xE9", "café"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeCodePage(c.codePage, c.bytes), QString::fromUtf8(c.text)) << c.codePage << " " << c.text;
}

TEST(CodePageTextTest, EncodesToCp936AndReportsMissingCharacters) {
    bool lossy = true;
    EXPECT_EQ(UnicodeToCp936(u"中文 ok", &lossy), QByteArray("\xD6\xD0\xCE\xC4 ok"));
    EXPECT_FALSE(lossy);
    EXPECT_EQ(UnicodeToCp936(QString::fromUtf8("a😀b"), &lossy), QByteArray("a?b"));  // one "?" for the pair
    EXPECT_TRUE(lossy);
    EXPECT_EQ(UnicodeToCp936(QString(QChar(0xD800)) + "x", &lossy), QByteArray("?x"));  // a lone surrogate
    EXPECT_TRUE(lossy);
}

TEST(CodePageTextTest, CharsetsMapToCodePages) {
    const std::pair<int, int> cases[] = {{0, 1252},   {1, 936},    {128, 932},  {129, 949},  {134, 936},
                                         {136, 950},  {161, 1253}, {162, 1254}, {177, 1255}, {178, 1256},
                                         {186, 1257}, {204, 1251}, {222, 874},  {238, 1250}, {77, -1}};
    for (const auto& [charset, codePage] : cases) EXPECT_EQ(CodePageOfCharset(charset), codePage) << charset;
}

}  // namespace
}  // namespace qbx
