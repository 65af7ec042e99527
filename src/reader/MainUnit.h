// TQbxForm: the main window. It owns the widgets and the actions; the work
// behind its commands lives in small units it calls. Layout and lifecycle are
// here, the layout commands in MainLayout.cpp, the status bar in
// MainStatusBar.cpp and the settings bridge in MainSettings.cpp.
#pragma once

#include <QDialog>
#include <QMainWindow>
#include <QMap>
#include <memory>

#include "settings/AppIni.h"
#include "settings/MruUnit.h"
#include "settings/RegUnit.h"

class QAction;
class QActionGroup;
class QComboBox;
class QListView;
class QListWidget;
class QStackedWidget;
class QSlider;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QSplitter;
class QTabWidget;
class QTextEdit;
class QToolBar;
class QToolButton;
class QTreeView;
class QTreeWidget;

namespace qbx {

class TZqLabel;
class TStatusPanels;
class TContentsModel;
class TGuardedSelectionModel;
class TProgressiveLoader;
class TWebView;

// The find dialog: modeless, with match-case and whole-word boxes and no
// direction buttons; it keeps its values between uses.
class TFindDialog : public QDialog {
    Q_OBJECT
public:
    explicit TFindDialog(QWidget* parent);
    // The desktop's find dialog speaks the desktop's language: English unless
    // the program runs in Chinese.
    void UseLanguage(bool english);
    QLineEdit* FindEdit;
    class QCheckBox* MatchCase;
    class QCheckBox* WholeWord;
    class QPushButton* FindButton;
    QLabel* FindLabel;
signals:
    void FindRequested();
};

class TQbxForm : public QMainWindow, public TSettingsWindow, public TLanguageHost {
    Q_OBJECT
public:
    // `settingsPath` empty: the configuration folder's qbx.ini.
    explicit TQbxForm(const QString& settingsPath = QString());
    ~TQbxForm() override;

    QAction* Action(const QString& name) const;
    QMenu* Menu(const QString& name) const;
    QToolBar* ToolBar(const QString& name) const;
    const QList<QAction*>& Actions() const { return actions_; }

    // The no-document state disables every action with an even tag; a
    // document enables every action. Actions whose commands are not built
    // yet stay disabled either way.
    void EnableDocumentActions(bool documentOpen);
    // The idle update handlers; run when the event loop is about to block.
    void UpdateActions();

    // Documents (MainFun.cpp).
    void OpenDocument(const QString& fileName, int64_t baseOffset);
    void CloseDocument();
    void EnableView();
    void ResetView();
    void OpenMenuItemClick();
    // The recent file at position tag - 1, and the favourite.
    void ListMenuItemClick(int tag);
    void MyLoveMenuItemClick();
    // The favourite's menu item (and separator) shown as `visible` says, and
    // enabled with its tool button when a favourite is set.
    void UpdateFavouriteItems(bool visible);
    void CloseMenuItemClick();
    // The start-up document: the one argument, else our own executable's
    // document, else the last file when LoadNearFile; else no document.
    void OpenStartupDocument(const QStringList& arguments, const QString& executablePath);
    // message 1 + " - " + path, and message 18 when `readOnlyMark`.
    void SetDocumentCaption(const QString& path, bool readOnlyMark);

    // The contents tree and node display (MainTree.cpp).
    bool TreeViewChanging(const QModelIndex& node);
    bool TreeViewExpanding(const QModelIndex& node);
    void TreeViewChange(const QModelIndex& node);
    void PrevSpeedButtonClick();
    void NextSpeedButtonClick();
    void setbookmark(int slot);  // slots 1..10
    void gotobookmark(int slot);
    // Selects the node at an absolute index, through the password check,
    // opening its ancestors without asking for theirs.
    void SelectNode(int absolute);
    int SelectedNode() const;

    TContentsModel* Contents;
    // Puts a long body into the content view in steps; the first screen at once.
    TProgressiveLoader* BodyLoader;
    bool NodeChanged = false;
    bool PendingHighlight = false;
    int LastSearchKind = 0;
    QString LastSearchText;

    // Search (MainSearch.cpp).
    void GoSpeedBtnClick();
    void SearchTrackBarChange(int position);
    void SearchListBoxClick();
    bool Searching() const { return searching_; }

    // Attachments (MainAttach.cpp).
    void OpenAttachmentActionExecute();
    void SaveAsAttachmentActionExecute();
    void ListViewDblClick();
    void PropertyAttachmentActionExecute();
    void PropertyAttachmentActionUpdate();

    // Export, print, book builder (MainExport.cpp).
    void ExportMenuItemClick();
    void PrintActionUpdate();
    void PrintMenuItemClick();
    void MakeExeActionExecute();

    // The web view (MainWeb.cpp).
    void HtmlViewActionUpdate();
    void HtmlViewActionExecute();
    int ViewAttachmentIndex = 0;
    std::unique_ptr<TWebView> HtmlView;
    QStackedWidget* ContentStack;
    // The four view styles of one list: large icons, small icons, list, details.
    QListView* AttachmentIconView;
    QStackedWidget* AttachmentViews;

    // Reading commands of the content view (MainFind.cpp).
    void CopyMenuItemClick();
    void SelAllMenuItemClick();
    void CopyActionUpdate();
    void EditMenuItemClick();
    void FindMenuItemClick();
    void FindDialogFind();
    void FindNextMenuItemClick();
    void WordWrapMenuItemClick();
    void ZoomContent(int step);
    void SelectCurrentLine();  // Ctrl+Y
    QString CaretPositionText() const;
    void RichEditSelectionChange();
    TFindDialog* FindDialog;

    // The standard edit actions on the focused text control.
    void EditCommand(const QString& name);
    void UpdateEditActions();

    // Layout commands.
    void StatusMenuItemClick();
    void TitleMenuItemClick();
    void SearchToolPopClick(QAction* action);
    void FileToolActionUpdate(QAction* action);
    void ToolsMenuItemClick();
    // A toolbar dragged out of the control bar floats in a small tool window
    // with its caption and a close box; closing it hides the toolbar.
    void ToolbarFloated(QToolBar* bar);
    void FullScreenExecute();
    void ExitMenuItemClick();
    void AboutMenuItemClick();
    void OptionsMenuItemClick();
    void SliderMenuItemClick();
    void HomePageMenuItemClick();
    void EMailMenuItemClick();
    void ReadmeMenuItemClick();
    void SimpliedChineseMenuitemClick(QAction* item);
    // The toolbar an action of the View > Toolbar menu controls: its name
    // without the last six characters, plus "Bar".
    static QString ToolbarNameOf(const QString& actionName);

    // The status bar's third panel.
    QString StatusPanelText;
    bool Created = false;  // set first thing in the creation; the status bar draws nothing before
    int NodeCount() const;
    int ContentLength() const;
    QString PanelText(int panel) const;

    // TSettingsWindow
    QString SectionName(Part part) const override;
    QStringList SearchHistory() const override;
    void AppendSearchHistory(const QString& text) override;
    int WindowStateValue() const override;
    void SetWindowStateValue(int state) override;
    QRect Bounds() const override;
    void SetBounds(const QRect& bounds) override;
    QSize ScreenSize() const override;
    bool IsShown() const override;
    void ShowNow() override;
    int SearchIndex() const override;
    void SetSearchIndex(int index) override;
    int LeftPaneWidth() const override;
    void SetLeftPaneWidth(int width) override;
    bool LeftPaneVisible() const override;
    void SetLeftPaneVisible(bool visible) override;
    TViewLook TreeLook() const override;
    void SetTreeLook(const TViewLook& look) override;
    TViewLook ContentLook() const override;
    void SetContentLook(const TViewLook& look) override;
    bool WordWrap() const override;
    void SetWordWrap(bool wrap) override;
    QStringList ToolbarNames() const override;
    TToolbarPlace Toolbar(const QString& name) const override;
    void SetToolbarVisible(const QString& name, bool visible) override;
    void SetToolbarGeometry(const QString& name, const QRect& geometry) override;
    bool StatusBarVisible() const override;
    void SetStatusBarVisible(bool visible) override;
    void UpdateDerivedStates() override;
    int ListViewStyle() const override;
    void SetListViewStyle(int style) override;

    // TLanguageHost
    QStringList AttachmentColumnHeaders() const override;
    void SetAttachmentColumnHeaders(const QStringList& headers) override;
    void RelabelSearchMode() override;
    void NameViewsForAssistiveTools();
    void ApplyDocumentTexts() override;

    std::unique_ptr<TMru> Mru;
    std::unique_ptr<TAppIni> AppIni;

    // Regions and controls, by their component names.
    QWidget* LeftForm;
    QTabWidget* LeftPageControl;
    QTreeView* TreeView;
    QWidget* LeftBottomPanel;
    TZqLabel* ZaqorLabel;
    QSplitter* Splitter;
    QWidget* RightPanel;
    QWidget* RightTopPanel;
    QToolButton* HtmSpeedBtn;
    TZqLabel* TitleLabel;
    QToolButton* PrevSpeedButton;
    QToolButton* NextSpeedButton;
    QTabWidget* RightPageControl;
    QTextEdit* RichEdit;
    QGroupBox* ContextTypeRadioGroup;
    QTreeWidget* ListView;
    QComboBox* Edit1;
    QToolButton* GoSpeedBtn;
    TZqLabel* SearchLabel;
    QSlider* SearchTrackBar;
    QListWidget* SearchListBox;
    TStatusPanels* StatusPanels;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    QMenu* createPopupMenu() override;  // the control bar's context menu

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolbars();
    void CreateLeftPane();
    void CreateRightPane();
    void CreateStatusBar();
    QMenu* BuildMenu(const QString& name, const QString& title, const std::vector<const char*>& entries);
    void AddEntries(QWidget* target, const std::vector<const char*>& entries);
    void ConnectImplemented();
    bool PasswordGiven(int absolute);
    bool RichEditEvent(QObject* watched, QEvent* event);
    void BuildTree();
    void ApplyBookmarkMarks();
    void ApplyResultHighlight();
    void ClearNodeDisplay();
    void Implement(const char* name, void (TQbxForm::*handler)());

    QList<QAction*> actions_;
    QMap<QString, QAction*> actionByName_;
    QMap<QString, QMenu*> menus_;
    QMap<QString, QToolBar*> toolbars_;
    QMap<QString, bool> toolbarShown_;  // kept while full screen hides the control bar
    bool fullScreen_ = false;
    int searchIndex_ = 0;
    int listViewStyle_ = 0;
    TViewLook treeLook_, contentLook_;
    bool documentOpen_ = false;
    bool idleDue_ = true;
    bool expandingForSelection_ = false;
    bool searching_ = false;
    int exportFilterIndex_ = 0;  // kept between leaf exports
    bool pressingResult_ = false;
    bool resultChangedByPress_ = false;
    class TNowRuningForm* progress_ = nullptr;
    QString lastFolder_;
};

}  // namespace qbx
