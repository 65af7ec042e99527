// Read-book mode, with the timer driven by hand.
#include <gtest/gtest.h>

#include <QTest>

#include <QScreen>

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSlider>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>

#include "readbook/QbxSlider.h"
#include "reader/MainFun.h"
#include "reader/MainUnit.h"
#include "support/QbxWriter.h"
#include "support/QtPrinting.h"
#include "support/ScriptedInteraction.h"

namespace qbx {
namespace {

using namespace testing;

constexpr QSize kScreen(800, 600);
const QColor kBack(0, 0, 0x40);
const QRect kColumn(0, 33, kScreen.width() - 16, kScreen.height() - 33);
constexpr TColumnKind kKinds[] = {TColumnKind::Windows, TColumnKind::Widget};

const char* KindName(TColumnKind kind) { return kind == TColumnKind::Windows ? "windows" : "widget"; }

// What the window shows, one pixel per window coordinate also on a scaled screen.
QImage Logical(const QImage& shown) {
    QImage image = shown.scaled((QSizeF(shown.size()) / shown.devicePixelRatio()).toSize());
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_RGB32);
}

// What the window's own backing store holds, as the screen gets it.
QImage BackingStore(QWidget& w) {
    return w.screen()->grabWindow(w.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

class ReadBookTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TQbxForm>(dir.filePath("qbx.ini"));
        form->AppIni->SliderFont = {kClWhite, 0, "DejaVu Sans", 20, 0};
        form->AppIni->SliderBackColor = 0x400000;  // dark blue: never-painted memory would show black
        form->AppIni->LineColor = kClRed;
    }
    void TearDown() override {
        form.reset();
        CurrentDocument.reset();
    }
    static QString Long(int lines) {
        QStringList l;
        for (int i = 0; i < lines; ++i) l << QString("line %1").arg(i);
        return l.join('\n');
    }
    QTemporaryDir dir;
    ScriptedInteraction script;
    std::unique_ptr<TQbxForm> form;
};

TEST(WrapLinesTest, LinesFitTheWidthAndNoEmptyLastLine) {
    QFont f("DejaVu Sans", 12);
    const QStringList lines =
        WrapLines(QString(40, 'x').replace(QRegularExpression("(x{8})"), "\\1 ") + "\nnext\n", f, 200);
    ASSERT_GE(lines.size(), 3);
    for (const QString& l : lines) EXPECT_LE(QFontMetrics(f).horizontalAdvance(l.trimmed()), 200);
    EXPECT_EQ(lines.last(), "next");
}

TEST_F(ReadBookTest, AShortTextAQuarterDownThenGuideLinesOnly) {
    TSliderForm slider(QString::fromUtf8("one short line 床前明月光"), *form->AppIni, kScreen);
    slider.show();
    EXPECT_EQ(slider.TopLine(), 0);
    EXPECT_EQ(slider.FirstSlotY(), 150);
    EXPECT_EQ(slider.Lines().size(), 1);
    const QImage page = Logical(slider.Shown());
    if (const QString out = qEnvironmentVariable("QBX_SCREENSHOT_DIR"); !out.isEmpty())
        page.save(out + "/readbook.png");
    auto red = [&](int y) {
        for (int x = slider.Margin(); x < slider.Margin() + 20; ++x)
            if (page.pixelColor(x, y) == QColor(255, 0, 0)) return true;
        return false;
    };
    const int guide1 = slider.SlotY(1) + slider.TextHeight() + 4;
    EXPECT_TRUE(red(guide1));
    EXPECT_TRUE(red(slider.SlotY(3) + slider.TextHeight() + 4));  // after the end of the text too
    int whitePixels = 0;
    for (int y = slider.SlotY(1); y < slider.SlotY(1) + slider.TextHeight(); ++y)
        for (int x = slider.Margin(); x < slider.Margin() + 200; ++x) whitePixels += qGray(page.pixel(x, y)) > 200;
    EXPECT_GT(whitePixels, 20);  // the line is drawn in its slot
}

TEST_F(ReadBookTest, TicksScrollOnePixelAndMoveToTheNextLine) {
    TSliderForm slider(Long(100), *form->AppIni, kScreen);
    slider.show();
    const int y = slider.FirstSlotY();
    slider.Tick();
    EXPECT_EQ(slider.FirstSlotY(), y - 1);
    for (int i = 0; i < y + slider.TextHeight() + 10; ++i) slider.Tick();
    EXPECT_EQ(slider.TopLine(), 1);
    EXPECT_EQ(slider.SliderScrollbar->value(), 1);
}

// Ticks draw only what comes into view; after any number of them, including
// enough to run the column out of rows, the page must look as if drawn anew.
TEST_F(ReadBookTest, TickedPageLooksLikeThePageDrawnAnew) {
    for (const TColumnKind kind : kKinds) {
        SCOPED_TRACE(KindName(kind));
        TSliderForm slider(Long(200), *form->AppIni, kScreen, nullptr, kind);
        slider.show();
        const int step = slider.TextHeight() + 10;
        for (const int ticks : {1, step - 1, step, 3 * step + 5, kScreen.height() - 20, 2 * kScreen.height() + 7}) {
            SCOPED_TRACE(ticks);
            for (int i = 0; i < ticks; ++i) slider.Tick();
            const QImage ticked = slider.Shown();
            slider.DrawPage();
            EXPECT_EQ(ticked, slider.Shown());
        }
    }
}

// The column as windows and as a widget shows the very same pixels, at the
// screen's own resolution.
TEST_F(ReadBookTest, BothKindsShowTheSamePage) {
    TSliderForm windows(Long(100), *form->AppIni, kScreen, nullptr, TColumnKind::Windows);
    TSliderForm widget(Long(100), *form->AppIni, kScreen, nullptr, TColumnKind::Widget);
    windows.show();
    widget.show();
    for (int i = 0; i < 150; ++i) {
        windows.Tick();
        widget.Tick();
    }
    EXPECT_EQ(windows.Shown().convertToFormat(QImage::Format_RGB32),
              widget.Shown().convertToFormat(QImage::Format_RGB32));
}

// One tick moves everything below the control bar up one pixel; the row that
// comes into view is background while no new slot is wholly in view.
TEST_F(ReadBookTest, ATickMovesTheColumnUpOnePixel) {
    for (const TColumnKind kind : kKinds) {
        SCOPED_TRACE(KindName(kind));
        TSliderForm slider(Long(100), *form->AppIni, kScreen, nullptr, kind);
        slider.show();
        const int step = slider.TextHeight() + 10;
        for (const int ticks : {5, kColumn.height() + 5}) {  // the second after the column started again
            SCOPED_TRACE(ticks);
            slider.DrawPage();
            for (int i = 0; i < ticks; ++i) slider.Tick();
            while ((kScreen.height() - slider.FirstSlotY() + 1) % step == 0) slider.Tick();  // no new slot next
            const QImage before = Logical(slider.Shown());
            slider.Tick();
            const QImage after = Logical(slider.Shown());
            EXPECT_EQ(after.copy(kColumn.adjusted(0, 0, 0, -1)), before.copy(kColumn.adjusted(0, 1, 0, 0)));
            const QImage bottom = after.copy(kColumn.left(), kColumn.bottom(), kColumn.width(), 1);
            for (int x = 0; x < bottom.width(); ++x) ASSERT_EQ(bottom.pixelColor(x, 0), kBack) << x;
        }
    }
}

// Where the column is a widget, QWidget::scroll moves the pixels on screen;
// they must stay what the column's picture says.
TEST_F(ReadBookTest, AScrolledWidgetColumnShowsItsPicture) {
    TSliderForm slider(Long(100), *form->AppIni, kScreen, nullptr, TColumnKind::Widget);
    slider.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&slider));
    for (const int ticks : {5, 100, kColumn.height() + 40}) {
        SCOPED_TRACE(ticks);
        for (int i = 0; i < ticks; ++i) {
            slider.Tick();
            QCoreApplication::processEvents();
        }
        EXPECT_EQ(BackingStore(slider).copy(kColumn),
                  slider.Shown().convertToFormat(QImage::Format_RGB32).copy(kColumn));
    }
}

// The column scrolls beneath the control bar: what reaches the screen keeps the bar whole.
TEST_F(ReadBookTest, ScrollingLeavesTheControlBarIntact) {
    for (const TColumnKind kind : kKinds) {
        SCOPED_TRACE(KindName(kind));
        TSliderForm slider(Long(100), *form->AppIni, kScreen, nullptr, kind);
        slider.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&slider));
        const QRect bar = slider.ControlBar1->geometry();
        const QImage before = BackingStore(slider).copy(bar);
        for (int i = 0; i < 60; ++i) {
            slider.Tick();
            QCoreApplication::processEvents();
        }
        const QImage after = BackingStore(slider).copy(bar);
        // Styles may shade a button by a level or two as it settles; moved text would differ far more.
        int changed = 0;
        for (int y = 0; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x)
                changed += std::abs(qGray(before.pixel(x, y)) - qGray(after.pixel(x, y))) > 16;
        EXPECT_EQ(changed, 0);
    }
}

TEST_F(ReadBookTest, KeysAndTheirLimits) {
    TSliderForm slider(Long(30), *form->AppIni, kScreen);
    slider.show();
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QCoreApplication::sendEvent(&slider, &up);
    EXPECT_EQ(slider.TopLine(), 0);
    EXPECT_EQ(slider.FirstSlotY(), 150);  // at 0: nothing at all
    QKeyEvent down(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
    QCoreApplication::sendEvent(&slider, &down);
    EXPECT_EQ(slider.TopLine(), slider.Slots());
    EXPECT_EQ(slider.FirstSlotY(), 33 + 10);
    slider.Jump(28);
    QCoreApplication::sendEvent(&slider, &down);  // beyond the end: the page stays
    EXPECT_EQ(slider.TopLine(), 28);
}

TEST_F(ReadBookTest, MouseHeightRightEdgeAndTheWheel) {
    form->AppIni->MouseControl = true;
    TSliderForm slider(Long(30), *form->AppIni, kScreen);
    slider.show();
    slider.PointerMoved(QPoint(100, 0));  // top: 71, clamped to the slowest
    EXPECT_EQ(slider.TrackBar1->value(), 70);
    slider.PointerMoved(QPoint(100, 599));
    EXPECT_EQ(slider.TrackBar1->value(), 1);
    slider.PointerMoved(QPoint(790, 300));  // the right edge pauses
    EXPECT_FALSE(slider.TimerActive());
    EXPECT_FALSE(slider.PlayToolButton->isChecked());
    slider.PointerMoved(QPoint(100, 300));
    EXPECT_TRUE(slider.TimerActive());
    slider.PlayToolButton->click();  // paused by the button: the pointer does not resume it
    slider.PointerMoved(QPoint(790, 300));
    slider.PointerMoved(QPoint(100, 300));
    EXPECT_FALSE(slider.TimerActive());

    slider.WheelTurned(-120);  // the first wheel event does nothing
    EXPECT_EQ(slider.TopLine(), 0);
    slider.WheelTurned(-120);  // the second acts
    EXPECT_EQ(slider.TopLine(), 1);
    slider.WheelTurned(-120);
    slider.WheelTurned(-120);
    EXPECT_EQ(slider.TopLine(), 1);
    slider.WheelTurned(-120);  // then every third
    EXPECT_EQ(slider.TopLine(), 2);
}

TEST_F(ReadBookTest, TheCommandAndTheSettingsKeptAcrossARestart) {
    QAction* action = form->Action("SliderAction");
    form->RichEdit->clear();
    form->SliderMenuItemClick();  // no text: no window
    EXPECT_TRUE(script.asked.empty());
    form->RichEdit->setPlainText("some text to read");
    script.dialogs.push_back([](QDialog* d) {
        auto* s = static_cast<TSliderForm*>(d);
        s->MouseControl->setChecked(false);
        s->TrackBar1->setValue(33);
        s->CloseButton->click();
        return QDialog::Accepted;
    });
    form->SliderMenuItemClick();
    EXPECT_FALSE(action->isChecked());
    form->close();
    form.reset();
    TQbxForm again(dir.filePath("qbx.ini"));
    EXPECT_FALSE(again.AppIni->MouseControl);
    EXPECT_EQ(again.AppIni->PlaySpeed, 33);
}

}  // namespace
}  // namespace qbx
