#include "TextDescription.h"

#include <QTextBlock>
#include <QTextFrame>
#include <QTextTable>

namespace qbx::testing {
namespace {

QString CharDescription(const QTextCharFormat& f) {
    QStringList parts;
    if (f.isImageFormat()) {
        const QTextImageFormat i = f.toImageFormat();
        parts << QStringLiteral("img %1x%2").arg(i.width()).arg(i.height());
    }
    if (f.fontWeight() >= QFont::Bold) parts << "b";
    if (f.fontItalic()) parts << "i";
    if (f.fontUnderline()) parts << "u";
    if (f.fontStrikeOut()) parts << "s";
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript) parts << "sup";
    if (f.verticalAlignment() == QTextCharFormat::AlignSubScript) parts << "sub";
    if (f.hasProperty(QTextFormat::FontPointSize)) parts << QStringLiteral("fs%1").arg(f.fontPointSize() * 2);
    const QStringList families = f.fontFamilies().toStringList();
    if (!families.isEmpty()) parts << "f" + families.first();
    if (f.hasProperty(QTextFormat::ForegroundBrush)) parts << "fg" + f.foreground().color().name();
    if (f.hasProperty(QTextFormat::BackgroundBrush)) parts << "bg" + f.background().color().name();
    if (f.isAnchor()) parts << "href=" + f.anchorHref();
    return parts.join(' ');
}

QString BlockDescription(const QTextBlockFormat& f) {
    QStringList parts;
    const Qt::Alignment a = f.alignment() & Qt::AlignHorizontal_Mask;
    if (a & Qt::AlignHCenter)
        parts << "qc";
    else if (a & Qt::AlignRight)
        parts << "qr";
    else if (a & Qt::AlignJustify)
        parts << "qj";
    auto twips = [&](const char* name, double px) {
        if (px != 0) parts << QString::fromLatin1(name) + QString::number(qRound(px * 15));
    };
    twips("li", f.leftMargin());
    twips("ri", f.rightMargin());
    twips("fi", f.textIndent());
    twips("sb", f.topMargin());
    twips("sa", f.bottomMargin());
    return parts.join(' ');
}

void DescribeBlock(const QTextBlock& block, QString& out) {
    out += "{" + BlockDescription(block.blockFormat()) + "}";
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment frag = it.fragment();
        QString text = frag.text();
        text.replace(QChar::LineSeparator, QStringLiteral("\\n"));
        text.replace(QChar::ObjectReplacementCharacter, QStringLiteral("#"));
        const QString fmt = CharDescription(frag.charFormat());
        out += "[" + text + (fmt.isEmpty() ? "" : "|" + fmt) + "]";
    }
}

void DescribeFrame(const QTextFrame* frame, QString& out) {
    for (auto it = frame->begin(); !it.atEnd(); ++it) {
        if (QTextFrame* child = it.currentFrame()) {
            if (auto* table = qobject_cast<QTextTable*>(child)) {
                out += QStringLiteral("<table %1x%2>").arg(table->rows()).arg(table->columns());
                for (int r = 0; r < table->rows(); ++r)
                    for (int c = 0; c < table->columns(); ++c) {
                        const QTextTableCell cell = table->cellAt(r, c);
                        out += "<cell>";
                        for (QTextBlock b = cell.firstCursorPosition().block();
                             b.isValid() && b.position() <= cell.lastCursorPosition().position(); b = b.next())
                            DescribeBlock(b, out);
                    }
                out += "</table>";
            }
            continue;
        }
        DescribeBlock(it.currentBlock(), out);
    }
}

}  // namespace

QString Describe(const QTextDocument& doc) {
    QString out;
    DescribeFrame(doc.rootFrame(), out);
    return out;
}

}  // namespace qbx::testing
