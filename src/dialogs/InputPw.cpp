#include "InputPw.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include "controls/ZqLabel.h"
#include "settings/QbxConst.h"
#include "settings/RegUnit.h"

namespace qbx {

TInPwForm::TInPwForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("InPwForm"));
    setFixedSize(225, 109);
    InputLabel = new TZqLabel(this);
    InputLabel->setObjectName(QStringLiteral("InputLabel"));
    InputLabel->setGeometry(12, 8, 200, 20);
    InputLabel->Transparent = true;
    Edit = new QLineEdit(this);
    Edit->setObjectName(QStringLiteral("Edit"));
    Edit->setGeometry(12, 32, 200, 22);
    Edit->setMaxLength(11);
    Edit->setEchoMode(QLineEdit::Password);
    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(8, 64, 209, 4);
    CancelSpeedButton =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("取消(&O)"), this);
    CancelSpeedButton->setObjectName(QStringLiteral("CancelSpeedButton"));
    CancelSpeedButton->setGeometry(16, 74, 90, 26);
    OkSpeedButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("确认(&O)"), this);
    OkSpeedButton->setObjectName(QStringLiteral("OkSpeedButton"));
    OkSpeedButton->setGeometry(119, 74, 90, 26);
    for (QPushButton* b : {CancelSpeedButton, OkSpeedButton}) {
        b->setFlat(true);
        b->setAutoDefault(false);
    }
    connect(OkSpeedButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelSpeedButton, &QPushButton::clicked, this, &TInPwForm::CancelAndEmpty);
    setWindowTitle(Message(1));
    InputLabel->setText(Message(19));
    ApplyLanguage(this);
    Edit->setFocus();
}

void TInPwForm::CancelAndEmpty() {
    Edit->clear();
    reject();
}

void TInPwForm::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        accept();
        return;
    case Qt::Key_Escape:
        CancelAndEmpty();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

}  // namespace qbx
