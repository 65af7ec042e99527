// Opening and closing documents, the two view states, the Open and Close
// commands and the start-up document.
#include "MainFun.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>

#include "ContentsModel.h"
#include "MainUnit.h"
#include "controls/Interaction.h"
#include "controls/ZqLabel.h"
#include "dialogs/InputPw.h"
#include "document/BookOffset.h"
#include "document/QbxText.h"
#include "settings/QbxConst.h"
#include "text/CodePageText.h"
#include "text/ProgressiveLoader.h"

namespace qbx {

std::unique_ptr<TQbxObject> CurrentDocument;

QString DateText(double oleDate) {
    const auto p = OleDateToParts(oleDate);
    if (!p) return {};
    return QLocale::system().toString(QDate(p->year, p->month, p->day), QLocale::ShortFormat);
}

QString DateTimeText(double oleDate) {
    const auto p = OleDateToParts(oleDate);
    if (!p) return {};
    QString text = DateText(oleDate);
    if (p->hour || p->minute || p->second)
        text += u' ' + QLocale::system().toString(QTime(p->hour, p->minute, p->second), QLocale::LongFormat);
    return text;
}

void TQbxForm::OpenDocument(const QString& fileName, int64_t baseOffset) {
    if (!QFileInfo(fileName).isFile()) {
        Interaction().Message(this, Message(35), Message(32), QMessageBox::Warning);
        return;
    }
    auto doc = std::make_unique<TQbxObject>(fileName.toStdString(), baseOffset);
    if (!doc->IsOpen()) {
        Interaction().Message(this, Message(34), Message(32), QMessageBox::Warning);
        return;
    }
    const std::string password = doc->PasswordText();
    if (!password.empty()) {  // one attempt
        TInPwForm dialog(this);
        if (Interaction().Exec(&dialog) == QDialog::Rejected) return;
        if (UnicodeToCp936(dialog.Edit->text()).toStdString() != password) {
            Interaction().Message(this, Message(31), Message(1), QMessageBox::Critical);
            return;
        }
    }
    CurrentDocument = std::move(doc);
    EnableView();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    struct RestoreCursor {
        ~RestoreCursor() { QApplication::restoreOverrideCursor(); }
    } restore;
    BuildTree();
    findChild<QLineEdit*>(QStringLiteral("DbAuthorEdit"))->setText(Cp936ToUnicode(CurrentDocument->AuthorText()));
    findChild<QLineEdit*>(QStringLiteral("DbBuildDateEdit"))->setText(DateText(CurrentDocument->Header.BuildDate));
    findChild<QLineEdit*>(QStringLiteral("DbEditDateEdit"))->setText(DateText(CurrentDocument->Header.EditDate));
    TreeView->selectionModel()->clear();
}

void TQbxForm::CloseDocument() {
    CurrentDocument.reset();
    SearchListBox->clear();
    TreeView->selectionModel()->clear();
    Contents->Clear();
    BodyLoader->Cancel();
    RichEdit->clear();
    ListView->clear();
    RightPageControl->setTabText(RightPageControl->indexOf(findChild<QWidget*>(QStringLiteral("AttachFileTabSheet"))),
                                 Message(5));
    for (const char* name : {"DbAuthorEdit", "DbBuildDateEdit", "DbEditDateEdit", "ContextAuthorEdit",
                             "ContextPubDateEdit", "ContextIndexEdit"})
        findChild<QLineEdit*>(QString::fromLatin1(name))->clear();
    for (QRadioButton* r : ContextTypeRadioGroup->findChildren<QRadioButton*>()) {
        r->setAutoExclusive(false);
        r->setChecked(false);
        r->setAutoExclusive(true);
    }
    ResetView();
}

void TQbxForm::ResetView() {
    RichEdit->setEnabled(false);
    TreeView->setEnabled(false);
    ListView->setEnabled(false);
    GoSpeedBtn->setEnabled(false);
    EnableDocumentActions(false);
    TitleLabel->setText(Message(1) + u' ' + QString::fromLatin1(kVersionText));
    Edit1->setEnabled(false);
    PrevSpeedButton->setEnabled(false);
    NextSpeedButton->setEnabled(false);
    for (QAction* a : Menu(QStringLiteral("togglebookmark"))->actions() + Menu(QStringLiteral("gobookmark"))->actions())
        a->setEnabled(false);
    if (QAction* e = findChild<QAction*>(QStringLiteral("ExporttoNormalMenuitem"))) e->setEnabled(false);
}

void TQbxForm::EnableView() {
    GoSpeedBtn->setEnabled(true);
    RichEdit->setEnabled(true);
    TreeView->setEnabled(true);
    ListView->setEnabled(true);
    TitleLabel->setText(QString());
    EnableDocumentActions(true);
    Edit1->setEnabled(true);
    PrevSpeedButton->setEnabled(true);
    NextSpeedButton->setEnabled(true);
    for (QAction* a : Menu(QStringLiteral("togglebookmark"))->actions() + Menu(QStringLiteral("gobookmark"))->actions())
        a->setEnabled(true);
}

void TQbxForm::SetDocumentCaption(const QString& path, bool readOnlyMark) {
    setWindowTitle(Message(1) + QStringLiteral(" - ") + path + (readOnlyMark ? Message(18) : QString()));
}

void TQbxForm::OpenMenuItemClick() {
    const QString path = Interaction().OpenFileName(this, Message(4), lastFolder_, Message(2));
    if (path.isEmpty()) return;
    lastFolder_ = QFileInfo(path).absolutePath();
    CloseDocument();
    OpenDocument(path, 0);
    if (CurrentDocument) {
        SetDocumentCaption(path, true);
        Mru->Add(path);
    } else {
        setWindowTitle(Message(1));
    }
}

// Opens `path` in place of the open document, as the recent files and the favourite do.
static void OpenInstead(TQbxForm& form, const QString& path) {
    if (CurrentDocument && QString::fromStdString(CurrentDocument->FileName) == path) return;
    form.CloseDocument();
    if (!path.isEmpty()) form.OpenDocument(path, 0);
    if (CurrentDocument) {
        form.SetDocumentCaption(path, true);
        form.Mru->Add(path);
    } else {
        form.setWindowTitle(Message(1));  // a path that failed stays in the list
    }
}

void TQbxForm::ListMenuItemClick(int tag) { OpenInstead(*this, Mru->Item(tag - 1)); }

void TQbxForm::MyLoveMenuItemClick() { OpenInstead(*this, AppIni->MyLoveFile); }

void TQbxForm::UpdateFavouriteItems(bool visible) {
    QAction* item = findChild<QAction*>(QStringLiteral("MyLoveMenuItem"));
    QAction* button = findChild<QAction*>(QStringLiteral("MyLoveToolButton"));
    const bool set = AppIni && !AppIni->MyLoveFile.isEmpty();
    if (item) {
        item->setVisible(visible);
        item->setEnabled(set);
    }
    if (button) button->setEnabled(set);  // the button stays visible in any case
    if (QAction* sep = findChild<QAction*>(QStringLiteral("MyLoveNextMenuItem"))) sep->setVisible(visible);
}

void TQbxForm::CloseMenuItemClick() {
    CloseDocument();
    setWindowTitle(Message(1));
}

void TQbxForm::OpenStartupDocument(const QStringList& arguments, const QString& executablePath) {
    if (arguments.size() == 1) {
        // A book made on Windows given as the argument opens at its document too.
        OpenDocument(arguments[0], DocumentBaseOffset(arguments[0].toStdString()));
        if (CurrentDocument) {
            SetDocumentCaption(arguments[0], false);
            Mru->Add(arguments[0]);
        }
        show();
        return;
    }
    if (const auto offset = BookDocumentOffset(executablePath.toStdString())) {
        OpenDocument(executablePath, *offset);
        if (CurrentDocument) {
            SetDocumentCaption(executablePath, false);
            return;
        }
    }
    if (AppIni->LoadNearFile && !AppIni->NearFile.isEmpty()) {
        OpenDocument(AppIni->NearFile, DocumentBaseOffset(AppIni->NearFile.toStdString()));
        if (CurrentDocument) {
            SetDocumentCaption(AppIni->NearFile, false);
            return;
        }
    }
    CloseDocument();
}

}  // namespace qbx
