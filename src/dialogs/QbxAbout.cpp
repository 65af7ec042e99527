#include "QbxAbout.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

#include "controls/Interaction.h"
#include "controls/ZqLabel.h"
#include "settings/QbxConst.h"
#include "settings/RegUnit.h"
#include "shell/ShellUnit.h"

namespace qbx {
namespace {

// A small picture of an open book for the about box.
QPixmap BookPicture() {
    QPixmap p(36, 48);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(QColor(90, 60, 30), 1.5));
    g.setBrush(QColor(160, 40, 40));
    g.drawRoundedRect(QRectF(3, 4, 30, 40), 3, 3);
    g.setBrush(QColor(250, 245, 230));
    g.drawRect(QRectF(7, 8, 22, 32));
    g.setPen(QColor(120, 120, 120));
    for (int y = 14; y < 38; y += 5) g.drawLine(10, y, 26, y);
    return p;
}

TZqLabel* CentredLabel(const QString& name, const QString& text, int top, QWidget* parent) {
    auto* label = new TZqLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignHCenter);
    label->setGeometry(8, top, 217, 22);
    return label;
}

}  // namespace

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("版权信息"));
    setFixedSize(298, 222);
    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel2->setLineWidth(2);
    Panel2->setGeometry(0, 0, 298, 222);
    Panel1 = new QFrame(Panel2);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setGeometry(9, 9, 281, 169);
    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(230, 12, 36, 48);
    Image1->setPixmap(BookPicture());

    myLabel1 = CentredLabel(QStringLiteral("myLabel1"), QStringLiteral("Quirebox 阅读器"), 24, Panel1);
    QFont big = myLabel1->font();
    big.setPointSize(big.pointSize() + 3);
    big.setBold(true);
    myLabel1->setFont(big);
    myLabel2 = CentredLabel(QStringLiteral("myLabel2"), QString::fromLatin1(kVersionText), 58, Panel1);
    myLabel3 = CentredLabel(QStringLiteral("myLabel3"), QStringLiteral("感谢所有帮助过 Quirebox 的朋友"), 96, Panel1);
    myLabel3->SetFontColor(QColor(128, 0, 0));
    myLabel3->setGeometry(8, 96, 265, 22);
    ZqLabel1 =
        CentredLabel(QStringLiteral("ZqLabel1"), QStringLiteral("献给 quirebox.example.org 的读者"), 132, Panel1);
    ZqLabel1->setGeometry(8, 132, 265, 22);
    ZqLabel1->LinkType = true;
    ZqLabel1->setToolTip(QStringLiteral("Welcome to visit our web"));
    connect(ZqLabel1, &TZqLabel::clicked, this, [] { Interaction().OpenUrl(QUrl(QString::fromLatin1(kHomePageUrl))); });

    OkSpeedButton =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("确认(&O)"), Panel2);
    OkSpeedButton->setObjectName(QStringLiteral("OkSpeedButton"));
    OkSpeedButton->setGeometry(117, 187, 79, 25);
    OkSpeedButton->setFlat(true);
    OkSpeedButton->setAutoDefault(false);
    connect(OkSpeedButton, &QPushButton::clicked, this, &QDialog::accept);

    myLabel2->setText(QString::fromLatin1(kVersionText));
    ApplyLanguage(this);
}

void TAboutForm::MakeSplash() {
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    OkSpeedButton->hide();
    const int height = Panel1->y() + Panel1->height() + 10;
    setFixedSize(width(), height);
    Panel2->resize(width(), height);
}

void TAboutForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    if (event->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(event);
}

}  // namespace qbx
