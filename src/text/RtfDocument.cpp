#include "RtfDocument.h"

#include <QColor>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextTable>
#include <QUrl>

#include "RtfDocumentSink.h"
#include "RtfReader.h"

namespace qbx {

bool LoadRtf(QTextDocument& doc, std::string_view rtf) {
    doc.clear();
    // One edit block: a view attached to the document lays it out once at
    // the end instead of after every insertion.
    QTextCursor block(&doc);
    block.beginEditBlock();
    DocumentSink sink(doc);
    ReadRtf(rtf, sink);
    block.endEditBlock();
    return sink.produced();
}

}  // namespace qbx
