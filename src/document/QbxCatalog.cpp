#include "QbxCatalog.h"

#include <algorithm>
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

    // Nodes arrive in pre-order, so only the nodes on the path to the newest
    // one can still get children: the last child per level of that path is all
    // that is needed to link new siblings.
    std::vector<int32_t> lastAtLevel = {-1};
    int32_t previous = -1;
    int32_t previousTabs = 0;
    // The next CR and LF at or after p, each searched again only once passed,
    // so the scan stays linear whichever line ends the text uses.
    auto next = [end](const uint8_t* from, uint8_t byte) {
        const void* hit = std::memchr(from, byte, static_cast<size_t>(end - from));
        return hit ? static_cast<const uint8_t*>(hit) : end;
    };
    const uint8_t* p = begin;
    const uint8_t* nextCr = p < end ? next(p, '\r') : end;
    const uint8_t* nextLf = p < end ? next(p, '\n') : end;
    while (p < end && c.Nodes.size() < entryCount) {
        if (nextCr < p) nextCr = next(p, '\r');
        if (nextLf < p) nextLf = next(p, '\n');
        const uint8_t* lineEnd = std::min(nextCr, nextLf);
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
        const auto level = static_cast<size_t>(n.Level);
        if (lastAtLevel[level] < 0) {
            if (parent >= 0) c.Nodes[static_cast<size_t>(parent)].FirstChild = self;
        } else {
            c.Nodes[static_cast<size_t>(lastAtLevel[level])].NextSibling = self;
        }
        lastAtLevel[level] = self;
        if (lastAtLevel.size() == level + 1)
            lastAtLevel.push_back(-1);
        else
            lastAtLevel[level + 1] = -1;  // the new node has no children yet
        if (IsRecycleBinIcon(n.IconIndex)) c.RecycleBin = self;
        c.Nodes.push_back(n);
        previous = self;
        previousTabs = n.Tabs;

        p = lineEnd;
        if (p < end && *p++ == '\r' && p < end && *p == '\n') ++p;  // CR LF, lone CR or lone LF
    }
    return c;
}

}  // namespace qbx
