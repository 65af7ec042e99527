#include "RtfWriter.h"

#include <QBuffer>
#include <QColor>
#include <QHash>
#include <QImage>
#include <QTextBlock>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <cmath>

#include "CodePageText.h"

namespace qbx {
namespace {

constexpr double kTwipsPerPixel = 15.0;

int Twips(double pixels) { return static_cast<int>(std::lround(pixels * kTwipsPerPixel)); }

class Writer {
public:
    explicit Writer(const QTextDocument& doc) : doc_(doc) { FontIndex(doc.defaultFont().family()); }

    QByteArray Run() {
        QByteArray body;
        WriteFrame(doc_.rootFrame(), body);
        QByteArray out = "{\\rtf1\\ansi\\ansicpg936\\deff0\\uc1{\\fonttbl";
        for (int i = 0; i < fonts_.size(); ++i)
            out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset134 " + Escape(fonts_[i]) + ";}";
        out += "}\r\n{\\colortbl;";
        for (QRgb c : colors_)
            out += "\\red" + QByteArray::number(qRed(c)) + "\\green" + QByteArray::number(qGreen(c)) + "\\blue" +
                   QByteArray::number(qBlue(c)) + ";";
        out += "}\r\n\\viewkind4\\pard\\plain " + body + "}\r\n";
        return out;
    }

private:
    void WriteFrame(const QTextFrame* frame, QByteArray& out) {
        bool first = true;
        for (auto it = frame->begin(); !it.atEnd(); ++it) {
            if (QTextFrame* child = it.currentFrame()) {
                if (auto* table = qobject_cast<QTextTable*>(child)) WriteTable(table, out);
                first = true;  // the block after a table starts without \par
                continue;
            }
            if (!first) out += "\\par\r\n";
            first = false;
            WriteBlock(it.currentBlock(), false, out);
        }
    }

    // A table follows the block before it directly, as the reader places it.
    void WriteTable(const QTextTable* table, QByteArray& out) {
        out += "\r\n";
        for (int r = 0; r < table->rows(); ++r) {
            out += "\\trowd\\trgaph108";
            for (int c = 0; c < table->columns(); ++c) out += "\\cellx" + QByteArray::number((c + 1) * 2880);
            out += "\r\n";
            for (int c = 0; c < table->columns(); ++c) {
                const QTextTableCell cell = table->cellAt(r, c);
                bool first = true;
                for (QTextBlock b = cell.firstCursorPosition().block();
                     b.isValid() && b.position() <= cell.lastCursorPosition().position(); b = b.next()) {
                    if (!first) out += "\\par\r\n";
                    first = false;
                    WriteBlock(b, true, out);
                }
                out += "\\cell ";
            }
            out += "\\row\r\n";
        }
        out += "\\pard ";
    }

    void WriteBlock(const QTextBlock& block, bool inTable, QByteArray& out) {
        const QTextBlockFormat f = block.blockFormat();
        out += "\\pard";
        if (inTable) out += "\\intbl";
        const Qt::Alignment a = f.alignment() & Qt::AlignHorizontal_Mask;
        if (a & Qt::AlignHCenter)
            out += "\\qc";
        else if (a & Qt::AlignRight)
            out += "\\qr";
        else if (a & Qt::AlignJustify)
            out += "\\qj";
        auto twips = [&](const char* word, double px) {
            if (const int t = Twips(px)) out += QByteArray(word) + QByteArray::number(t);
        };
        twips("\\li", f.leftMargin());
        twips("\\ri", f.rightMargin());
        twips("\\fi", f.textIndent());
        twips("\\sb", f.topMargin());
        twips("\\sa", f.bottomMargin());
        out += ' ';
        for (auto it = block.begin(); !it.atEnd(); ++it) WriteFragment(it.fragment(), out);
    }

    void WriteFragment(const QTextFragment& fragment, QByteArray& out) {
        const QTextCharFormat f = fragment.charFormat();
        if (f.isImageFormat()) return WriteImage(f.toImageFormat(), out);
        const QString href = f.isAnchor() ? f.anchorHref() : QString();
        if (!href.isEmpty()) out += "{\\field{\\*\\fldinst HYPERLINK \"" + Escape(href) + "\"}{\\fldrslt ";
        const QByteArray controls = CharControls(f);
        out += "{" + controls + (controls.isEmpty() ? "" : " ") + Escape(fragment.text()) + "}";
        if (!href.isEmpty()) out += "}}";
    }

    QByteArray CharControls(const QTextCharFormat& f) {
        QByteArray c;
        const QStringList families = f.fontFamilies().toStringList();
        if (!families.isEmpty() && !families.first().isEmpty())
            c += "\\f" + QByteArray::number(FontIndex(families.first()));
        if (f.hasProperty(QTextFormat::FontPointSize))
            c += "\\fs" + QByteArray::number(std::lround(f.fontPointSize() * 2));
        if (f.fontWeight() >= QFont::Bold) c += "\\b";
        if (f.fontItalic()) c += "\\i";
        if (f.fontUnderline()) c += "\\ul";
        if (f.fontStrikeOut()) c += "\\strike";
        if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript) c += "\\super";
        if (f.verticalAlignment() == QTextCharFormat::AlignSubScript) c += "\\sub";
        if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush)
            c += "\\cf" + QByteArray::number(ColorIndex(f.foreground().color()));
        if (f.hasProperty(QTextFormat::BackgroundBrush) && f.background().style() != Qt::NoBrush)
            c += "\\highlight" + QByteArray::number(ColorIndex(f.background().color()));
        return c;
    }

    void WriteImage(const QTextImageFormat& f, QByteArray& out) {
        const QImage image = doc_.resource(QTextDocument::ImageResource, QUrl(f.name())).value<QImage>();
        if (image.isNull()) return;
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        const double w = f.width() > 0 ? f.width() : image.width();
        const double h = f.height() > 0 ? f.height() : image.height();
        out += "{\\pict\\pngblip\\picw" + QByteArray::number(image.width()) + "\\pich" +
               QByteArray::number(image.height()) + "\\picwgoal" + QByteArray::number(Twips(w)) + "\\pichgoal" +
               QByteArray::number(Twips(h)) + "\r\n";
        const QByteArray hex = png.toHex();
        for (qsizetype i = 0; i < hex.size(); i += 128) out += hex.mid(i, 128) + "\r\n";
        out += "}";
    }

    int FontIndex(const QString& family) {
        const qsizetype i = fonts_.indexOf(family);
        if (i >= 0) return static_cast<int>(i);
        fonts_.append(family);
        return static_cast<int>(fonts_.size() - 1);
    }

    int ColorIndex(const QColor& color) {
        const QRgb rgb = color.rgb() & 0xFFFFFF;
        const qsizetype i = colors_.indexOf(rgb);
        if (i >= 0) return static_cast<int>(i + 1);
        colors_.append(rgb);
        return static_cast<int>(colors_.size());
    }

    // Text as RTF: ASCII as is, the rest as \'hh bytes of code page 936, and
    // \uN? for what code page 936 lacks.
    QByteArray Escape(const QString& text) {
        QByteArray out;
        out.reserve(text.size() * 2);
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text[i].unicode();
            if (c == '\\' || c == '{' || c == '}') {
                out += '\\';
                out += static_cast<char>(c);
            } else if (c == '\t') {
                out += "\\tab ";
            } else if (c == QChar::LineSeparator || c == '\n') {
                out += "\\line ";
            } else if (c == QChar::Nbsp) {
                out += "\\~";
            } else if (c >= 0x20 && c < 0x7F) {
                out += static_cast<char>(c);
            } else if (c < 0x20 || c == QChar::ObjectReplacementCharacter) {
                continue;
            } else {
                const bool pair = QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate();
                out += Encoded(QStringView(text).mid(i, pair ? 2 : 1));
                if (pair) ++i;
            }
        }
        return out;
    }

    QByteArray Encoded(QStringView ch) {
        const QString key = ch.toString();
        auto it = encoded_.find(key);
        if (it != encoded_.end()) return *it;
        bool lossy = false;
        const QByteArray bytes = UnicodeToCp936(ch, &lossy);
        QByteArray rtf;
        if (lossy) {
            for (QChar unit : ch) rtf += "\\u" + QByteArray::number(static_cast<int16_t>(unit.unicode())) + "?";
        } else {
            for (char b : bytes) rtf += "\\'" + QByteArray::number(static_cast<uint8_t>(b), 16).rightJustified(2, '0');
        }
        encoded_.insert(key, rtf);
        return rtf;
    }

    const QTextDocument& doc_;
    QStringList fonts_;
    QList<QRgb> colors_;
    QHash<QString, QByteArray> encoded_;
};

}  // namespace

QByteArray WriteRtf(const QTextDocument& doc) { return Writer(doc).Run(); }

}  // namespace qbx
