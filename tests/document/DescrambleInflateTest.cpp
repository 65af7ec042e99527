#include <gtest/gtest.h>

#include <cstring>

#include "document/Descramble.h"
#include "document/InflateStream.h"
#include "document/QbxError.h"
#include "support/QbxWriter.h"

namespace qbx {
namespace {

using testing::CompressedBlock;

std::vector<uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

TEST(DescrambleTest, XorsWholeWordsWithNotKeyAndLeavesTheTail) {
    std::vector<uint8_t> b = {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3};
    Descramble(0x12345678, b.data(), static_cast<int64_t>(b.size() / 4));
    // NOT 0x12345678 = 0xEDCBA987, little-endian
    EXPECT_EQ(b, (std::vector<uint8_t>{0x87, 0xA9, 0xCB, 0xED, 0x78, 0x56, 0x34, 0x12, 1, 2, 3}));
    Descramble(0x12345678, b.data(), 2);
    EXPECT_EQ(b, (std::vector<uint8_t>{0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3}));
}

TEST(DescrambleTest, ZeroOrNegativeWordCountDoesNothing) {
    std::vector<uint8_t> b = {1, 2, 3, 4};
    Descramble(0, b.data(), 0);
    Descramble(0, b.data(), -3);
    EXPECT_EQ(b, (std::vector<uint8_t>{1, 2, 3, 4}));
}

TEST(InflateStreamTest, ProducesExactlyTheDeclaredBytes) {
    std::string text(100000, 'x');
    for (size_t i = 0; i < text.size(); i += 7) text[i] = static_cast<char>('a' + i % 26);
    std::vector<uint8_t> s = Bytes(CompressedBlock(text));
    InflateStream(s, "block");
    EXPECT_EQ(std::string(s.begin(), s.end()), text);
}

TEST(InflateStreamTest, BytesBeyondTheDeclaredLengthAreIgnored) {
    // A stream that inflates past N: the first N bytes are the content.
    std::string block = CompressedBlock("Hello, world");
    const uint32_t n = 5;
    std::memcpy(block.data(), &n, 4);
    std::vector<uint8_t> s = Bytes(block + "trailing junk");
    InflateStream(s, "block");
    EXPECT_EQ(std::string(s.begin(), s.end()), "Hello");
}

TEST(InflateStreamTest, TrailingBytesAfterAStreamAreIgnored) {
    std::vector<uint8_t> s = Bytes(CompressedBlock("content") + "\x01\x02\x03");
    InflateStream(s, "block");
    EXPECT_EQ(std::string(s.begin(), s.end()), "content");
}

TEST(InflateStreamTest, ErrorsNameTheBlock) {
    const std::string good = CompressedBlock(std::string(5000, 'q'));
    std::string endsEarly = good;
    const uint32_t more = 6000;  // the stream ends after 5,000 of 6,000 bytes
    std::memcpy(endsEarly.data(), &more, 4);
    std::string garbage = good;
    garbage[4] = 0x12;  // bad zlib header
    std::string huge = good;
    const uint32_t fourGiB = 0xFFFFFFFF;
    std::memcpy(huge.data(), &fourGiB, 4);
    const struct {
        const char* name;
        std::string block;
        const char* message;
    } cases[] = {
        {"empty", "", "shorter than its 4-byte length"},
        {"three bytes", "abc", "shorter than its 4-byte length"},
        {"truncated stream", good.substr(0, good.size() / 2), "breaks off"},
        {"ends before N", endsEarly, "ends after 5000 of its declared 6000 bytes"},
        {"garbage", garbage, "invalid"},
        {"declares 4 GiB", huge, "declares 4294967295 bytes"},
        {"only a length", good.substr(0, 4), "breaks off"},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> s = Bytes(c.block);
        try {
            InflateStream(s, "body of node 17");
            ADD_FAILURE() << c.name << ": no error";
        } catch (const QbxError& e) {
            const std::string msg = e.what();
            EXPECT_NE(msg.find("damaged document: body of node 17"), std::string::npos) << c.name << ": " << msg;
            EXPECT_NE(msg.find(c.message), std::string::npos) << c.name << ": " << msg;
        }
    }
}

TEST(InflateStreamTest, DeclaredZeroBytesGivesAnEmptyBlock) {
    std::vector<uint8_t> s = {0, 0, 0, 0, 0x78};
    InflateStream(s, "block");
    EXPECT_TRUE(s.empty());
}

}  // namespace
}  // namespace qbx
