#include "SliderColumn.h"

#include <QBackingStore>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace qbx {
namespace {

// A raster window that keeps the picture in its backing store and shows it
// again whenever the window system asks.
class ColumnWindow : public QWindow {
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

// The picture as a window inside a clip window the size of the visible part;
// showing it from a lower row moves the window up.
class WindowSurface : public TSliderColumn::Surface {
public:
    WindowSurface(QWindow* parent, const QRect& area) {
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
    ~WindowSurface() override { delete clip_; }

    QPaintDevice* BeginPaint(const QRect& rect) override {
        column_->store.beginPaint(rect);
        return column_->store.paintDevice();
    }
    void EndPaint(const QRect& rect) override {
        column_->store.endPaint();
        column_->Show(rect);
    }
    void ShowFrom(int row) override { column_->setPosition(0, -row); }
    QImage Picture() const override {
        QPaintDevice* device = column_->store.paintDevice();
        if (!device || device->devType() != QInternal::Image) return {};
        return *static_cast<QImage*>(device);
    }

private:
    QPointer<QWindow> clip_;  // a child of the parent window, which may go first
    ColumnWindow* column_;    // owned by clip_
};

// The picture in memory, shown by a widget; showing it from one row lower
// scrolls the widget's pixels with QWidget::scroll.
class WidgetSurface : public TSliderColumn::Surface, public QWidget {
public:
    WidgetSurface(QWidget* owner, const QRect& area) : QWidget(owner), scale_(owner->devicePixelRatioF()) {
        // In the screen's own pixels, so that text stays sharp on a scaled screen.
        picture_ = QImage(QSizeF(area.width() * scale_, 2 * area.height() * scale_).toSize(), QImage::Format_RGB32);
        picture_.setDevicePixelRatio(scale_);
        setGeometry(area);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        show();
    }
    QPaintDevice* BeginPaint(const QRect&) override { return &picture_; }
    void EndPaint(const QRect& rect) override { update(rect.translated(0, -row_)); }
    void ShowFrom(int row) override {
        if (row == row_ + 1) {
            row_ = row;
            scroll(0, -1);  // Qt paints the row that comes free
        } else {
            row_ = row;
            update();
        }
    }
    QImage Picture() const override { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override {
        const QRectF r = event->rect();
        QPainter p(this);
        p.drawImage(r, picture_,
                    QRectF(r.x() * scale_, (r.y() + row_) * scale_, r.width() * scale_, r.height() * scale_));
    }

private:
    qreal scale_;
    QImage picture_;
    int row_ = 0;
};

}  // namespace

TColumnKind ColumnKindFor(const QString& platformName) {
    // X11 clips child windows to their parent; the offscreen platform draws none.
    if (platformName == QLatin1String("xcb") || platformName == QLatin1String("offscreen")) return TColumnKind::Windows;
    return TColumnKind::Widget;
}

TSliderColumn::TSliderColumn(QWidget* owner, const QRect& area, const QColor& back, TColumnKind kind)
    : area_(area), back_(back) {
    if (kind == TColumnKind::Windows)
        surface_ = std::make_unique<WindowSurface>(owner->windowHandle(), area);
    else
        surface_ = std::make_unique<WidgetSurface>(owner, area);
}

TSliderColumn::~TSliderColumn() = default;

QRect TSliderColumn::PictureRect(const QRect& rect) const {
    return rect.translated(-area_.left(), offset_ - area_.top())
        .intersected(QRect(0, 0, area_.width(), 2 * area_.height()));
}

void TSliderColumn::Paint(const QRect& rect, const Painting& paint) {
    const QRect target = PictureRect(rect.intersected(area_));
    if (target.isEmpty()) return;
    {
        QPainter p(surface_->BeginPaint(target));
        p.setClipRect(target);
        p.translate(-area_.left(), offset_ - area_.top());
        paint(p);
    }
    surface_->EndPaint(target);
}

void TSliderColumn::Restart(const Painting& paint) {
    offset_ = 0;
    surface_->ShowFrom(0);
    Paint(area_, [&](QPainter& p) {
        p.fillRect(area_, back_);
        paint(p);
    });
}

bool TSliderColumn::ScrollUp() {
    if (offset_ >= area_.height()) return false;  // the picture's last row is at the bottom edge
    ++offset_;
    surface_->ShowFrom(offset_);
    // The row that comes into view has not been painted since the restart.
    const QRect row(area_.left(), area_.bottom(), area_.width(), 1);
    Paint(row, [&](QPainter& p) { p.fillRect(row, back_); });
    return true;
}

QImage TSliderColumn::Shown() const {
    const QImage picture = surface_->Picture();
    const qreal scale = picture.devicePixelRatio();
    QImage shown = picture.copy(QRectF(0, offset_ * scale, area_.width() * scale, area_.height() * scale).toRect());
    shown.setDevicePixelRatio(scale);
    return shown;
}

}  // namespace qbx
