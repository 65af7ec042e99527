#include "QbxSlider.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>
#include <QToolButton>
#include <cmath>

#include "settings/RegUnit.h"
#include "settings/ViewLook.h"

namespace qbx {
namespace {

constexpr int kBarHeight = 33;

// Halves go to the even neighbour.
int Round(double v) { return static_cast<int>(std::nearbyint(v)); }

}  // namespace

QStringList WrapLines(const QString& text, const QFont& font, int width) {
    QTextDocument doc;
    doc.setDefaultFont(font);
    doc.setDocumentMargin(0);
    doc.setPlainText(text);
    doc.setTextWidth(width);
    (void)doc.size();  // lays the document out
    QStringList lines;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QTextLayout* layout = b.layout();
        const QString t = b.text();
        if (!layout || layout->lineCount() == 0) {
            lines << QString();
            continue;
        }
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines << t.mid(line.textStart(), line.textLength());
        }
    }
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

TSliderForm::TSliderForm(const QString& text, TAppIni& settings, const QSize& screen, QWidget* parent,
                         std::optional<TColumnKind> kind)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), settings_(settings) {
    setObjectName(QStringLiteral("SliderForm"));
    setWindowTitle(QStringLiteral("读书模式"));
    ControlBar1 = new QWidget(this);
    ControlBar1->setObjectName(QStringLiteral("ControlBar1"));
    ControlBar1->setAutoFillBackground(true);
    auto* bar = new QHBoxLayout(ControlBar1);
    bar->setContentsMargins(4, 2, 4, 2);
    PlayToolButton = new QToolButton(ControlBar1);
    PlayToolButton->setObjectName(QStringLiteral("PlayToolButton"));
    PlayToolButton->setCheckable(true);
    PlayToolButton->setIcon(style()->standardIcon(QStyle::SP_MediaPause));
    PlayToolButton->setFixedSize(25, 23);
    MouseControl = new QCheckBox(QStringLiteral("鼠标控制"), ControlBar1);
    MouseControl->setObjectName(QStringLiteral("MouseControl"));
    MouseControl->setFocusPolicy(Qt::NoFocus);
    TrackBar1 = new QSlider(Qt::Horizontal, ControlBar1);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setRange(1, 70);
    TrackBar1->setFocusPolicy(Qt::NoFocus);
    TrackBar1->setFixedWidth(200);
    CloseButton = new QPushButton(QStringLiteral("关闭(&C)"), ControlBar1);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setFocusPolicy(Qt::NoFocus);
    bar->addWidget(PlayToolButton);
    bar->addWidget(MouseControl);
    bar->addWidget(TrackBar1);
    bar->addStretch();
    bar->addWidget(CloseButton);
    SliderScrollbar = new QScrollBar(Qt::Vertical, this);
    SliderScrollbar->setObjectName(QStringLiteral("SliderScrollbar"));
    SliderScrollbar->setFocusPolicy(Qt::NoFocus);
    timer_ = new QTimer(this);
    ApplyLanguage(this);

    // Creation: the screen's size, the settings' font and colours and speed.
    setGeometry(0, 0, screen.width(), screen.height());
    setFixedSize(screen);
    ControlBar1->setGeometry(0, 0, screen.width(), kBarHeight);
    SliderScrollbar->setGeometry(screen.width() - 16, kBarHeight, 16, screen.height() - kBarHeight);
    font_ = FontFromRecord(settings.SliderFont);
    textColor_ = ColorFromTColor(settings.SliderFont.Color);
    back_ = ColorFromTColor(settings.SliderBackColor);
    lineColor_ = ColorFromTColor(settings.LineColor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    MouseControl->setChecked(settings.MouseControl);
    TrackBar1->setValue(settings.PlaySpeed);

    // Showing: the text column and the slots.
    const int editorWidth = Round(screen.width() * 0.9);
    const QFontMetrics fm(font_);
    const int ones = std::max(1, editorWidth / std::max(1, fm.horizontalAdvance(u'1')));
    margin_ = Round((screen.width() - fm.horizontalAdvance(QString(ones, u'1'))) / 2.0);
    textHeight_ = fm.size(0, QStringLiteral("哈，")).height();
    slots_ = (screen.height() - kBarHeight - 10) / (textHeight_ + spacing_);
    lines_ = WrapLines(text, font_, editorWidth);
    SliderScrollbar->setMaximum(static_cast<int>(lines_.size()));
    SliderScrollbar->setPageStep(2 * slots_ / 3);
    firstSlotY_ = Round(screen.height() / 4.0);
    connect(timer_, &QTimer::timeout, this, &TSliderForm::Tick);
    timer_->start(TrackBar1->value());
    connect(PlayToolButton, &QToolButton::clicked, this, &TSliderForm::PlayToolButtonClick);
    connect(TrackBar1, &QSlider::valueChanged, this, [this](int v) { SetInterval(v); });
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(SliderScrollbar, &QScrollBar::actionTriggered, this, [this] {
        topLine_ = SliderScrollbar->sliderPosition();
        firstSlotY_ = kBarHeight + 10;
        DrawPage();
    });
    // The text column below the control bar, left of the scroll bar. Its windows
    // are children of the dialog's own; create() makes that without marking the
    // dialog native, which winId() would, turning every widget of the main window native.
    create();
    column_ =
        std::make_unique<TSliderColumn>(this, QRect(0, kBarHeight, screen.width() - 16, screen.height() - kBarHeight),
                                        back_, kind.value_or(ColumnKindFor(QGuiApplication::platformName())));
}

TSliderForm::~TSliderForm() = default;

int TSliderForm::Interval() const { return pausedByPointer_ ? 0 : timer_->interval(); }
bool TSliderForm::TimerActive() const { return timer_->isActive() && !pausedByPointer_; }

int TSliderForm::SlotY(int slot) const { return (textHeight_ + spacing_) * (slot - 1) + firstSlotY_; }

QRect TSliderForm::SlotRect(int slot) const { return QRect(0, SlotY(slot), width(), textHeight_ + spacing_); }

int TSliderForm::LastWholeSlot() const { return (height() - firstSlotY_) / (spacing_ + textHeight_); }

void TSliderForm::DrawSlot(QPainter& p, int slot) const {
    const int y = SlotY(slot);
    const int line = topLine_ + slot - 1;
    if (line >= 0 && line < lines_.size()) {
        p.setPen(textColor_);
        p.drawText(QRect(margin_, y, width() - margin_, textHeight_), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                   lines_[line]);
    }
    p.setPen(lineColor_);
    p.drawLine(margin_ - 8, y + textHeight_ + 4, width() - margin_ + 8, y + textHeight_ + 4);
}

// Every slot wholly above the bottom edge; slots reaching above the column are cut by it.
void TSliderForm::DrawPage() {
    const int last = LastWholeSlot();
    column_->Restart([&](QPainter& p) {
        p.setFont(font_);
        for (int slot = 1; slot <= last; ++slot) DrawSlot(p, slot);
    });
    drawnLine_ = topLine_ + last - 1;
}

// Outside the text column there is only the background.
void TSliderForm::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.fillRect(event->rect(), back_);
}

void TSliderForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    DrawPage();
}

void TSliderForm::Tick() {
    const bool moved = column_->ScrollUp();  // the column moves up one pixel
    --firstSlotY_;
    if (firstSlotY_ + spacing_ + textHeight_ <= 0) {
        firstSlotY_ = 0;
        ++topLine_;
        SliderScrollbar->setValue(topLine_);
    }
    if (!moved) {
        DrawPage();  // the column ran out of rows below the visible part
        return;
    }
    // A line is drawn once, when its whole slot has come into view at the bottom.
    const int k = LastWholeSlot();
    if (topLine_ + k - 1 == drawnLine_) return;
    drawnLine_ = topLine_ + k - 1;
    const QRect slot = SlotRect(k);
    column_->Paint(slot, [&](QPainter& p) {
        p.fillRect(slot, back_);
        p.setFont(font_);
        DrawSlot(p, k);
    });
}

void TSliderForm::Jump(int newTopLine) {
    topLine_ = std::max(0, newTopLine);
    firstSlotY_ = kBarHeight + 10;
    SliderScrollbar->setValue(topLine_);
    DrawPage();
}

QImage TSliderForm::Shown() const {
    QImage picture = const_cast<TSliderForm*>(this)->grab().toImage();
    QPainter p(&picture);
    p.drawImage(column_->Area().topLeft(), column_->Shown());
    return picture;
}

void TSliderForm::SetInterval(int ms) {
    timer_->setInterval(ms);  // never restarts a timer the button stopped
}

void TSliderForm::PlayToolButtonClick() {
    if (PlayToolButton->isChecked()) {
        PlayToolButton->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
        timer_->stop();
    } else {
        PlayToolButton->setIcon(style()->standardIcon(QStyle::SP_MediaPause));
        timer_->start(TrackBar1->value());
    }
}

void TSliderForm::PointerMoved(const QPoint& pos) {
    if (MouseControl->isChecked()) {
        const int interval = Round(static_cast<double>(height() - pos.y()) / height() * 70) + 1;
        TrackBar1->setValue(interval);  // clamped to 1..70
        SetInterval(TrackBar1->value());
    }
    // The right edge pauses until the pointer comes back; the button stays as it is.
    const bool right = pos.x() > width() * 0.96;
    if (right != pausedByPointer_) {
        pausedByPointer_ = right;
        if (PlayToolButton->isChecked()) return;
        if (right)
            timer_->stop();
        else
            timer_->start(TrackBar1->value());
    }
}

void TSliderForm::mouseMoveEvent(QMouseEvent* event) { PointerMoved(event->position().toPoint()); }

void TSliderForm::keyPressEvent(QKeyEvent* event) {
    const int count = static_cast<int>(lines_.size());
    auto jump = [&](int target) {
        if (target > count) return;  // beyond the end: the page stays
        Jump(target);
    };
    switch (event->key()) {
    case Qt::Key_PageUp:
        if (topLine_ > 0) jump(std::max(0, topLine_ - slots_));
        break;
    case Qt::Key_PageDown:
        jump(topLine_ + slots_);
        break;
    case Qt::Key_Up:
        if (topLine_ > 0) jump(topLine_ - 1);
        break;
    case Qt::Key_Down:
        jump(topLine_ + 1);
        break;
    default:
        break;  // every key is consumed
    }
}

void TSliderForm::WheelTurned(int delta) {
    if (++wheelCounter_ % 3 != 0) return;
    const int count = static_cast<int>(lines_.size());
    if (delta < 0) {
        if (topLine_ + 1 <= count) Jump(topLine_ + 1);
    } else if (topLine_ - 1 < 0) {
        topLine_ = 0;  // nothing is redrawn
    } else {
        Jump(topLine_ - 1);
    }
}

void TSliderForm::wheelEvent(QWheelEvent* event) { WheelTurned(event->angleDelta().y()); }

void TSliderForm::done(int result) {
    settings_.MouseControl = MouseControl->isChecked();
    settings_.PlaySpeed = TrackBar1->value();
    timer_->stop();
    QDialog::done(result);
}

}  // namespace qbx
