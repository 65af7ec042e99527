#include "SliderColumn.h"

#include <QPaintEvent>
#include <QPainter>

namespace qbx {

// A raster window that keeps its picture in its backing store and shows it
// again whenever the window system asks.
class TSliderColumn::ColumnWindow : public QWindow {
public:
    explicit ColumnWindow(QWindow* parent) : QWindow(parent), store(this) {
        setSurfaceType(QSurface::RasterSurface);
        setFlag(Qt::WindowTransparentForInput);
    }
    void Show(const QRect& rect) {
        if (isExposed()) store.flush(rect);
    }
    QBackingStore store;

protected:
    void paintEvent(QPaintEvent* event) override {
        if (isExposed()) store.flush(event->region());
    }
};

TSliderColumn::TSliderColumn(QWindow* parent, const QRect& area, const QColor& back) : area_(area), back_(back) {
    clip_ = new QWindow(parent);
    clip_->setSurfaceType(QSurface::RasterSurface);
    clip_->setFlag(Qt::WindowTransparentForInput);
    clip_->setGeometry(area);
    column_ = new ColumnWindow(clip_);
    const QSize size(area.width(), 2 * area.height());
    column_->setGeometry(QRect(QPoint(0, 0), size));
    column_->store.resize(size);
    column_->setVisible(true);
    clip_->setVisible(true);
}

TSliderColumn::~TSliderColumn() { delete clip_; }

QRect TSliderColumn::StoreRect(const QRect& rect) const {
    return rect.translated(-area_.left(), offset_ - area_.top()).intersected(QRect(QPoint(0, 0), column_->size()));
}

void TSliderColumn::Paint(const QRect& rect, const Painting& paint) {
    const QRect target = StoreRect(rect.intersected(area_));
    if (target.isEmpty()) return;
    QBackingStore& store = column_->store;
    store.beginPaint(target);
    {
        QPainter p(store.paintDevice());
        p.setClipRect(target);
        p.translate(-area_.left(), offset_ - area_.top());
        paint(p);
    }
    store.endPaint();
    column_->Show(target);
}

void TSliderColumn::Restart(const Painting& paint) {
    offset_ = 0;
    column_->setPosition(0, 0);
    Paint(area_, [&](QPainter& p) {
        p.fillRect(area_, back_);
        paint(p);
    });
}

bool TSliderColumn::ScrollUp() {
    if (offset_ + area_.height() >= column_->height()) return false;
    ++offset_;
    column_->setPosition(0, -offset_);
    // The row that comes into view has never been painted since the restart.
    const QRect row(area_.left(), area_.bottom(), area_.width(), 1);
    Paint(row, [&](QPainter& p) { p.fillRect(row, back_); });
    return true;
}

QImage TSliderColumn::Shown() const {
    QPaintDevice* device = column_->store.paintDevice();
    if (!device || device->devType() != QInternal::Image) return {};
    return static_cast<QImage*>(device)->copy(QRect(0, offset_, area_.width(), area_.height()));
}

}  // namespace qbx
