#include "QbxCatalog.h"

#include <cstring>

#include "QbxFormat.h"

namespace qbx {

std::string_view TQbxCatalog::Title(int index) const {
    const TCatalogNode& n = Nodes[static_cast<size_t>(index)];
    return {reinterpret_cast<const char*>(Text.data()) + n.TitleOffset, n.TitleLength};
}

int TQbxCatalog::SubtreeEnd(int index) const {
    const int32_t level = Nodes[static_cast<size_t>(index)].Level;
    int i = index + 1;
    while (i < Count() && Nodes[static_cast<size_t>(i)].Level > level) ++i;
    return i;
}

TQbxCatalog BuildCatalog(std::vector<uint8_t> text, const std::vector<uint8_t>& entries) {
    TQbxCatalog c;
    c.Text = std::move(text);
    const size_t entryCount = entries.size() / kCatalogEntrySize;
    const uint8_t* begin = c.Text.data();
    const void* nul = c.Text.empty() ? nullptr : std::memchr(begin, 0, c.Text.size());
    const uint8_t* end = nul ? static_cast<const uint8_t*>(nul) : begin + c.Text.size();
    c.Nodes.reserve(std::min<size_t>(entryCount, static_cast<size_t>(end - begin) + 1));

    std::vector<int32_t> lastChild;  // per node, to append children in order
    int32_t lastTopLevel = -1;
    int32_t previous = -1;
    int32_t previousTabs = 0;
    const uint8_t* p = begin;
    while (p < end && c.Nodes.size() < entryCount) {
        const uint8_t* lineEnd = p;
        while (lineEnd < end && *lineEnd != '\r' && *lineEnd != '\n') ++lineEnd;
        TCatalogNode n;
        const uint8_t* title = p;
        while (title < lineEnd && *title == '\t') ++title;
        n.Tabs = static_cast<int32_t>(title - p);
        n.TitleOffset = static_cast<uint32_t>(title - begin);
        n.TitleLength = static_cast<uint32_t>(lineEnd - title);
        const uint8_t* entry = entries.data() + c.Nodes.size() * kCatalogEntrySize;
        n.NodePos = LoadLE<int32_t>(entry);
        n.IconIndex = LoadLE<int32_t>(entry + 4);

        int32_t parent;
        if (previous < 0 || n.Tabs > previousTabs) {
            parent = previous;
        } else {
            parent = previous;
            for (int64_t climb = int64_t{previousTabs} - n.Tabs + 1; climb > 0 && parent >= 0; --climb)
                parent = c.Nodes[static_cast<size_t>(parent)].Parent;
        }
        const int32_t self = static_cast<int32_t>(c.Nodes.size());
        n.Parent = parent;
        n.Level = parent < 0 ? 0 : c.Nodes[static_cast<size_t>(parent)].Level + 1;
        int32_t& tail = parent < 0 ? lastTopLevel : lastChild[static_cast<size_t>(parent)];
        if (tail < 0) {
            if (parent >= 0) c.Nodes[static_cast<size_t>(parent)].FirstChild = self;
        } else {
            c.Nodes[static_cast<size_t>(tail)].NextSibling = self;
        }
        tail = self;
        if (IsRecycleBinIcon(n.IconIndex)) c.RecycleBin = self;
        c.Nodes.push_back(n);
        lastChild.push_back(-1);
        previous = self;
        previousTabs = n.Tabs;

        p = lineEnd;
        if (p < end && *p++ == '\r' && p < end && *p == '\n') ++p;  // CR LF, lone CR or lone LF
    }
    return c;
}

}  // namespace qbx
