#include "LinkDetection.h"

#include <QColor>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>

namespace qbx {

std::vector<LinkSpan> FindLinks(QStringView text) {
    static const QRegularExpression re(QStringLiteral(R"(((?:https?|ftp|file)://|mailto:|www\.)[!#-;=?-~]+)"),
                                       QRegularExpression::CaseInsensitiveOption);
    std::vector<LinkSpan> links;
    auto it = re.globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        const qsizetype start = m.capturedStart();
        qsizetype length = m.capturedLength();
        // A link does not start inside an ASCII word ("xwww.a.b" is no
        // address), but may follow Chinese text directly.
        if (start > 0 && text[start - 1].unicode() < 0x80 && text[start - 1].isLetterOrNumber()) continue;
        while (length > 0 && QStringView(u".,;:!?)'\"]").contains(text[start + length - 1])) --length;
        if (length > m.capturedLength(1)) links.push_back({start, length});
    }
    return links;
}

void DetectLinks(QTextDocument& doc) { DetectLinks(doc, 0, doc.blockCount()); }

void DetectLinks(QTextDocument& doc, int firstBlock, int endBlock) {
    QTextCursor edit(&doc);
    edit.beginEditBlock();
    for (QTextBlock block = doc.findBlockByNumber(firstBlock); block.isValid() && block.blockNumber() < endBlock;
         block = block.next()) {
        const QString text = block.text();
        for (const LinkSpan& link : FindLinks(text)) {
            QTextCursor c(&doc);
            c.setPosition(block.position() + static_cast<int>(link.start));
            c.setPosition(block.position() + static_cast<int>(link.start + link.length), QTextCursor::KeepAnchor);
            QTextCharFormat f;
            f.setAnchor(true);
            f.setAnchorHref(text.mid(link.start, link.length));
            f.setForeground(QColor(Qt::blue));
            f.setFontUnderline(true);
            c.mergeCharFormat(f);
        }
    }
    edit.endEditBlock();
}

}  // namespace qbx
