// TZqLabel: the program's text label. The text is drawn over a white copy of
// itself shifted by one pixel (engraved or embossed), and a link label shows a
// hand cursor, a highlight colour and an underline while the pointer is over it.
// It never resizes itself to its text.
#pragma once

#include <QColor>
#include <QLabel>

namespace qbx {

class TZqLabel : public QLabel {
    Q_OBJECT
public:
    enum TDrawType { dtNone, dtLowered, dtRaised };
    Q_ENUM(TDrawType)

    explicit TZqLabel(QWidget* parent = nullptr);
    TZqLabel(const QString& text, QWidget* parent = nullptr);

    bool MouseMoveNoUnderLine = false;
    TDrawType DrawType() const { return drawType_; }
    void SetDrawType(TDrawType type);
    bool VCenter() const { return vCenter_; }
    void SetVCenter(bool on);
    bool LinkType = false;
    QColor AboveColor = QColor(0, 0, 255);
    QColor OldColor = QColor(0, 0, 0);

    // What the platform label adds: a background colour (filled unless
    // transparent) and whether "&" marks an accelerator.
    bool Transparent = false;
    QColor Color() const;
    void SetColor(const QColor& color);
    bool ShowAccelChar = true;

    QColor FontColor() const;
    void SetFontColor(const QColor& color);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void DrawText(QPainter& painter, const QRect& rect, int flags);
    TDrawType drawType_ = dtLowered;
    bool vCenter_ = false;
};

}  // namespace qbx
