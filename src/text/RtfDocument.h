// Builds a QTextDocument from RTF: the content view's rich text.
#pragma once

#include <QTextDocument>
#include <string_view>

namespace qbx {

// Replaces `doc`'s content with the RTF's. Returns false when the RTF showed
// nothing (no character and no picture).
bool LoadRtf(QTextDocument& doc, std::string_view rtf);

// Pictures that are not PNG or JPEG (metafiles, device bitmaps) show as a grey
// box of their size; this is its resource name prefix.
inline constexpr const char* kPlaceholderPrefix = "qbx-placeholder:";

}  // namespace qbx
