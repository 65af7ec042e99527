// An RTF reader for the bodies that Windows rich edit controls and word
// processors wrote. It tokenises iteratively with an explicit group stack and
// reports text, paragraphs, table cells, pictures and links to a sink, so the
// same pass can build a QTextDocument or just the displayed text. It never
// fails: whatever the input, it reports all the text it can.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

namespace qbx {

struct RtfCharFormat {
    bool bold = false, italic = false, underline = false, strike = false;
    int8_t vertical = 0;  // 0 normal, 1 superscript, 2 subscript
    int fontSize = -1;    // half-points; -1 when the text sets none
    int font = -1;        // font table number; -1 when the text sets none
    int foreground = 0;   // colour table index; 0 is automatic
    int background = 0;   // colour table index; 0 is none
    bool operator==(const RtfCharFormat&) const = default;
};

struct RtfParaFormat {
    enum Align : int8_t { Left, Center, Right, Justify };
    Align align = Left;
    int leftIndent = 0, rightIndent = 0, firstIndent = 0;  // twips
    int spaceBefore = 0, spaceAfter = 0;                   // twips
    bool inTable = false;
    bool operator==(const RtfParaFormat&) const = default;
};

struct RtfFont {
    QString name;
    int codePage = -1;  // -1: the document's code page
};

struct RtfTables {
    std::map<int, RtfFont> fonts;
    std::vector<std::optional<uint32_t>> colors;  // 0xRRGGBB; nothing for "automatic"
    int defaultFont = -1;
    std::optional<uint32_t> Color(int index) const;
    QString FontName(int font) const;
};

struct RtfPicture {
    enum Kind { Png, Jpeg, Other };
    Kind kind = Other;
    QByteArray data;
    int widthTwips = 0, heightTwips = 0;  // the size to show it at; 0 when unknown
};

class RtfSink {
public:
    virtual ~RtfSink() = default;
    // Called once before anything else; the tables fill while reading.
    virtual void Begin(const RtfTables& tables) { tables_ = &tables; }
    virtual void Text(const QString& text, const RtfCharFormat& chr, const RtfParaFormat& para) = 0;
    virtual void LineBreak(const RtfCharFormat& chr, const RtfParaFormat& para) = 0;  // \line
    virtual void ParagraphEnd(const RtfParaFormat& para) = 0;                         // \par, \page, \sect
    virtual void CellEnd(const RtfParaFormat& para) = 0;                              // \cell
    virtual void RowEnd(int cellCount) = 0;                                           // \row
    virtual void Picture(const RtfPicture& picture, const RtfCharFormat& chr, const RtfParaFormat& para) = 0;
    virtual void LinkStart(const QString& url) = 0;  // a HYPERLINK field's result begins
    virtual void LinkEnd() = 0;
    virtual void Finish(const RtfParaFormat& lastPara) = 0;

protected:
    const RtfTables* tables_ = nullptr;
};

// Reads `rtf` (which should begin with "{\rtf") into `sink`.
void ReadRtf(std::string_view rtf, RtfSink& sink);

// The text an RTF body shows: paragraphs and line breaks as "\n", tabs as
// "\t", pictures as U+FFFC; the same characters the built document holds.
QString RtfDisplayedText(std::string_view rtf);

}  // namespace qbx
