#include "CodePageText.h"

#include <map>
#include <memory>

#include "Iconv.h"

namespace qbx {
namespace {}  // namespace

bool IsKnownCodePage(int codePage) {
    switch (codePage) {
    case 874:
    case 932:
    case 936:
    case 949:
    case 950:
    case 1250:
    case 1251:
    case 1252:
    case 1253:
    case 1254:
    case 1255:
    case 1256:
    case 1257:
    case 1258:
    case 65001:
        return true;
    default:
        return false;
    }
}

namespace {

std::string IconvName(int codePage) {
    // glibc knows the Windows code pages as CPnnn; 1252 stands in for anything unknown.
    if (codePage == 65001) return "UTF-8";
    return IsKnownCodePage(codePage) ? "CP" + std::to_string(codePage) : "CP1252";
}

IconvConverter& Decoder(int codePage) {
    thread_local std::map<int, std::unique_ptr<IconvConverter>> decoders;
    auto& slot = decoders[codePage];
    if (!slot) slot = std::make_unique<IconvConverter>("UTF-16LE", IconvName(codePage).c_str());
    return *slot;
}

}  // namespace

QString DecodeCodePage(int codePage, std::string_view bytes) {
    if (bytes.empty()) return {};
    // ASCII needs no conversion, and most RTF text runs are ASCII.
    bool ascii = true;
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii) return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    const std::string utf16 =
        Decoder(codePage).Convert(bytes, std::string_view("\xFD\xFF", 2), IconvConverter::Input::Bytes);
    return QString(reinterpret_cast<const QChar*>(utf16.data()), static_cast<qsizetype>(utf16.size() / 2));
}

QByteArray UnicodeToCp936(QStringView text, bool* lossy) {
    thread_local IconvConverter encoder("CP936", "UTF-16LE");
    if (lossy) *lossy = false;
    const std::string_view in(reinterpret_cast<const char*>(text.utf16()), static_cast<size_t>(text.size()) * 2);
    const std::string out = encoder.Convert(in, "?", IconvConverter::Input::Utf16, lossy);
    return QByteArray(out.data(), static_cast<qsizetype>(out.size()));
}

int CodePageOfCharset(int charset) {
    static const std::map<int, int> table = {
        {0, 1252},   {1, kDefaultCodePage}, {2, 1252},   {128, 932},  {129, 949},  {134, 936}, {136, 950},  {161, 1253},
        {162, 1254}, {177, 1255},           {178, 1256}, {186, 1257}, {204, 1251}, {222, 874}, {238, 1250},
    };
    const auto it = table.find(charset);
    return it == table.end() ? -1 : it->second;
}

}  // namespace qbx
