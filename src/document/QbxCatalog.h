// The contents tree as a flat node array in catalog order, which is the
// pre-order walk of the tree: a node's index is its absolute index.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace qbx {

struct TCatalogNode {
    uint32_t TitleOffset = 0;  // into TQbxCatalog::Text
    uint32_t TitleLength = 0;
    int32_t Tabs = 0;     // leading TABs of the catalog line
    int32_t Level = 0;    // depth in the built tree (0 = top level)
    int32_t Parent = -1;  // -1 for a top-level node
    int32_t FirstChild = -1;
    int32_t NextSibling = -1;
    int32_t NodePos = 0;
    int32_t IconIndex = 0;
};

struct TQbxCatalog {
    std::vector<uint8_t> Text;  // the descrambled title text
    std::vector<TCatalogNode> Nodes;
    int RecycleBin = -1;  // the last node whose icon is 70 or 71

    int Count() const { return static_cast<int>(Nodes.size()); }
    std::string_view Title(int index) const;
    // The node after `index`'s whole subtree, or Count().
    int SubtreeEnd(int index) const;
};

// Splits the title text into lines (CR LF, lone CR or lone LF end a line; the
// text ends at its first NUL) and builds the tree by the TAB levels: more TABs
// than the line before make a child of that line's node, however many more;
// fewer climb the difference + 1 from it. Only lines that have an entry become
// nodes, and entries without a line are left out.
TQbxCatalog BuildCatalog(std::vector<uint8_t> text, const std::vector<uint8_t>& entries);

}  // namespace qbx
