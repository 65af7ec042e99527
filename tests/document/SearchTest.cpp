#include "document/QbxSearch.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/QbxWriter.h"

namespace qbx {
namespace {

TQbxCatalog CatalogOf(const std::vector<std::string>& titles) {
    std::string text;
    for (const auto& t : titles) text += t + "\r\n";
    std::vector<uint8_t> entries(titles.size() * 8, 0);
    return BuildCatalog(std::vector<uint8_t>(text.begin(), text.end()), entries);
}

TEST(SearchTest, TitleSearchByteRules) {
    // 0xC4 0xE3 is a double-byte character; "\xB0\x41" has an ASCII capital as its second byte.
    const TQbxCatalog c =
        CatalogOf({"Hello World", "hello", "HeLLo", testing::Gbk("中文Hello"), "\xB0\x41xyz", "other"});
    const struct {
        std::string text;
        std::vector<int> hits;
    } cases[] = {
        {"hello", {0, 1, 2, 3}},
        {"HELLO", {0, 1, 2, 3}},
        {testing::Gbk("中文"), {3}},
        {"\xB0\x61", {4}},  // the second byte is lower-cased like a letter
        {"a", {4}},         // and matched across the character boundary
        {"a very long text that no title holds", {}},
        {"", {0, 1, 2, 3, 4, 5}},
    };
    for (const auto& k : cases) EXPECT_EQ(TitleSearch(c, k.text), k.hits) << k.text;
}

TEST(SearchTest, AsciiLowerTouchesOnlyCapitals) {
    EXPECT_EQ(AsciiLower("AZaz09[@\xC4\xE3"), "azaz09[@\xC4\xE3");
    EXPECT_TRUE(ContainsAsciiCaseless("KeyWord", "keyw"));
    EXPECT_FALSE(ContainsAsciiCaseless("", "k"));
}

}  // namespace
}  // namespace qbx
