// The status bar's three panels (100, 150 and 282 pixels): node count, text
// length and the caret position or the current long hint, each drawn with a
// white copy one pixel right and below.
#pragma once

#include <QWidget>
#include <functional>

namespace qbx {

class TStatusPanels : public QWidget {
public:
    static constexpr int kWidths[3] = {100, 150, 282};
    // `text(panel)` gives a panel's text; `ready()` is false until the window
    // has been created, and nothing is drawn before.
    TStatusPanels(std::function<QString(int)> text, std::function<bool()> ready, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QRect PanelRect(int panel) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<QString(int)> text_;
    std::function<bool()> ready_;
};

}  // namespace qbx
