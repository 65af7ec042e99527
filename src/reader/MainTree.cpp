// The contents tree: building it, the password checks before a selection or
// an expansion, node display, previous/next and the ten bookmarks.
#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QTreeView>
#include <QTreeWidget>

#include "ContentsModel.h"
#include "GuardedSelection.h"
#include "MainFun.h"
#include "MainUnit.h"
#include "StatusPanels.h"
#include "controls/Interaction.h"
#include "controls/ZqLabel.h"
#include "dialogs/InputPw.h"
#include "document/QbxText.h"
#include "settings/QbxConst.h"
#include "shell/ShellUnit.h"
#include "text/CodePageText.h"
#include "text/ContentLoader.h"
#include "text/FindText.h"
#include "text/ProgressiveLoader.h"

namespace qbx {

void TQbxForm::BuildTree() {
    std::vector<uint8_t> text, entries;
    CurrentDocument->ReadCatalog(text, entries);
    TQbxCatalog catalog = BuildCatalog(std::move(text), entries);
    CurrentDocument->RecycleBinNode = catalog.RecycleBin;
    Contents->SetCatalog(std::move(catalog));
    ApplyBookmarkMarks();
}

void TQbxForm::ApplyBookmarkMarks() {
    const QList<QAction*> set = Menu(QStringLiteral("togglebookmark"))->actions();
    const QList<QAction*> go = Menu(QStringLiteral("gobookmark"))->actions();
    for (int slot = 1; slot <= 10; ++slot) {
        const int32_t b = CurrentDocument ? CurrentDocument->Header.Bookmarks[slot - 1] : -1;
        const bool valid = b >= 0 && b < Contents->Count();  // -1 or beyond the last node is no bookmark
        if (valid) Contents->SetBookmarkMark(b, true);
        set[slot - 1]->setChecked(valid);
        go[slot - 1]->setChecked(valid);
    }
}

// Asks for a node's password once per opening; the recycle bin never asks.
bool TQbxForm::PasswordGiven(int absolute) {
    if (!CurrentDocument || absolute < 0 || Contents->Unlocked(absolute) || Contents->IsRecycleBin(absolute))
        return true;
    const std::string password = CurrentDocument->ReadNodePassword(Contents->RecordPosition(absolute));
    if (password.empty()) return true;
    TInPwForm dialog(this);
    const bool cancelled = Interaction().Exec(&dialog) == QDialog::Rejected;
    // The text is compared however the dialog closed: the close box leaves it as typed.
    const bool match = UnicodeToCp936(dialog.Edit->text()).toStdString() == password;
    if (match) Contents->SetUnlocked(absolute);
    if (cancelled) return false;
    if (!match) {
        Interaction().Message(this, Message(31), Message(1), QMessageBox::Warning);
        return false;
    }
    return true;
}

bool TQbxForm::TreeViewChanging(const QModelIndex& node) { return PasswordGiven(Contents->AbsoluteIndex(node)); }

bool TQbxForm::TreeViewExpanding(const QModelIndex& node) {
    return expandingForSelection_ || PasswordGiven(Contents->AbsoluteIndex(node));
}

void TQbxForm::ClearNodeDisplay() {
    for (const char* name : {"ContextAuthorEdit", "ContextPubDateEdit", "ContextIndexEdit"})
        findChild<QLineEdit*>(QString::fromLatin1(name))->clear();
    ContextTypeRadioGroup->findChildren<QRadioButton*>().value(1)->setChecked(true);
    BodyLoader->Cancel();
    RichEdit->clear();
    ListView->clear();
    RightPageControl->setTabText(RightPageControl->indexOf(findChild<QWidget*>(QStringLiteral("AttachFileTabSheet"))),
                                 Message(5));
}

void TQbxForm::TreeViewChange(const QModelIndex& node) {
    if (!CurrentDocument) return;
    NodeChanged = true;
    const int absolute = Contents->AbsoluteIndex(node);
    if (absolute < 0) {
        ClearNodeDisplay();  // the title label and the status bar stay
        return;
    }
    CurrentDocument->ReadNode(Contents->RecordPosition(absolute));
    const TNodeRecord record = CurrentDocument->Node;
    if (record.ContentFlag == 0) {
        BodyLoader->Cancel();
        RichEdit->clear();
    } else if (record.ContentFlag == 1) {
        BodyLoader->Cancel();
        RichEdit->clear();
        std::vector<uint8_t> body;
        CurrentDocument->ReadNodeContent(body);  // right after ReadNode, nothing in between
        BodyLoader->Start(RichEdit->document(), {reinterpret_cast<const char*>(body.data()), body.size()});
        RichEdit->moveCursor(QTextCursor::Start);
        if (PendingHighlight && LastSearchKind > 1) {
            BodyLoader->Finish();  // the hit may lie beyond the first screen
            ApplyResultHighlight();
        }
    }

    ListView->clear();
    if (record.AttachPos != 0)
        for (const TAttachmentItem& a : CurrentDocument->LoadAttachmentList(record.AttachPos)) {
            auto* item = new QTreeWidgetItem(ListView);
            item->setText(0, Cp936ToUnicode(a.Name));
            item->setIcon(0, FileIcon(QString::fromStdString(a.Extension)));
            item->setText(1, QString::fromStdString(a.SizeText));
            item->setText(2, FileTypeName(Cp936ToUnicode(a.Extension)));
            item->setText(3, DateTimeText(a.SaveTime));
            item->setData(0, Qt::UserRole, a.DataPos);
            item->setData(1, Qt::UserRole, QVariant::fromValue(static_cast<qulonglong>(a.Key)));
            item->setData(2, Qt::UserRole, a.Size);
        }
    const int count = ListView->topLevelItemCount();
    RightPageControl->setTabText(RightPageControl->indexOf(findChild<QWidget*>(QStringLiteral("AttachFileTabSheet"))),
                                 count > 0 ? Message(5) + QStringLiteral("(%1)").arg(count) : Message(5));

    findChild<QLineEdit*>(QStringLiteral("ContextAuthorEdit"))->setText(Cp936ToUnicode(FieldText(record.Author)));
    findChild<QLineEdit*>(QStringLiteral("ContextPubDateEdit"))->setText(DateTimeText(record.PubDate));
    findChild<QLineEdit*>(QStringLiteral("ContextIndexEdit"))->setText(Cp936ToUnicode(FieldText(record.Keyword)));
    const QList<QRadioButton*> kinds = ContextTypeRadioGroup->findChildren<QRadioButton*>();
    const int kind = std::min<int>(Contents->Catalog().Nodes[static_cast<size_t>(absolute)].IconIndex - 1, 2);
    for (QRadioButton* r : kinds) r->setAutoExclusive(kind >= 0);
    for (int i = 0; i < kinds.size(); ++i) kinds[i]->setChecked(i == kind);
    for (QRadioButton* r : kinds) r->setAutoExclusive(true);
    TitleLabel->setText(Contents->NodeText(absolute));
    StatusPanels->update();
}

// The search's hit: the searched text selected in the body.
void TQbxForm::ApplyResultHighlight() {
    RichEdit->setEnabled(true);
    PendingHighlight = false;
    QTextDocument* doc = RichEdit->document();
    const QString text = doc->toRawText();
    const qsizetype at = FindText(text, LastSearchText, 0, text.size());
    if (at < 0) return;
    QTextCursor c(doc);
    c.setPosition(static_cast<int>(at));
    c.setPosition(static_cast<int>(at + LastSearchText.size()), QTextCursor::KeepAnchor);
    RichEdit->setTextCursor(c);
    if (RightPageControl->currentWidget() == RichEdit->parentWidget()) RichEdit->setFocus();
}

int TQbxForm::SelectedNode() const { return Contents->AbsoluteIndex(TreeView->selectionModel()->currentIndex()); }

void TQbxForm::SelectNode(int absolute) {
    const QModelIndex index = Contents->IndexOf(absolute);
    if (!index.isValid()) return;
    TreeView->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    if (TreeView->selectionModel()->currentIndex() != index) return;  // refused
    expandingForSelection_ = true;  // the ancestors' passwords are not asked when a node is selected directly
    for (QModelIndex p = index.parent(); p.isValid(); p = p.parent()) TreeView->expand(p);
    expandingForSelection_ = false;
    TreeView->scrollTo(index);
}

void TQbxForm::PrevSpeedButtonClick() {
    const QWidget* tab = LeftPageControl->currentWidget();
    if (tab->objectName() == QLatin1String("IndexTabSheet")) {
        const int node = SelectedNode();
        if (node > 0) SelectNode(node - 1);  // catalog order is the pre-order walk
    } else if (tab->objectName() == QLatin1String("SearchTabSheet")) {
        auto* list = findChild<QListWidget*>(QStringLiteral("SearchListBox"));
        if (!list || list->count() == 0) return;
        if (list->currentRow() > 0) list->setCurrentRow(list->currentRow() - 1);
        if (QListWidgetItem* item = list->currentItem()) SelectNode(item->data(Qt::UserRole).toInt());
    }
}

void TQbxForm::NextSpeedButtonClick() {
    const QWidget* tab = LeftPageControl->currentWidget();
    if (tab->objectName() == QLatin1String("IndexTabSheet")) {
        const int node = SelectedNode();
        if (node >= 0 && node + 1 < Contents->Count()) SelectNode(node + 1);
    } else if (tab->objectName() == QLatin1String("SearchTabSheet")) {
        auto* list = findChild<QListWidget*>(QStringLiteral("SearchListBox"));
        if (!list || list->count() == 0) return;
        if (list->currentRow() < 0)
            list->setCurrentRow(0);
        else if (list->currentRow() < list->count() - 1)
            list->setCurrentRow(list->currentRow() + 1);
        if (QListWidgetItem* item = list->currentItem()) SelectNode(item->data(Qt::UserRole).toInt());
    }
}

void TQbxForm::setbookmark(int slot) {
    const int node = SelectedNode();
    if (!CurrentDocument || node < 0) return;
    QAction* set = Menu(QStringLiteral("togglebookmark"))->actions()[slot - 1];
    QAction* go = Menu(QStringLiteral("gobookmark"))->actions()[slot - 1];
    int32_t& stored = CurrentDocument->Header.Bookmarks[slot - 1];
    // The menu item's tick was toggled by the click; the slot's state decides.
    if (stored >= 0 && stored < Contents->Count()) {
        Contents->SetBookmarkMark(stored, false);  // also when another slot still points there
        stored = -1;
    } else {
        stored = node;
        Contents->SetBookmarkMark(node, true);
    }
    const bool ticked = stored >= 0;
    set->setChecked(ticked);
    go->setChecked(ticked);
}

void TQbxForm::gotobookmark(int slot) {
    if (!CurrentDocument) return;
    const int32_t stored = CurrentDocument->Header.Bookmarks[slot - 1];
    Menu(QStringLiteral("gobookmark"))->actions()[slot - 1]->setChecked(stored >= 0 && stored < Contents->Count());
    if (stored >= 0 && stored < Contents->Count()) SelectNode(stored);
}

}  // namespace qbx
