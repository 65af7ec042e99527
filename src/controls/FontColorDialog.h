// A font dialog that also picks the text colour: Qt's font dialog embedded
// as a page, with a colour button and a sample beside it.
#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>

class QFontDialog;
class QLabel;
class QPushButton;

namespace qbx {

class TFontColorDialog : public QDialog {
    Q_OBJECT
public:
    TFontColorDialog(const QFont& font, const QColor& color, QWidget* parent = nullptr);

    QFont SelectedFont() const;
    QColor SelectedColor() const { return color_; }
    void SetColor(const QColor& color);

private:
    void UpdateSample();

    QFontDialog* fonts_;
    QPushButton* colorButton_;
    QLabel* sample_;
    QColor color_;
};

}  // namespace qbx
