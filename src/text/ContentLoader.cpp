#include "ContentLoader.h"

#include "BodyText.h"
#include "CodePageText.h"
#include "LinkDetection.h"
#include "RtfDocument.h"

namespace qbx {

BodyKind LoadBody(QTextDocument& doc, std::string_view body) {
    BodyKind kind = BodyKind::Plain;
    if (LooksLikeRtf(body) && LoadRtf(doc, body)) {
        kind = BodyKind::Rtf;
    } else {
        doc.clear();
        doc.setPlainText(PlainBodyText(body));
    }
    DetectLinks(doc);
    return kind;
}

QString DisplayedText(const QTextDocument& doc) { return doc.toPlainText(); }

QByteArray PlainTextForSaving(const QTextDocument& doc, bool* lossy) {
    QString text = DisplayedText(doc);
    text.replace(QChar::ObjectReplacementCharacter, QString());
    text.replace(u'\n', QStringLiteral("\r\n"));
    return UnicodeToCp936(text, lossy);
}

}  // namespace qbx
