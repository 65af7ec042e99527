#include "text/BranchExport.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(BranchExportTest, SafeFileNames) {
    const struct {
        std::string title;
        std::string safe;
    } cases[] = {
        {"a:b?c", "a_b_c"},    {"\"*/:<>?\\|", "_________"},
        {"\xB0\x5C", "\xB0_"},  // a double-byte character whose second byte is a backslash
        {"\xB0\x7C", "\xB0_"}, {"plain name.txt", "plain name.txt"},
    };
    for (const auto& c : cases) EXPECT_EQ(SafeFileName(c.title), c.safe) << c.title;
    EXPECT_EQ(ExportName(""), "_");
    EXPECT_EQ(ExportName("."), "_");
    EXPECT_EQ(ExportName(".."), "_");
    EXPECT_EQ(ExportName("\xD6\xD0:\xCE\xC4"), "中_文");
}

}  // namespace
}  // namespace qbx
