#include "StatusPanels.h"

#include <QPainter>
#include <QStyleOption>

namespace qbx {

TStatusPanels::TStatusPanels(std::function<QString(int)> text, std::function<bool()> ready, QWidget* parent)
    : QWidget(parent), text_(std::move(text)), ready_(std::move(ready)) {
    setObjectName(QStringLiteral("StatusPanels"));
    setFixedHeight(20);
}

QSize TStatusPanels::sizeHint() const { return {kWidths[0] + kWidths[1] + kWidths[2], 20}; }

QRect TStatusPanels::PanelRect(int panel) const {
    int left = 0;
    for (int i = 0; i < panel; ++i) left += kWidths[i];
    return {left, 0, kWidths[panel], height()};
}

void TStatusPanels::paintEvent(QPaintEvent*) {
    QPainter p(this);
    for (int panel = 0; panel < 3; ++panel) {
        const QRect r = PanelRect(panel);
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(r.adjusted(0, 0, -2, -1));
        if (!ready_()) continue;
        const QString text = text_(panel);
        QRect t = r.adjusted(3, 0, 0, 0).translated(5, 1);
        p.setPen(Qt::white);
        p.drawText(t, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, text);
        t.translate(-1, -1);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(t, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, text);
    }
}

}  // namespace qbx
