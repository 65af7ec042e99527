// The text column of read-book mode, shown in a window of its own inside a
// clip window the size of the visible column. Scrolling up one pixel moves the
// column window up inside its clip, so the window system moves the pixels and
// the program only fills the one row that comes into view. The column is twice
// as tall as what is visible; when its end would come into view the caller
// paints the page anew from the top.
#pragma once

#include <QBackingStore>
#include <QColor>
#include <QImage>
#include <QPointer>
#include <QRect>
#include <QWindow>
#include <functional>

class QPainter;

namespace qbx {

class TSliderColumn {
public:
    // `area` is the visible column in the coordinates of `parent`, a window
    // that must already exist; both column windows let input through to it.
    TSliderColumn(QWindow* parent, const QRect& area, const QColor& back);
    ~TSliderColumn();

    using Painting = std::function<void(QPainter&)>;

    // Starts the column again from the top with the visible part filled with
    // the background, then lets `paint` draw on it.
    void Restart(const Painting& paint);
    // Moves the column up one pixel; false, and nothing moves, when the
    // column has no row left below what is visible.
    bool ScrollUp();
    // Lets `paint` draw within `rect` and shows the result. Both take the
    // parent's coordinates, in which the column lies at `area`.
    void Paint(const QRect& rect, const Painting& paint);

    QRect Area() const { return area_; }
    int Offset() const { return offset_; }  // pixels scrolled since the last restart
    QImage Shown() const;                   // what the visible part shows

private:
    class ColumnWindow;
    QRect StoreRect(const QRect& rect) const;  // parent coordinates to the column's own

    QRect area_;
    QColor back_;
    QPointer<QWindow> clip_;  // a child of the parent window, which may go first
    ColumnWindow* column_;    // owned by clip_
    int offset_ = 0;
};

}  // namespace qbx
