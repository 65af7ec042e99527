// The sink that builds a QTextDocument from the RTF reader's events.
#pragma once

#include <QColor>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

#include "RtfDocument.h"
#include "RtfReader.h"

namespace qbx {

class DocumentSink : public RtfSink {
public:
    static constexpr double kTwipsPerPixel = 15.0;  // at 96 dots per inch

    explicit DocumentSink(QTextDocument& doc) : doc_(doc), cursor_(&doc) {}

    void Text(const QString& text, const RtfCharFormat& chr, const RtfParaFormat& para) override {
        Place(para);
        cursor_.insertText(text, CharFormat(chr));
        produced_ = true;
    }
    void LineBreak(const RtfCharFormat& chr, const RtfParaFormat& para) override {
        Place(para);
        cursor_.insertText(QString(QChar::LineSeparator), CharFormat(chr));
    }
    void ParagraphEnd(const RtfParaFormat& para) override {
        Place(para);
        SetBlockFormat(para);
        cursor_.insertBlock();  // the new block starts with the same format
    }
    void CellEnd(const RtfParaFormat& para) override {
        Place(para);
        SetBlockFormat(para);
        cellDone_ = true;
    }
    void RowEnd(int cellCount) override {
        if (!table_) return;
        if (table_->columns() < cellCount) table_->appendColumns(cellCount - table_->columns());
        rowDone_ = true;
        cellDone_ = false;
    }
    void Picture(const RtfPicture& picture, const RtfCharFormat& chr, const RtfParaFormat& para) override {
        Place(para);
        QImage image;
        if (picture.kind != RtfPicture::Other) image.loadFromData(picture.data);
        int w = static_cast<int>(picture.widthTwips / kTwipsPerPixel);
        int h = static_cast<int>(picture.heightTwips / kTwipsPerPixel);
        QString name;
        if (image.isNull()) {
            w = std::max(w, 16);
            h = std::max(h, 16);
            image = QImage(w, h, QImage::Format_RGB32);
            image.fill(QColor(0xD0, 0xD0, 0xD0));
            name = QString::fromLatin1(kPlaceholderPrefix) + QString::number(++pictures_);
        } else {
            name = QStringLiteral("qbx-picture:") + QString::number(++pictures_);
        }
        doc_.addResource(QTextDocument::ImageResource, QUrl(name), image);
        QTextImageFormat f;
        f.merge(CharFormat(chr));
        f.setName(name);
        f.setWidth(w > 0 ? w : image.width());
        f.setHeight(h > 0 ? h : image.height());
        cursor_.insertImage(f);
        produced_ = true;
    }
    void LinkStart(const QString& url) override { link_ = url; }
    void LinkEnd() override { link_.clear(); }
    void Finish(const RtfParaFormat& lastPara) override {
        if (!table_) SetBlockFormat(lastPara);
    }

    bool produced() const { return produced_; }

private:
    // Moves into, through or out of a table as the paragraph's \intbl says.
    void Place(const RtfParaFormat& para) {
        if (!para.inTable) {
            if (table_) {
                cursor_.movePosition(QTextCursor::End);
                table_ = nullptr;
                blockChanged_ = true;
            }
            return;
        }
        if (!table_) {
            QTextTableFormat f;
            f.setCellPadding(2);
            f.setBorder(1);
            f.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            table_ = cursor_.insertTable(1, 1, f);
            row_ = col_ = 0;
            rowDone_ = cellDone_ = false;
            cursor_ = table_->cellAt(0, 0).firstCursorPosition();
            blockChanged_ = true;
            return;
        }
        if (rowDone_) {
            table_->appendRows(1);
            ++row_;
            col_ = 0;
            rowDone_ = cellDone_ = false;
            cursor_ = table_->cellAt(row_, 0).firstCursorPosition();
            blockChanged_ = true;
        } else if (cellDone_) {
            ++col_;
            if (col_ >= table_->columns()) table_->appendColumns(1);
            cellDone_ = false;
            cursor_ = table_->cellAt(row_, col_).firstCursorPosition();
            blockChanged_ = true;
        }
    }

    // Most runs repeat the format of the run before: convert once.
    const QTextCharFormat& CharFormat(const RtfCharFormat& chr) {
        if (!(chr == lastChr_) || link_ != lastLink_ || !haveLastChr_) {
            lastFormat_ = MakeCharFormat(chr);
            lastChr_ = chr;
            lastLink_ = link_;
            haveLastChr_ = true;
        }
        return lastFormat_;
    }

    // Sets the current block's format unless it has it already; blocks made
    // by insertBlock() take over the format of the block before.
    void SetBlockFormat(const RtfParaFormat& para) {
        if (haveBlockPara_ && para == blockPara_ && !blockChanged_) return;
        cursor_.setBlockFormat(BlockFormat(para));
        blockPara_ = para;
        haveBlockPara_ = true;
        blockChanged_ = false;
    }

    QTextCharFormat MakeCharFormat(const RtfCharFormat& chr) const {
        QTextCharFormat f;
        if (chr.bold) f.setFontWeight(QFont::Bold);
        if (chr.italic) f.setFontItalic(true);
        if (chr.underline) f.setFontUnderline(true);
        if (chr.strike) f.setFontStrikeOut(true);
        if (chr.vertical == 1) f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
        if (chr.vertical == 2) f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
        if (chr.fontSize > 0) f.setFontPointSize(chr.fontSize / 2.0);
        if (chr.font >= 0) {
            const QString family = tables_->FontName(chr.font);
            if (!family.isEmpty()) f.setFontFamilies({family});
        }
        if (const auto c = tables_->Color(chr.foreground)) f.setForeground(QColor::fromRgb(*c));
        if (const auto c = tables_->Color(chr.background)) f.setBackground(QColor::fromRgb(*c));
        if (!link_.isEmpty()) {
            f.setAnchor(true);
            f.setAnchorHref(link_);
            f.setForeground(QColor(Qt::blue));
            f.setFontUnderline(true);
        }
        return f;
    }

    static QTextBlockFormat BlockFormat(const RtfParaFormat& para) {
        QTextBlockFormat f;
        static const Qt::Alignment aligns[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignJustify};
        f.setAlignment(aligns[para.align]);
        if (para.leftIndent) f.setLeftMargin(para.leftIndent / kTwipsPerPixel);
        if (para.rightIndent) f.setRightMargin(para.rightIndent / kTwipsPerPixel);
        if (para.firstIndent) f.setTextIndent(para.firstIndent / kTwipsPerPixel);
        if (para.spaceBefore) f.setTopMargin(para.spaceBefore / kTwipsPerPixel);
        if (para.spaceAfter) f.setBottomMargin(para.spaceAfter / kTwipsPerPixel);
        return f;
    }

    QTextDocument& doc_;
    QTextCursor cursor_;
    RtfCharFormat lastChr_;
    QString lastLink_;
    QTextCharFormat lastFormat_;
    bool haveLastChr_ = false;
    RtfParaFormat blockPara_;
    bool haveBlockPara_ = false;
    bool blockChanged_ = false;  // the cursor moved to a block whose format is not known
    QTextTable* table_ = nullptr;
    int row_ = 0, col_ = 0;
    bool rowDone_ = false, cellDone_ = false;
    QString link_;
    int pictures_ = 0;
    bool produced_ = false;
};

}  // namespace qbx
