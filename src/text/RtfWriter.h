// Writes a QTextDocument as RTF in code page 936: what the leaf export saves.
#pragma once

#include <QByteArray>
#include <QTextDocument>

namespace qbx {

// Characters code page 936 lacks are written as \uN with a "?" fallback.
QByteArray WriteRtf(const QTextDocument& doc);

}  // namespace qbx
