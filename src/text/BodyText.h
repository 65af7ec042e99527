// The loading rule of the content view and the text it then shows. A body
// that begins with "{\rtf" is RTF; otherwise, or when the RTF shows nothing,
// it is plain text in code page 936 with CR LF, lone CR or lone LF line ends.
#pragma once

#include <QString>
#include <string_view>

namespace qbx {

bool LooksLikeRtf(std::string_view body);

// Plain text: decoded, every line end made "\n".
QString PlainBodyText(std::string_view body);

// The displayed text of a body, without building a document: paragraphs and
// line breaks as "\n". It equals the loaded document's plain text.
QString BodyDisplayedText(std::string_view body);

}  // namespace qbx
