#include "document/QbxCatalog.h"

#include <gtest/gtest.h>

#include <cstring>

namespace qbx {
namespace {

std::vector<uint8_t> Entries(size_t count, int32_t icon = 2) {
    std::vector<uint8_t> e(count * 8);
    for (size_t i = 0; i < count; ++i) {
        const int32_t pos = static_cast<int32_t>(1000 + i);
        std::memcpy(e.data() + i * 8, &pos, 4);
        std::memcpy(e.data() + i * 8 + 4, &icon, 4);
    }
    return e;
}

TQbxCatalog Build(const std::string& text, size_t entries) {
    return BuildCatalog(std::vector<uint8_t>(text.begin(), text.end()), Entries(entries));
}

// "title:parent" for every node, as a compact picture of the tree.
std::string Shape(const TQbxCatalog& c) {
    std::string s;
    for (int i = 0; i < c.Count(); ++i) {
        if (i) s += " ";
        s += std::string(c.Title(i)) + ":" + std::to_string(c.Nodes[static_cast<size_t>(i)].Parent);
    }
    return s;
}

TEST(CatalogTest, TreeShapesFollowTheTabLevels) {
    const struct {
        const char* name;
        std::string text;
        const char* shape;
    } cases[] = {
        {"siblings then back to top", "A\r\n\tB\r\n\tC\r\nD", "A:-1 B:0 C:0 D:-1"},
        {"two levels deeper is still a child", "A\r\n\t\tB\r\n\t\tC\r\n\tD", "A:-1 B:0 C:0 D:-1"},
        {"first line with TABs is top level", "\t\tA\r\n\t\tB\r\n\t\t\tC", "A:-1 B:-1 C:1"},
        {"climb difference plus one", "A\r\n\tB\r\n\t\tC\r\n\t\t\tD\r\n\tE", "A:-1 B:0 C:1 D:2 E:0"},
        {"climbing past the top stays there", "A\r\n\tB\r\n\t\t\t\t\t\tC\r\nD", "A:-1 B:0 C:1 D:-1"},
        {"lone CR and lone LF end lines", "A\r\tB\n\tC\r\n\r\n", "A:-1 B:0 C:0 :-1"},
        {"text ends at its first NUL", std::string("A\r\n\tB\0\r\nC", 9), "A:-1 B:0"},
        {"empty text", "", ""},
        {"final line end adds no line", "A\r\n", "A:-1"},
    };
    for (const auto& c : cases) EXPECT_EQ(Shape(Build(c.text, 10)), c.shape) << c.name;
}

TEST(CatalogTest, LinksAndLevelsDescribeThePreOrderTree) {
    const TQbxCatalog c = Build("A\r\n\tB\r\n\t\tC\r\n\tD\r\nE", 5);
    ASSERT_EQ(c.Count(), 5);
    const auto& n = c.Nodes;
    EXPECT_EQ(n[0].FirstChild, 1);
    EXPECT_EQ(n[1].NextSibling, 3);
    EXPECT_EQ(n[1].FirstChild, 2);
    EXPECT_EQ(n[2].NextSibling, -1);
    EXPECT_EQ(n[0].NextSibling, 4);
    EXPECT_EQ(n[4].FirstChild, -1);
    EXPECT_EQ((std::vector<int>{n[0].Level, n[1].Level, n[2].Level, n[3].Level, n[4].Level}),
              (std::vector<int>{0, 1, 2, 1, 0}));
    EXPECT_EQ(c.SubtreeEnd(0), 4);
    EXPECT_EQ(c.SubtreeEnd(1), 3);
    EXPECT_EQ(c.SubtreeEnd(4), 5);
    EXPECT_EQ(n[3].NodePos, 1003);
    EXPECT_EQ(n[2].Tabs, 2);
}

TEST(CatalogTest, ChildAndSiblingLinksAgreeWithParentsOnRandomTabSequences) {
    uint32_t seed = 7;
    for (int round = 0; round < 50; ++round) {
        std::string text;
        for (int i = 0; i < 200; ++i) {
            seed = seed * 1103515245 + 12345;
            text += std::string((seed >> 16) % 6, '\t') + "n\r\n";
        }
        const TQbxCatalog c = Build(text, 200);
        for (int i = 0; i < c.Count(); ++i) {
            const TCatalogNode& n = c.Nodes[static_cast<size_t>(i)];
            int firstChild = -1, nextSibling = -1;
            for (int j = i + 1; j < c.Count(); ++j) {
                const int parent = c.Nodes[static_cast<size_t>(j)].Parent;
                if (parent == i && firstChild < 0) firstChild = j;
                if (parent == n.Parent && nextSibling < 0) nextSibling = j;
            }
            ASSERT_EQ(n.FirstChild, firstChild) << "round " << round << " node " << i;
            ASSERT_EQ(n.NextSibling, nextSibling) << "round " << round << " node " << i;
            ASSERT_LT(n.Parent, i);
            ASSERT_EQ(n.Level, n.Parent < 0 ? 0 : c.Nodes[static_cast<size_t>(n.Parent)].Level + 1);
        }
    }
}

TEST(CatalogTest, LineAndEntryCountsThatDifferUseTheLinesWithAnEntry) {
    EXPECT_EQ(Shape(Build("A\r\nB\r\nC", 2)), "A:-1 B:-1");
    EXPECT_EQ(Shape(Build("A\r\nB", 5)), "A:-1 B:-1");
    EXPECT_EQ(Build("A\r\nB", 0).Count(), 0);
}

TEST(CatalogTest, TheLastRecycleBinIconMarksTheRecycleBin) {
    std::vector<uint8_t> e = Entries(3);
    const int32_t bin = 71;
    std::memcpy(e.data() + 1 * 8 + 4, &bin, 4);
    const std::string text = "A\r\nBin\r\nC";
    const TQbxCatalog c = BuildCatalog(std::vector<uint8_t>(text.begin(), text.end()), e);
    EXPECT_EQ(c.RecycleBin, 1);
    EXPECT_EQ(c.Title(1), "Bin");
    EXPECT_EQ(Build("A", 1).RecycleBin, -1);
}

TEST(CatalogTest, ADeepChainClimbsBackToTheTop) {
    std::string chain;
    for (int i = 0; i < 3000; ++i) chain += std::string(static_cast<size_t>(i), '\t') + "x\n";
    chain += "top";
    const TQbxCatalog c = Build(chain, 3001);
    ASSERT_EQ(c.Count(), 3001);
    EXPECT_EQ(c.Nodes[2999].Level, 2999);
    EXPECT_EQ(c.Nodes[3000].Parent, -1);
    EXPECT_EQ(c.Nodes[0].NextSibling, 3000);
}

}  // namespace
}  // namespace qbx
