#include "controls/ZqLabel.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QImage>

#include "support/QtPrinting.h"

namespace qbx {
namespace {

struct Pixels {
    int minX = INT_MAX, maxX = -1, minY = INT_MAX, maxY = -1, count = 0;
    void Add(int x, int y) {
        minX = std::min(minX, x), maxX = std::max(maxX, x), minY = std::min(minY, y), maxY = std::max(maxY, y);
        ++count;
    }
};

struct Rendered {
    Pixels dark, white, grey;
};

// Renders a label with aliased black text on a mid-grey background and sorts its pixels.
Rendered Render(TZqLabel::TDrawType type, bool enabled = true, const QString& text = "Hg") {
    TZqLabel label(text);
    QFont f("DejaVu Sans", 14);
    f.setStyleStrategy(QFont::NoAntialias);
    label.setFont(f);
    label.SetDrawType(type);
    label.SetColor(QColor(128, 128, 128));
    label.SetFontColor(Qt::black);
    label.setEnabled(enabled);
    label.resize(120, 40);
    const QImage image = label.grab().toImage();
    Rendered r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c == Qt::white)
                r.white.Add(x, y);
            else if (qGray(c.rgb()) < 40)
                r.dark.Add(x, y);
            else if (c != QColor(128, 128, 128))
                r.grey.Add(x, y);
        }
    return r;
}

TEST(ZqLabelTest, LoweredAndRaisedDrawAWhiteCopyOnePixelAway) {
    const Rendered none = Render(TZqLabel::dtNone);
    const Rendered lowered = Render(TZqLabel::dtLowered);
    const Rendered raised = Render(TZqLabel::dtRaised);
    ASSERT_GT(none.dark.count, 10);
    EXPECT_EQ(none.white.count, 0);
    // Lowered: the text where a plain label has it, the white copy below and right.
    EXPECT_EQ(lowered.dark.minX, none.dark.minX);
    EXPECT_EQ(lowered.dark.minY, none.dark.minY);
    EXPECT_EQ(lowered.white.maxX, lowered.dark.maxX + 1);
    EXPECT_EQ(lowered.white.maxY, lowered.dark.maxY + 1);
    // Raised: the white copy above and left, the text one pixel below and right.
    EXPECT_EQ(raised.white.minX, none.dark.minX - 1);
    EXPECT_EQ(raised.white.minY, none.dark.minY - 1);
    EXPECT_EQ(raised.dark.minX, none.dark.minX + 1);
    EXPECT_EQ(raised.dark.minY, none.dark.minY + 1);
}

TEST(ZqLabelTest, ADisabledLabelIsGreyWithoutTheWhiteCopy) {
    const Rendered r = Render(TZqLabel::dtLowered, false);
    EXPECT_EQ(r.white.count, 0);
    EXPECT_EQ(r.dark.count, 0);
    EXPECT_GT(r.grey.count, 10);
}

TEST(ZqLabelTest, VCenterKeepsOneLineAndClips) {
    const Rendered wrapped = Render(TZqLabel::dtNone, true, "word word word word word word");
    TZqLabel probe;
    probe.SetVCenter(true);
    EXPECT_FALSE(probe.wordWrap());
    TZqLabel label("word word word word word word");
    QFont f("DejaVu Sans", 14);
    f.setStyleStrategy(QFont::NoAntialias);
    label.setFont(f);
    label.SetVCenter(true);
    label.setAlignment(Qt::AlignHCenter);
    label.resize(120, 40);
    const QImage image = label.grab().toImage();
    int minY = INT_MAX, maxY = -1, touchesLeft = 0, touchesRight = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 40) {
                minY = std::min(minY, y), maxY = std::max(maxY, y);
                touchesLeft += x == 0, touchesRight += x == image.width() - 1;
            }
    EXPECT_LT(maxY - minY, QFontMetrics(f).height());  // one line, not the wrapped label's several
    EXPECT_GT(wrapped.dark.maxY - wrapped.dark.minY, QFontMetrics(f).height());
    EXPECT_GT(touchesLeft + touchesRight, 0);  // the centred line runs past both edges
}

TEST(ZqLabelTest, LinkBehaviourOnEnterAndLeave) {
    TZqLabel label("link");
    label.LinkType = true;
    QFont f = label.font();
    f.setBold(true);
    f.setUnderline(true);  // underlined in the design
    label.setFont(f);
    label.SetFontColor(QColor(10, 20, 30));
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&label, &enter);
    EXPECT_EQ(label.FontColor(), QColor(0, 0, 255));
    EXPECT_TRUE(label.font().underline());
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
    label.OldColor = QColor(200, 0, 0);  // a window may change the colour to return to
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&label, &leave);
    EXPECT_EQ(label.FontColor(), QColor(200, 0, 0));
    EXPECT_FALSE(label.font().underline());
    EXPECT_TRUE(label.font().bold());
    EXPECT_EQ(label.cursor().shape(), Qt::ArrowCursor);

    label.MouseMoveNoUnderLine = true;
    QApplication::sendEvent(&label, &enter);
    EXPECT_FALSE(label.font().underline());
    EXPECT_EQ(label.FontColor(), QColor(0, 0, 255));

    TZqLabel plain("plain");
    plain.SetFontColor(Qt::black);
    QApplication::sendEvent(&plain, &enter);
    EXPECT_EQ(plain.FontColor(), QColor(Qt::black));
}

}  // namespace
}  // namespace qbx
