// Loads a node's body into the content view's document by the loading rule.
#pragma once

#include <QTextDocument>
#include <string_view>

namespace qbx {

enum class BodyKind { Rtf, Plain };

// Replaces `doc`'s content with the body, detects links, and says how it was read.
BodyKind LoadBody(QTextDocument& doc, std::string_view body);

// The document's text as the view shows it, "\n" between paragraphs and lines.
QString DisplayedText(const QTextDocument& doc);

// Plain-text saving: code page 936 with CR LF line ends.
QByteArray PlainTextForSaving(const QTextDocument& doc, bool* lossy = nullptr);

}  // namespace qbx
