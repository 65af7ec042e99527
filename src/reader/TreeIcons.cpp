#include "TreeIcons.h"

#include "shell/ShellUnit.h"

#include <QHash>
#include <QPainter>

namespace qbx {

namespace {

QPixmap Draw(int32_t kind) {
    QPixmap p(16, 16);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    switch (kind) {
    case 1:  // folder
        g.setPen(QColor(160, 120, 20));
        g.setBrush(QColor(240, 200, 80));
        g.drawRect(QRectF(1.5, 4.5, 13, 9));
        g.drawRect(QRectF(1.5, 2.5, 6, 2));
        break;
    case 3:  // HTML page: a globe
        g.setPen(QColor(30, 80, 160));
        g.setBrush(QColor(120, 170, 230));
        g.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        g.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
        g.drawEllipse(QRectF(5.5, 1.5, 5, 13));
        break;
    case 70:
    case 71:  // recycle bin
        g.setPen(QColor(90, 90, 90));
        g.setBrush(QColor(190, 190, 190));
        g.drawRect(QRectF(3.5, 4.5, 9, 10));
        g.drawLine(QPointF(2, 3.5), QPointF(14, 3.5));
        g.drawLine(QPointF(6.5, 6), QPointF(6.5, 13));
        g.drawLine(QPointF(9.5, 6), QPointF(9.5, 13));
        break;
    default:  // text and anything else: a page
        g.setPen(QColor(100, 100, 100));
        g.setBrush(Qt::white);
        g.drawRect(QRectF(3.5, 1.5, 9, 13));
        for (int y = 5; y <= 11; y += 3) g.drawLine(QPointF(5, y + 0.5), QPointF(11, y + 0.5));
        break;
    }
    return p;
}

}  // namespace

QIcon TreeIcon(int32_t iconIndex, bool bookmarked) {
    static QHash<qint64, QIcon> cache;
    const qint64 key = (static_cast<qint64>(iconIndex) << 1) | (bookmarked ? 1 : 0);
    auto it = cache.find(key);
    if (it != cache.end()) return *it;
    QPixmap p = Draw(iconIndex);
    if (bookmarked) {  // a red flag in the corner
        QPainter g(&p);
        g.setPen(Qt::NoPen);
        g.setBrush(QColor(210, 30, 30));
        g.drawPolygon(QPolygonF({QPointF(9, 9), QPointF(16, 11.5), QPointF(9, 14)}));
        g.setPen(QColor(60, 60, 60));
        g.drawLine(QPointF(9, 8), QPointF(9, 16));
    }
    return *cache.insert(key, QIcon(p));
}

}  // namespace qbx
