#include "TextSearch.h"

#include "BodyText.h"
#include "FindText.h"

namespace qbx {

bool BodyMatches(std::string_view body, QStringView text) {
    const QString shown = BodyDisplayedText(body);
    return FindText(shown, text, 0, shown.size()) >= 0;
}

std::vector<int> SearchBodies(TQbxObject& doc, const TQbxCatalog& catalog, QStringView text, int first, int end,
                              const std::function<bool(int)>& beforeNode) {
    std::vector<int> hits;
    std::vector<uint8_t> body;
    for (int i = std::max(first, 0); i < std::min(end, catalog.Count()); ++i) {
        if (beforeNode && !beforeNode(i)) break;
        doc.ReadNode(catalog.Nodes[static_cast<size_t>(i)].NodePos);
        if (doc.Node.ContentFlag != 1) continue;
        body.clear();
        doc.ReadNodeContent(body);
        if (BodyMatches({reinterpret_cast<const char*>(body.data()), body.size()}, text)) hits.push_back(i);
    }
    return hits;
}

}  // namespace qbx
