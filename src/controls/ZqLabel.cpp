#include "ZqLabel.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace qbx {

TZqLabel::TZqLabel(QWidget* parent) : QLabel(parent) { setWordWrap(true); }

TZqLabel::TZqLabel(const QString& text, QWidget* parent) : TZqLabel(parent) { setText(text); }

void TZqLabel::SetDrawType(TDrawType type) {
    drawType_ = type;
    update();
}

void TZqLabel::SetVCenter(bool on) {
    vCenter_ = on;
    setWordWrap(!on);
    update();
}

QColor TZqLabel::Color() const { return palette().color(QPalette::Window); }

void TZqLabel::SetColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

QColor TZqLabel::FontColor() const { return palette().color(QPalette::WindowText); }

void TZqLabel::SetFontColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void TZqLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect r = contentsRect();
    if (!Transparent) painter.fillRect(r, Color());
    int flags = Qt::TextExpandTabs | (alignment() & Qt::AlignHorizontal_Mask);
    flags |= vCenter_ ? (Qt::AlignVCenter | Qt::TextSingleLine) : (Qt::AlignTop | Qt::TextWordWrap);
    painter.setClipRect(r);  // a centred line that does not fit is clipped at the edges
    DrawText(painter, r, flags);
    if (hasFocus()) {  // a label that takes the keyboard shows it has it
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = r.adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void TZqLabel::DrawText(QPainter& painter, const QRect& rect, int flags) {
    if (ShowAccelChar) flags |= Qt::TextShowMnemonic;  // otherwise "&" is drawn as it is
    painter.setFont(font());
    const QString t = text();
    auto draw = [&](const QColor& color, int dx, int dy) {
        painter.setPen(color);
        painter.drawText(rect.translated(dx, dy), flags, t);
    };
    if (!isEnabled()) {
        // The system grey, not the label's own palette, which carries its font colour.
        draw(QApplication::palette().color(QPalette::Disabled, QPalette::WindowText), 0, 0);
        return;
    }
    switch (drawType_) {
    case dtLowered:
        draw(Qt::white, 1, 1);
        draw(FontColor(), 0, 0);
        break;
    case dtRaised:
        draw(Qt::white, -1, -1);
        draw(FontColor(), 1, 1);
        break;
    case dtNone:
        draw(FontColor(), 0, 0);
        break;
    }
}

void TZqLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    if (!LinkType) return;
    setCursor(Qt::PointingHandCursor);
    OldColor = FontColor();
    SetFontColor(AboveColor);
    if (!MouseMoveNoUnderLine) {
        QFont f = font();
        f.setUnderline(true);
        setFont(f);
    }
}

void TZqLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    if (!LinkType) return;
    unsetCursor();
    SetFontColor(OldColor);
    QFont f = font();
    f.setUnderline(false);  // also a font that was underlined in the design
    setFont(f);
}

void TZqLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace qbx
