#include "DocumentWalk.h"

#include "document/QbxCatalog.h"
#include "document/QbxError.h"

namespace qbx::testing {

WalkResult WalkDocument(TQbxObject& doc) {
    WalkResult result;
    TQbxCatalog catalog;
    try {
        std::vector<uint8_t> text, entries;
        doc.ReadCatalog(text, entries);
        catalog = BuildCatalog(std::move(text), entries);
    } catch (const QbxError& e) {
        result.errors.push_back(e.what());
        return result;
    }
    result.nodes = catalog.Count();
    for (const TCatalogNode& node : catalog.Nodes) {
        try {
            doc.ReadNodePassword(node.NodePos);
            doc.ReadNode(node.NodePos);
            if (doc.Node.ContentFlag == 1) {
                std::vector<uint8_t> body;
                doc.ReadNodeContent(body);
            }
            if (doc.Node.AttachPos != 0)
                for (const TAttachmentItem& item : doc.LoadAttachmentList(doc.Node.AttachPos)) {
                    try {
                        doc.ExtractAttachmentData(item);
                    } catch (const QbxError& e) {
                        result.errors.push_back(e.what());
                    }
                }
        } catch (const QbxError& e) {
            result.errors.push_back(e.what());
        }
    }
    return result;
}

}  // namespace qbx::testing
