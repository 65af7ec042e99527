// Read-book mode: the shown text full-screen in large type on ruled lines,
// scrolling up by itself one pixel per timer tick. The text column below the
// control bar is a window of its own that a tick moves up one pixel, painting
// only the row that comes into view and a line once its whole slot is in
// view; a jump paints the page anew from the state (top line, first slot y).
#pragma once

#include <QDialog>
#include <QStringList>
#include <memory>
#include <optional>

#include "readbook/SliderColumn.h"
#include "settings/AppIni.h"

class QCheckBox;
class QPushButton;
class QScrollBar;
class QSlider;
class QTimer;
class QToolButton;

namespace qbx {

// The text broken into lines `width` pixels wide in `font`, as a word-wrapping
// editor would show them (an empty last line is not counted).
QStringList WrapLines(const QString& text, const QFont& font, int width);

class TSliderForm : public QDialog {
    Q_OBJECT
public:
    // `settings` gives the font, colours, speed and mouse control, and takes
    // the speed and mouse control back when the window closes.
    // The column's kind follows the platform unless given.
    TSliderForm(const QString& text, TAppIni& settings, const QSize& screen, QWidget* parent = nullptr,
                std::optional<TColumnKind> kind = std::nullopt);
    ~TSliderForm() override;

    // The state, for the tests and the benchmark.
    int TopLine() const { return topLine_; }
    int FirstSlotY() const { return firstSlotY_; }
    int Slots() const { return slots_; }
    int TextHeight() const { return textHeight_; }
    int Margin() const { return margin_; }
    int Interval() const;  // 0 while paused by the pointer at the right edge
    bool TimerActive() const;
    const QStringList& Lines() const { return lines_; }
    int SlotY(int slot) const;  // slot from 1

    void Tick();  // one timer step
    void Jump(int newTopLine);
    void DrawPage();       // the page from the state, with the column from its top
    QImage Shown() const;  // what the window shows, the text column included
    void PlayToolButtonClick();
    void PointerMoved(const QPoint& pos);
    void WheelTurned(int delta);

    QWidget* ControlBar1;
    QToolButton* PlayToolButton;
    QCheckBox* MouseControl;
    QSlider* TrackBar1;
    QPushButton* CloseButton;
    QScrollBar* SliderScrollbar;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void done(int result) override;

private:
    void DrawSlot(QPainter& p, int slot) const;
    QRect SlotRect(int slot) const;
    int LastWholeSlot() const;  // the last slot that lies wholly above the bottom edge
    void SetInterval(int ms);

    TAppIni& settings_;
    QStringList lines_;
    QFont font_;
    QColor back_, textColor_, lineColor_;
    QTimer* timer_;
    std::unique_ptr<TSliderColumn> column_;
    int drawnLine_ = -1;  // the line last drawn in the bottom slot
    int topLine_ = 0, firstSlotY_ = 0, spacing_ = 10, textHeight_ = 0, margin_ = 0, slots_ = 0;
    int wheelCounter_ = 1;
    bool pausedByPointer_ = false;
};

}  // namespace qbx
