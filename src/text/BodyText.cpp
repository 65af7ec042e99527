#include "BodyText.h"

#include "CodePageText.h"
#include "RtfReader.h"

namespace qbx {

bool LooksLikeRtf(std::string_view body) { return body.substr(0, 5) == "{\\rtf"; }

QString PlainBodyText(std::string_view body) {
    QString text = Cp936ToUnicode(body);
    if (body.find('\r') == std::string_view::npos) return text;
    // CR LF and lone CR become LF, in place.
    qsizetype out = 0;
    const qsizetype n = text.size();
    QChar* d = text.data();
    for (qsizetype i = 0; i < n; ++i) {
        if (d[i] == u'\r') {
            d[out++] = u'\n';
            if (i + 1 < n && d[i + 1] == u'\n') ++i;
        } else {
            d[out++] = d[i];
        }
    }
    text.truncate(out);
    return text;
}

QString BodyDisplayedText(std::string_view body) {
    if (LooksLikeRtf(body)) {
        QString text = RtfDisplayedText(body);
        if (!text.isEmpty()) return text;
    }
    return PlainBodyText(body);
}

}  // namespace qbx
