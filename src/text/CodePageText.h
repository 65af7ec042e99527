// Code pages <-> QString through iconv, whole buffers at a time. Bytes that do
// not decode become U+FFFD; characters a code page lacks become "?".
#pragma once

#include <QByteArray>
#include <QString>
#include <string_view>

namespace qbx {

constexpr int kDefaultCodePage = 936;

QString DecodeCodePage(int codePage, std::string_view bytes);
inline QString Cp936ToUnicode(std::string_view bytes) { return DecodeCodePage(936, bytes); }
inline QString Cp936ToUnicode(const QByteArray& bytes) {
    return DecodeCodePage(936, {bytes.data(), size_t(bytes.size())});
}

// `lossy` (when given) tells whether some character became "?".
QByteArray UnicodeToCp936(QStringView text, bool* lossy = nullptr);

// Whether iconv is asked for this code page by its own name.
bool IsKnownCodePage(int codePage);

// The code page of an RTF \fcharset; -1 for a charset we do not know.
int CodePageOfCharset(int charset);

}  // namespace qbx
