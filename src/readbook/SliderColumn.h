// The text column of read-book mode. Its picture is twice as tall as what is
// visible; scrolling up one pixel shows it from one row lower and fills only
// the row that comes into view. When the end of the picture would come into
// view the caller paints the page anew from the top.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <functional>
#include <memory>

class QPainter;
class QPaintDevice;
class QWidget;

namespace qbx {

// How the column reaches the screen.
enum class TColumnKind {
    // A window inside a clip window: the window system moves the pixels, so a
    // tick costs the same on any screen size. Needs child windows that their
    // parent clips, as X11 has.
    Windows,
    // A widget scrolled with QWidget::scroll: the program moves every pixel of
    // the column at each tick. Used where child windows are not clipped (Wayland).
    Widget,
};
TColumnKind ColumnKindFor(const QString& platformName);

class TSliderColumn {
public:
    // `area` is the visible column in the coordinates of `owner`, whose window
    // must already exist; input over the column goes to `owner`.
    TSliderColumn(QWidget* owner, const QRect& area, const QColor& back, TColumnKind kind);
    ~TSliderColumn();

    using Painting = std::function<void(QPainter&)>;

    // Starts the column again from the top with the visible part filled with
    // the background, then lets `paint` draw on it.
    void Restart(const Painting& paint);
    // Moves the column up one pixel; false, and nothing moves, when the
    // picture has no row left below what is visible.
    bool ScrollUp();
    // Lets `paint` draw within `rect` and shows the result. Both take the
    // owner's coordinates, in which the column lies at `area`.
    void Paint(const QRect& rect, const Painting& paint);

    QRect Area() const { return area_; }
    QImage Shown() const;  // what the visible part shows

    // Where the picture is painted and how it is shown.
    class Surface {
    public:
        virtual ~Surface() = default;
        virtual QPaintDevice* BeginPaint(const QRect& rect) = 0;  // rect in the picture
        virtual void EndPaint(const QRect& rect) = 0;             // and shows it
        virtual void ShowFrom(int row) = 0;                       // the visible part starts at this row of the picture
        virtual QImage Picture() const = 0;
    };

private:
    QRect PictureRect(const QRect& rect) const;  // owner coordinates to the picture's

    QRect area_;
    QColor back_;
    std::unique_ptr<Surface> surface_;
    int offset_ = 0;  // the picture's row at the top of the visible part
};

}  // namespace qbx
