#include "FindText.h"

namespace qbx {
namespace {

bool IsWordChar(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

// A needle without any cased character (Chinese text, digits, punctuation)
// matches the same with or without case folding, and the case-sensitive
// search is several times faster.
bool HasCase(QStringView s) {
    for (QChar c : s)
        if (c.isSurrogate() || c.toCaseFolded() != c || c.toUpper() != c || c.toLower() != c) return true;
    return false;
}

}  // namespace

qsizetype FindText(QStringView text, QStringView needle, qsizetype start, qsizetype length, int options) {
    if (needle.isEmpty() || start < 0 || length <= 0 || start >= text.size()) return -1;
    const qsizetype end = std::min(text.size(), start + length);
    const QStringView range = text.mid(start, end - start);
    const Qt::CaseSensitivity cs =
        options & FindMatchCase || !HasCase(needle) ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (qsizetype from = 0;;) {
        const qsizetype hit = range.indexOf(needle, from, cs);
        if (hit < 0) return -1;
        const qsizetype at = start + hit;
        if (!(options & FindWholeWord)) return at;
        const bool before = at > 0 && IsWordChar(text[at - 1]);
        const bool after = at + needle.size() < text.size() && IsWordChar(text[at + needle.size()]);
        if (!before && !after) return at;
        from = hit + 1;
    }
}

}  // namespace qbx
