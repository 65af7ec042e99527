#include "document/QbxText.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(QbxTextTest, AttachmentSizeText) {
    const std::pair<int32_t, const char*> cases[] = {
        {0, "0 Bytes"}, {1023, "1023 Bytes"}, {1024, "1 KB"}, {1535, "1 KB"},       {1536, "2 KB"},
        {2560, "2 KB"}, {2561, "3 KB"},       {3584, "4 KB"}, {1048576, "1024 KB"}, {INT32_MAX, "2097152 KB"},
    };
    for (const auto& [size, text] : cases) EXPECT_EQ(AttachmentSizeText(size), text) << size;
}

TEST(QbxTextTest, FieldTextEndsAtNulOrUsesFullWidth) {
    const uint8_t full[4] = {'a', 'b', 'c', 'd'};
    const uint8_t early[4] = {'a', 0, 'c', 'd'};
    const uint8_t empty[4] = {0, 'x', 'y', 'z'};
    EXPECT_EQ(FieldText(full), "abcd");
    EXPECT_EQ(FieldText(early), "a");
    EXPECT_EQ(FieldText(empty), "");
}

TEST(QbxTextTest, FileExtension) {
    EXPECT_EQ(FileExtension("page.htm"), ".htm");
    EXPECT_EQ(FileExtension("a.tar.gz"), ".gz");
    EXPECT_EQ(FileExtension("README"), "");
    EXPECT_EQ(FileExtension("trailing."), ".");
}

TEST(QbxTextTest, OleDateToIso) {
    const std::pair<double, const char*> cases[] = {
        {0.0, "1899-12-30T00:00:00"},
        {0.5, "1899-12-30T12:00:00"},
        {2.0, "1900-01-01T00:00:00"},
        {-1.25, "1899-12-29T06:00:00"},
        {36526.0, "2000-01-01T00:00:00"},
        {45000.25, "2023-03-15T06:00:00"},
        {45000.0 + 59.6 / 86400, "2023-03-15T00:01:00"},           // rounds to the second
        {45000.0 + (86400 - 0.4) / 86400, "2023-03-16T00:00:00"},  // rounds into the next day
        {2958465.99999, "9999-12-31T23:59:59"},
    };
    for (const auto& [ole, iso] : cases) EXPECT_EQ(OleDateToIso(ole), iso) << ole;
    for (double bad :
         {1e300, -1e300, 3e6, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()})
        EXPECT_EQ(OleDateToIso(bad), "") << bad;
}

}  // namespace
}  // namespace qbx
