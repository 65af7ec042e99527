#include "AttachpropertyUnit.h"

#include <QAction>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "settings/RegUnit.h"

namespace qbx {
namespace {

QLabel* Label(QWidget* parent, const char* name, const QString& text, int x, int y, int w) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(x, y, w, 18);
    return l;
}

}  // namespace

TAttachmentpropertyForm::TAttachmentpropertyForm(const Item& item, QAction* saveAs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("AttachmentpropertyForm"));
    setWindowTitle(QStringLiteral("附件属性"));
    resize(319, 211);
    IconImage = new QLabel(this);
    IconImage->setObjectName(QStringLiteral("IconImage"));
    IconImage->setGeometry(16, 12, 32, 32);
    IconImage->setPixmap(item.icon.pixmap(32, 32));
    FilenameLabel = Label(this, "FilenameLabel", item.name, 60, 20, 245);
    QFont big = FilenameLabel->font();
    big.setPixelSize(13);
    FilenameLabel->setFont(big);
    auto* bevel1 = new QFrame(this);
    bevel1->setObjectName(QStringLiteral("Bevel1"));
    bevel1->setFrameShape(QFrame::HLine);
    bevel1->setGeometry(8, 52, 303, 4);
    Label(this, "Label1", QStringLiteral("文件类型："), 16, 66, 80);
    FileTypeLabel = Label(this, "FileTypeLabel", item.typeName, 100, 66, 205);
    Label(this, "Label2", QStringLiteral("文件大小："), 16, 92, 80);
    FileSizeLabel = Label(this, "FileSizeLabel", item.sizeText, 100, 92, 205);
    Label(this, "Label3", QStringLiteral("收录时间："), 16, 118, 80);
    FileTimeLabel = Label(this, "FileTimeLabel", item.timeText, 100, 118, 205);
    auto* bevel2 = new QFrame(this);
    bevel2->setObjectName(QStringLiteral("Bevel2"));
    bevel2->setFrameShape(QFrame::HLine);
    bevel2->setGeometry(8, 146, 303, 4);
    OpenSpeedButton = new QPushButton(QStringLiteral("打开附件"), this);
    OpenSpeedButton->setObjectName(QStringLiteral("OpenSpeedButton"));
    OpenSpeedButton->setGeometry(12, 164, 96, 27);
    SaveasSpeedButton = new QPushButton(saveAs->text(), this);
    SaveasSpeedButton->setObjectName(QStringLiteral("SaveasSpeedButton"));
    SaveasSpeedButton->setGeometry(114, 164, 96, 27);
    CancelSpeedButton =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("取消"), this);
    CancelSpeedButton->setObjectName(QStringLiteral("CancelSpeedButton"));
    CancelSpeedButton->setGeometry(216, 164, 90, 27);
    for (QPushButton* b : {OpenSpeedButton, SaveasSpeedButton, CancelSpeedButton}) {
        b->setFlat(true);
        b->setAutoDefault(false);
    }
    connect(OpenSpeedButton, &QPushButton::clicked, this, &TAttachmentpropertyForm::OpenRequested);
    connect(SaveasSpeedButton, &QPushButton::clicked, saveAs, &QAction::trigger);  // the dialog stays open
    connect(CancelSpeedButton, &QPushButton::clicked, this, &QDialog::reject);
    ApplyLanguage(this);
}

void TAttachmentpropertyForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace qbx
