// The search tab: title, keyword, local and full-text searches, the history
// and the result list.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QSlider>
#include <QTextEdit>
#include <QTreeView>

#include "ContentsModel.h"
#include "MainFun.h"
#include "MainUnit.h"
#include "controls/Interaction.h"
#include "dialogs/Nowrun.h"
#include "document/QbxSearch.h"
#include "document/QbxText.h"
#include "settings/QbxConst.h"
#include "text/BodyText.h"
#include "text/CodePageText.h"
#include "text/TextSearch.h"

namespace qbx {
namespace {

enum SearchKind { kTitle = 0, kKeyword = 1, kLocal = 2, kFullText = 3 };

}  // namespace

void TQbxForm::SearchTrackBarChange(int position) {
    searchIndex_ = std::clamp(position, 0, 3);
    RelabelSearchMode();  // the label only; no search starts
}

void TQbxForm::GoSpeedBtnClick() {
    if (searching_ || !CurrentDocument) return;  // one search at a time
    const QString text = Edit1->currentText();
    if (text.isEmpty()) return;
    if (Edit1->findText(text, Qt::MatchFixedString) < 0) Edit1->insertItem(0, text);  // no case, no duplicates
    Edit1->setEditText(text);
    LastSearchText = text;
    LastSearchKind = SearchTrackBar->value();
    SearchListBox->clear();

    const int count = Contents->Count();
    int first = 0, end = count;
    if (LastSearchKind == kLocal) {
        const int selected = SelectedNode();
        if (selected < 0) {
            Interaction().Message(this, Message(24), Message(22), QMessageBox::Warning);
            return;
        }
        if (Contents->Catalog().Nodes[static_cast<size_t>(selected)].FirstChild < 0) {
            Interaction().Message(this, Message(23), Message(22), QMessageBox::Warning);
            return;
        }
        first = selected + 1;  // the selected node itself is not searched
        end = Contents->Catalog().SubtreeEnd(selected);
    }

    auto addHit = [this](int node) {
        auto* item = new QListWidgetItem(Contents->NodeText(node), SearchListBox);
        item->setData(Qt::UserRole, node);
    };

    if (LastSearchKind == kTitle) {
        const std::string needle = AsciiLower(UnicodeToCp936(text).toStdString());
        const std::string bin = UnicodeToCp936(Message(25)).toStdString();
        for (int i = 0; i < count; ++i) {
            const std::string_view title =
                Contents->IsRecycleBin(i) ? std::string_view(bin) : Contents->Catalog().Title(i);
            if (ContainsAsciiCaseless(title, needle)) addHit(i);
        }
    } else {
        // The walk keeps the window responsive and stops when the progress window is hidden.
        searching_ = true;
        TNowRuningForm progress(this);
        progress_ = &progress;
        progress.show();
        // Also when a read error ends the walk: the progress window goes, the view is reset.
        struct End {
            TQbxForm* form;
            TNowRuningForm& progress;
            ~End() {
                progress.hide();
                form->progress_ = nullptr;
                form->searching_ = false;
                if (std::uncaught_exceptions() > 0) {
                    form->TreeView->selectionModel()->clear();
                    form->RichEdit->clear();
                }
            }
        } endSearch{this, progress};
        TQbxObject* doc = CurrentDocument.get();
        auto stillOpen = [&] { return CurrentDocument.get() == doc; };  // a command may close it meanwhile
        const std::string keyword = AsciiLower(UnicodeToCp936(text).toStdString());
        std::vector<uint8_t> body;
        for (int i = first; i < end; ++i) {
            if (!progress.isVisible() || !stillOpen()) break;
            doc->ReadNode(Contents->RecordPosition(i));
            const TNodeRecord record = doc->Node;
            QCoreApplication::processEvents();
            if (!stillOpen()) break;
            progress.nowsearchlabel->setText(Message(17) + Contents->NodeText(i));
            if (LastSearchKind == kKeyword) {
                if (ContainsAsciiCaseless(FieldText(record.Keyword), keyword)) addHit(i);
                continue;
            }
            if (record.ContentFlag != 1) continue;       // titles are not tested here
            doc->ReadNode(Contents->RecordPosition(i));  // the pump may have read elsewhere
            body.clear();
            doc->ReadNodeContent(body);
            QCoreApplication::processEvents();
            if (!stillOpen()) break;
            // Matched on the displayed characters, without painting anything.
            if (BodyMatches({reinterpret_cast<const char*>(body.data()), body.size()}, text)) addHit(i);
        }
    }

    // The display is reset: no node selected, the views empty.
    if (TreeView->selectionModel()->currentIndex().isValid())
        TreeView->selectionModel()->clear();
    else
        TreeViewChange(QModelIndex());
    TreeView->selectionModel()->clearCurrentIndex();
}

void TQbxForm::SearchListBoxClick() {
    QListWidgetItem* item = SearchListBox->currentItem();
    if (!item || !CurrentDocument) return;
    PendingHighlight = true;
    TreeView->selectionModel()->clear();  // the node is displayed afresh even when it was selected
    TreeView->selectionModel()->clearCurrentIndex();
    SelectNode(item->data(Qt::UserRole).toInt());
}

}  // namespace qbx
