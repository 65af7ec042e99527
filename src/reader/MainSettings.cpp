// The main window as the settings see it, and the texts the language and the
// status bar take from it.
#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QListView>
#include <QListWidget>
#include <QRegularExpression>
#include <QScreen>
#include <QSlider>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QTreeView>
#include <QTreeWidget>

#include "ContentsModel.h"
#include "MainFun.h"
#include "MainUnit.h"
#include "StatusPanels.h"
#include "controls/ZqLabel.h"
#include "settings/QbxConst.h"
#include "settings/ViewLook.h"

namespace qbx {

QString TQbxForm::SectionName(Part part) const {
    switch (part) {
    case Part::MainWindow:
        return objectName();
    case Part::LeftPane:
        return LeftForm->objectName();
    case Part::Tree:
        return TreeView->objectName();
    case Part::Content:
        return RichEdit->objectName();
    case Part::ControlBar:
        return QStringLiteral("ControlBar");
    case Part::StatusBar:
        return statusBar()->objectName();
    }
    return {};
}

QStringList TQbxForm::SearchHistory() const {
    QStringList items;
    for (int i = 0; i < Edit1->count(); ++i) items << Edit1->itemText(i);
    return items;
}

void TQbxForm::AppendSearchHistory(const QString& text) { Edit1->addItem(text); }

int TQbxForm::WindowStateValue() const {
    if (windowState() & Qt::WindowMaximized) return 2;
    if (windowState() & Qt::WindowMinimized) return 1;
    return 0;
}

void TQbxForm::SetWindowStateValue(int state) {
    setWindowState(state == 2 ? Qt::WindowMaximized : state == 1 ? Qt::WindowMinimized : Qt::WindowNoState);
}

QRect TQbxForm::Bounds() const { return geometry(); }

void TQbxForm::SetBounds(const QRect& bounds) { setGeometry(bounds); }

QSize TQbxForm::ScreenSize() const {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    return s ? s->size() : QSize(1024, 768);
}

bool TQbxForm::IsShown() const { return isVisible(); }

void TQbxForm::ShowNow() { show(); }

int TQbxForm::SearchIndex() const { return searchIndex_; }

void TQbxForm::SetSearchIndex(int index) {
    searchIndex_ = std::clamp(index, 0, 3);  // an absurd stored value falls back into range
    SearchTrackBar->setValue(searchIndex_);
    RelabelSearchMode();
}

int TQbxForm::LeftPaneWidth() const { return LeftForm->isHidden() ? 180 : Splitter->sizes().value(0, 180); }

void TQbxForm::SetLeftPaneWidth(int width) {
    QList<int> sizes = Splitter->sizes();
    const int total = std::max(sizes.value(0) + sizes.value(1), width + 100);
    Splitter->setSizes({std::max(width, 100), std::max(total - width, 100)});
}

bool TQbxForm::LeftPaneVisible() const { return !LeftForm->isHidden(); }

void TQbxForm::SetLeftPaneVisible(bool visible) { LeftForm->setVisible(visible); }

TViewLook TQbxForm::TreeLook() const { return treeLook_; }

// A view's background and text colours from its look.
static void SetViewColours(QWidget* view, const TViewLook& look) {
    QPalette p = view->palette();
    p.setColor(QPalette::Base, ColorFromTColor(look.Color));
    p.setColor(QPalette::Text, ColorFromTColor(look.Font.Color));
    view->setPalette(p);
}

void TQbxForm::SetTreeLook(const TViewLook& look) {
    treeLook_ = look;
    SetViewColours(TreeView, look);
    TreeView->setFont(FontFromRecord(look.Font));
}

TViewLook TQbxForm::ContentLook() const { return contentLook_; }

void TQbxForm::SetContentLook(const TViewLook& look) {
    contentLook_ = look;
    SetViewColours(RichEdit, look);
    RichEdit->document()->setDefaultFont(FontFromRecord(look.Font));
}

bool TQbxForm::WordWrap() const { return RichEdit->lineWrapMode() != QTextEdit::NoWrap; }

void TQbxForm::SetWordWrap(bool wrap) {
    RichEdit->setLineWrapMode(wrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    RichEdit->setHorizontalScrollBarPolicy(wrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
}

QStringList TQbxForm::ToolbarNames() const {
    QStringList names;
    for (QToolBar* bar : findChildren<QToolBar*>(Qt::FindDirectChildrenOnly)) names << bar->objectName();
    return names;
}

TToolbarPlace TQbxForm::Toolbar(const QString& name) const {
    QToolBar* bar = ToolBar(name);
    if (!bar) return {};
    const bool shown = fullScreen_ ? toolbarShown_.value(name, true) : !bar->isHidden();
    return {shown, bar->geometry()};
}

void TQbxForm::SetToolbarVisible(const QString& name, bool visible) {
    if (QToolBar* bar = ToolBar(name)) {
        if (fullScreen_)
            toolbarShown_[name] = visible;
        else
            bar->setVisible(visible);
    }
}

// Qt lays docked toolbars out itself; the stored place decides the order
// (rows by top, then by left) and the width a toolbar asks for.
void TQbxForm::SetToolbarGeometry(const QString& name, const QRect& geometry) {
    QToolBar* bar = ToolBar(name);
    if (!bar) return;
    bar->setProperty("storedPlace", geometry);
    if (bar->isFloating()) {
        bar->move(geometry.topLeft());
        return;
    }
    bar->resize(geometry.size());
}

bool TQbxForm::StatusBarVisible() const { return !statusBar()->isHidden(); }

void TQbxForm::SetStatusBarVisible(bool visible) { statusBar()->setVisible(visible); }

void TQbxForm::UpdateDerivedStates() {
    Action("TitleAction")->setChecked(LeftPaneVisible());
    Action("WordWrapAction")->setChecked(WordWrap());
    Action("StatusAction")->setChecked(StatusBarVisible());
    UpdateActions();
}

int TQbxForm::ListViewStyle() const { return listViewStyle_; }

void TQbxForm::SetListViewStyle(int style) {
    listViewStyle_ = std::clamp(style, 0, 3);
    const char* names[] = {"BigIconAction", "SmallIconAction", "ListShowAction", "DetailAction"};
    Action(QString::fromLatin1(names[listViewStyle_]))->setChecked(true);
    if (listViewStyle_ == 3) {
        AttachmentViews->setCurrentWidget(ListView);
        return;
    }
    AttachmentViews->setCurrentWidget(AttachmentIconView);
    const bool large = listViewStyle_ == 0;
    AttachmentIconView->setViewMode(listViewStyle_ == 2 ? QListView::ListMode : QListView::IconMode);
    AttachmentIconView->setFlow(listViewStyle_ == 2 ? QListView::TopToBottom : QListView::LeftToRight);
    AttachmentIconView->setWrapping(true);
    AttachmentIconView->setIconSize(large ? QSize(32, 32) : QSize(16, 16));
    AttachmentIconView->setGridSize(large ? QSize(96, 64) : QSize());
}

QStringList TQbxForm::AttachmentColumnHeaders() const {
    QStringList headers;
    for (int i = 0; i < ListView->columnCount(); ++i) headers << ListView->headerItem()->text(i);
    return headers;
}

void TQbxForm::SetAttachmentColumnHeaders(const QStringList& headers) { ListView->setHeaderLabels(headers); }

// The search label follows the track bar's position: title, keyword, local, full text.
void TQbxForm::RelabelSearchMode() {
    static const int messages[] = {13, 16, 14, 15};
    SearchLabel->setText(Message(messages[searchIndex_]));
    NameViewsForAssistiveTools();
}

// Assistive tools announce the views by the captions of the pages that hold
// them, so the names follow the language.
void TQbxForm::NameViewsForAssistiveTools() {
    const auto pageCaption = [](QTabWidget* tabs, const char* sheet) {
        return tabs->tabText(tabs->indexOf(tabs->findChild<QWidget*>(QString::fromLatin1(sheet))));
    };
    TreeView->setAccessibleName(pageCaption(LeftPageControl, "IndexTabSheet"));
    SearchListBox->setAccessibleName(pageCaption(LeftPageControl, "SearchTabSheet"));
    RichEdit->setAccessibleName(pageCaption(RightPageControl, "DrawTabSheet"));
    ListView->setAccessibleName(Message(5));
    AttachmentIconView->setAccessibleName(Message(5));
    QString searchCaption = SearchLabel->text();
    searchCaption.remove(QRegularExpression(QStringLiteral("[:：]\\s*$")));
    Edit1->setAccessibleName(searchCaption);
}

void TQbxForm::ApplyDocumentTexts() {
    NameViewsForAssistiveTools();
    if (!CurrentDocument) {
        TitleLabel->setText(Message(1) + u' ' + QString::fromLatin1(kVersionText));
        return;
    }
    const int bin = CurrentDocument->RecycleBinNode;
    if (bin >= 0) emit Contents->dataChanged(Contents->IndexOf(bin), Contents->IndexOf(bin), {Qt::DisplayRole});
    setWindowTitle(windowTitle() + QStringLiteral(" - ") + QString::fromStdString(CurrentDocument->FileName) +
                   Message(18));
}

int TQbxForm::NodeCount() const { return Contents->Count(); }

int TQbxForm::ContentLength() const { return static_cast<int>(RichEdit->toPlainText().size()); }

QString TQbxForm::PanelText(int panel) const {
    switch (panel) {
    case 0:
        return Message(9) + QString::number(NodeCount());
    case 1:
        return Message(10) + QString::number(ContentLength());
    default:
        return StatusPanelText;
    }
}

}  // namespace qbx
