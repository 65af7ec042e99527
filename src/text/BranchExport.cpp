#include "BranchExport.h"

#include <sys/stat.h>

#include <fstream>
#include <vector>

#include "Cp936.h"
#include "document/QbxText.h"

namespace qbx {

std::string SafeFileName(std::string_view title) {
    std::string name(title);
    for (char& c : name) switch (c) {
        case '"':
        case '*':
        case '/':
        case ':':
        case '<':
        case '>':
        case '?':
        case '\\':
        case '|':
            c = '_';
            break;
        default:
            break;
        }
    return name;
}

std::string ExportName(std::string_view title) {
    std::string name = Cp936ToUtf8(SafeFileName(title));
    if (name.empty() || name == "." || name == "..") name = "_";
    return name;
}

void ExportBranch(TQbxObject& doc, const TQbxCatalog& catalog, int node, const std::string& folder) {
    // An explicit stack: a tree may be as deep as it is long.
    std::vector<std::pair<int, std::string>> pending = {{node, folder}};
    std::vector<uint8_t> body;
    while (!pending.empty()) {
        const auto [parent, dir] = pending.back();
        pending.pop_back();
        std::vector<std::pair<int, std::string>> subfolders;
        for (int child = catalog.Nodes[static_cast<size_t>(parent)].FirstChild; child >= 0;
             child = catalog.Nodes[static_cast<size_t>(child)].NextSibling) {
            const TCatalogNode& n = catalog.Nodes[static_cast<size_t>(child)];
            const std::string name = dir + "/" + ExportName(catalog.Title(child));
            if (n.IconIndex == 1) {
                ::mkdir(name.c_str(), 0777);  // an existing folder is reused; a failure is not reported
                subfolders.emplace_back(child, name);
                continue;
            }
            doc.ReadNode(n.NodePos);
            if (!FieldText(doc.Node.Password).empty() || doc.Node.ContentFlag != 1) continue;
            body.clear();
            doc.ReadNodeContent(body);
            std::ofstream out(name + (doc.Node.ContentFormat == 2 ? ".rtf" : ".txt"),
                              std::ios::binary | std::ios::trunc);
            if (out) out.write(reinterpret_cast<const char*>(body.data()), static_cast<std::streamsize>(body.size()));
        }
        // Children in order: the first sub-folder is exported next.
        for (auto it = subfolders.rbegin(); it != subfolders.rend(); ++it) pending.push_back(*it);
    }
}

}  // namespace qbx
