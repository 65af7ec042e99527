#include "Nowrun.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "settings/QbxConst.h"
#include "settings/RegUnit.h"

namespace qbx {

TNowRuningForm::TNowRuningForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("NowRuningForm"));
    setModal(false);
    setFixedSize(300, 126);
    QFont f(QStringLiteral("宋体"));
    f.setPixelSize(13);
    setFont(f);
    nowsearchlabel = new QLabel(this);
    nowsearchlabel->setObjectName(QStringLiteral("nowsearchlabel"));
    nowsearchlabel->setGeometry(12, 12, 277, 65);
    nowsearchlabel->setWordWrap(true);
    QFont lf = f;
    lf.setPixelSize(12);
    nowsearchlabel->setFont(lf);
    CancelButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("取 消"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setGeometry(178, 90, 93, 29);
    CancelButton->setFlat(true);
    connect(CancelButton, &QPushButton::clicked, this, &QWidget::hide);
    setWindowTitle(Message(17));
    ApplyLanguage(this);
}

}  // namespace qbx
