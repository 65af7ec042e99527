// Feeds arbitrary bytes to the loading rule: the RTF reader building a
// document and the displayed-text fast path, then the RTF writer.
#include <QGuiApplication>
#include <QTextDocument>
#include <cstdint>
#include <string_view>

#include "text/BodyText.h"
#include "text/ContentLoader.h"
#include "text/RtfWriter.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view body(reinterpret_cast<const char*>(data), size);
    QTextDocument doc;
    qbx::LoadBody(doc, body);
    const QString fast = qbx::BodyDisplayedText(body);
    (void)fast;
    const QByteArray rtf = qbx::WriteRtf(doc);
    QTextDocument again;
    qbx::LoadBody(again, std::string_view(rtf.data(), static_cast<size_t>(rtf.size())));
    return 0;
}
