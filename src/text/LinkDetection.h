// Automatic link detection: addresses in the text become anchors drawn in blue,
// so the view can report a click with the link's text.
#pragma once

#include <QString>
#include <QTextDocument>
#include <vector>

namespace qbx {

struct LinkSpan {
    qsizetype start, length;
};

// Addresses starting with http://, https://, ftp://, mailto:, file:// or www.
// Trailing punctuation that ends a sentence is not part of the address.
std::vector<LinkSpan> FindLinks(QStringView text);

// Marks every address in `doc` (or in its blocks [firstBlock, endBlock)) as
// an anchor whose href is its text.
void DetectLinks(QTextDocument& doc);
void DetectLinks(QTextDocument& doc, int firstBlock, int endBlock);

}  // namespace qbx
