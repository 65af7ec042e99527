#include "FontColorDialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace qbx {

TFontColorDialog::TFontColorDialog(const QFont& font, const QColor& color, QWidget* parent)
    : QDialog(parent),
      fonts_(new QFontDialog(font, this)),
      colorButton_(new QPushButton(tr("&Color..."), this)),
      sample_(new QLabel(tr("AaBbYyZz"), this)) {
    setObjectName(QStringLiteral("FontColorDialog"));
    setWindowTitle(tr("Font"));
    // The font page lives inside this dialog: no window, no buttons of its own.
    fonts_->setOptions(QFontDialog::DontUseNativeDialog | QFontDialog::NoButtons);
    fonts_->setWindowFlags(Qt::Widget);
    fonts_->setSizeGripEnabled(false);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(colorButton_, &QPushButton::clicked, this, [this] {
        const QColor c = QColorDialog::getColor(color_, this);
        if (c.isValid()) SetColor(c);
    });
    connect(fonts_, &QFontDialog::currentFontChanged, this, &TFontColorDialog::UpdateSample);

    auto* colorRow = new QHBoxLayout;
    colorRow->addWidget(colorButton_);
    colorRow->addWidget(sample_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fonts_, 1);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);
    SetColor(color);
}

QFont TFontColorDialog::SelectedFont() const { return fonts_->currentFont(); }

void TFontColorDialog::SetColor(const QColor& color) {
    color_ = color;
    QPixmap swatch(16, 16);
    swatch.fill(color);
    colorButton_->setIcon(QIcon(swatch));
    UpdateSample();
}

void TFontColorDialog::UpdateSample() {
    QFont f = fonts_->currentFont();
    f.setPointSizeF(std::min(f.pointSizeF(), 24.0));  // a large pick must not stretch the dialog
    sample_->setFont(f);
    QPalette p = sample_->palette();
    p.setColor(QPalette::WindowText, color_);
    sample_->setPalette(p);
}

}  // namespace qbx
