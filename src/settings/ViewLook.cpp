#include "ViewLook.h"

#include <QApplication>
#include <QPalette>

namespace qbx {

QColor ColorFromTColor(TColor color) {
    if (color & kSystemColorFlag) {
        const QPalette p = QApplication::palette();
        switch (color & 0xFF) {
        case 5:
            return p.color(QPalette::Base);  // window background
        case 8:
            return p.color(QPalette::Text);  // window text
        case 15:
            return p.color(QPalette::Button);  // button face
        case 13:
            return p.color(QPalette::Highlight);  // highlight
        default:
            return p.color(QPalette::Window);
        }
    }
    const auto c = static_cast<uint32_t>(color);
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

TColor TColorFromQColor(const QColor& color) {
    return static_cast<TColor>(color.red() | color.green() << 8 | color.blue() << 16);
}

QFont FontFromRecord(const TFontRecord& record) {
    QFont f;
    if (!record.Name.isEmpty()) f.setFamilies({record.Name});
    if (record.Size > 0) f.setPointSize(record.Size);
    f.setBold(record.Style & kFontBold);
    f.setItalic(record.Style & kFontItalic);
    f.setUnderline(record.Style & kFontUnderline);
    f.setStrikeOut(record.Style & kFontStrikeOut);
    return f;
}

TFontRecord RecordFromFont(const QFont& font, TColor color, int32_t charset) {
    TFontRecord r;
    r.Color = color;
    r.Charset = charset;
    r.Name = font.families().value(0, font.family());
    r.Size = font.pointSize();
    r.Style = static_cast<uint8_t>((font.bold() ? kFontBold : 0) | (font.italic() ? kFontItalic : 0) |
                                   (font.underline() ? kFontUnderline : 0) | (font.strikeOut() ? kFontStrikeOut : 0));
    return r;
}

}  // namespace qbx
