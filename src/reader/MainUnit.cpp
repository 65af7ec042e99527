#include "MainUnit.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSlider>
#include <QSplitter>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ActionTable.h"
#include "ContentsModel.h"
#include "GuardedSelection.h"
#include "MainFun.h"
#include "MenuLayout.h"
#include "StatusPanels.h"
#include "TreeIcons.h"
#include "WebView.h"
#include "controls/Interaction.h"
#include "controls/ZqLabel.h"
#include "dialogs/ErrorShowUnit.h"
#include "settings/QbxConst.h"
#include "shell/ShellUnit.h"
#include "text/ProgressiveLoader.h"

namespace qbx {
namespace {

QIcon ActionIcon(const char* name) { return ThemeIcon(name); }

template <typename T>
T* Named(T* object, const char* name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

TZqLabel* CaptionLabel(const char* name, const char* text, QWidget* parent) {
    auto* label = Named(new TZqLabel(QString::fromUtf8(text), parent), name);
    label->Transparent = true;
    return label;
}

QLineEdit* ReadOnlyEdit(const char* name, QWidget* parent) {
    auto* edit = Named(new QLineEdit(parent), name);
    edit->setReadOnly(true);
    edit->setEnabled(false);
    return edit;
}

}  // namespace

TQbxForm::TQbxForm(const QString& settingsPath) {
    Created = true;
    setObjectName(QStringLiteral("QbxForm"));
    setWindowTitle(QStringLiteral("Quirebox"));
    resize(693, 439);
    QFont f(QStringLiteral("宋体"));
    f.setPixelSize(12);
    setFont(f);
    TQbxApplication::ErrorReportInstalled = true;

    CreateActions();
    CreateMenus();
    CreateToolbars();
    CreateLeftPane();
    CreateRightPane();
    CreateStatusBar();
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    Splitter = Named(new QSplitter(Qt::Horizontal, central), "Splitter");
    Splitter->setHandleWidth(3);
    Splitter->setChildrenCollapsible(false);
    Splitter->addWidget(LeftForm);
    Splitter->addWidget(RightPanel);
    Splitter->setStretchFactor(1, 1);
    Splitter->setSizes({180, 510});
    layout->addWidget(Splitter);
    setCentralWidget(central);

    // The design's looks of the tree and the content view, which the settings may change.
    SetTreeLook({15785955, {kClWindowText, 134, QStringLiteral("宋体"), 9, 0}});
    SetContentLook({kClWindow, {kClWindowText, 134, QStringLiteral("宋体"), 9, 0}});
    ConnectImplemented();
    ApplyLanguage(this);
    NameViewsForAssistiveTools();
    Mru = std::make_unique<TMru>();
    Mru->ParentItem = Menu(QStringLiteral("RecentFileMenuitem"));
    Mru->PopupMenu = Menu(QStringLiteral("RecentPopupMenu"));
    AppIni = std::make_unique<TAppIni>(*this, *Mru, settingsPath);
    Mru->SetVisible(AppIni->FileListVisible);
    UpdateFavouriteItems(AppIni->MyLoveVisible);
    ResetView();

    // The update handlers run when the event loop is about to block, once
    // for all the events handled since it last woke up.
    auto* dispatcher = QAbstractEventDispatcher::instance();
    connect(dispatcher, &QAbstractEventDispatcher::awake, this, [this] { idleDue_ = true; });
    connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] {
        if (!idleDue_) return;
        idleDue_ = false;
        UpdateActions();
    });
    connect(ZaqorLabel, &TZqLabel::clicked, this, &TQbxForm::HomePageMenuItemClick);
    AppIni->TempDir = PrivateTempDir();
}

// A window destroyed without its close query still saves, while its widgets exist.
TQbxForm::~TQbxForm() {
    AppIni.reset();
    Mru.reset();
    CurrentDocument.reset();
    TQbxApplication::ErrorReportInstalled = false;
}

QAction* TQbxForm::Action(const QString& name) const { return actionByName_.value(name); }
QMenu* TQbxForm::Menu(const QString& name) const { return menus_.value(name); }
QToolBar* TQbxForm::ToolBar(const QString& name) const { return toolbars_.value(name); }

void TQbxForm::CreateActions() {
    QMap<int, QActionGroup*> groups;
    for (const TActionRow& row : ActionTable()) {
        auto* a = new QAction(ActionIcon(row.icon), QString::fromUtf8(row.caption), this);
        a->setObjectName(QString::fromLatin1(row.name));
        const QString hint = QString::fromUtf8(row.hint);
        const qsizetype bar = hint.indexOf(u'|');
        a->setToolTip(bar < 0 ? hint : hint.left(bar));
        a->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
        if (*row.shortcut) a->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
        a->setProperty("tag", row.tag);
        a->setProperty("category", QString::fromLatin1(row.category));
        a->setProperty("implemented", false);
        a->setCheckable(row.checkable);
        a->setChecked(row.checked);
        if (row.group > 0) {
            if (!groups.contains(row.group)) groups[row.group] = new QActionGroup(this);
            groups[row.group]->addAction(a);
            groups[row.group]->setExclusionPolicy(row.group == 2 ? QActionGroup::ExclusionPolicy::ExclusiveOptional
                                                                 : QActionGroup::ExclusionPolicy::Exclusive);
        }
        addAction(a);  // shortcuts work wherever the focus is in the window
        actions_ << a;
        actionByName_.insert(a->objectName(), a);
    }
}

QMenu* TQbxForm::BuildMenu(const QString& name, const QString& title, const std::vector<const char*>& entries) {
    auto* menu = new QMenu(title, this);
    menu->setObjectName(name);
    menus_.insert(name, menu);
    AddEntries(menu, entries);
    return menu;
}

void TQbxForm::AddEntries(QWidget* target, const std::vector<const char*>& entries) {
    auto* menu = qobject_cast<QMenu*>(target);
    auto* toolbar = qobject_cast<QToolBar*>(target);
    for (const char* entry : entries) {
        const QString e = QString::fromLatin1(entry);
        if (e.startsWith(u'-')) {
            QAction* sep = menu ? menu->addSeparator() : toolbar->addSeparator();
            if (e.size() > 1) sep->setObjectName(e.mid(1));
        } else if (e.startsWith(u'>')) {
            for (const TMenuRow& sub : OtherMenuTable())
                if (e.mid(1) == QLatin1String(sub.name))
                    menu->addMenu(BuildMenu(e.mid(1), QString::fromUtf8(sub.title), sub.entries));
        } else if (QAction* a = Action(e)) {
            if (menu) menu->addAction(a);
            if (toolbar) toolbar->addAction(a);
        } else if (e == QLatin1String("MyLoveMenuItem") || e == QLatin1String("MyLoveToolButton")) {
            // The favourite's menu item and button can be disabled while its
            // shortcut, F12, still runs the command.
            QAction* love = Action(QStringLiteral("MyLoveAction"));
            QAction* proxy = findChild<QAction*>(e);
            if (!proxy) {
                proxy = new QAction(love->icon(), love->text(), this);
                proxy->setObjectName(e);
                proxy->setToolTip(love->toolTip());
                proxy->setStatusTip(love->statusTip());
                connect(proxy, &QAction::triggered, love, &QAction::trigger);
                connect(love, &QAction::changed, proxy, [proxy, love] { proxy->setText(love->text()); });
            }
            if (menu) menu->addAction(proxy);
            if (toolbar) toolbar->addAction(proxy);
        } else if (e == QLatin1String("ExporttoNormalMenuitem")) {
            // The export entry of the tree menu: the Export command under its own caption.
            QAction* item = menu->addAction(QStringLiteral("当前节点导出成普通文件"));
            item->setObjectName(e);
            item->setEnabled(false);
            item->setProperty("implemented", false);
        }
    }
}

void TQbxForm::CreateMenus() {
    menuBar()->setObjectName(QStringLiteral("MainFormMenu"));
    for (const TMenuRow& m : MainMenuTable())
        menuBar()->addMenu(BuildMenu(QString::fromLatin1(m.name), QString::fromUtf8(m.title), m.entries));
    for (const TMenuRow& m : OtherMenuTable())
        if (!m.title[0]) BuildMenu(QString::fromLatin1(m.name), QString(), m.entries);

    // Recent files: five items in the submenu and in the Open button's drop-down.
    for (QMenu* m : {Menu(QStringLiteral("RecentFileMenuitem")), Menu(QStringLiteral("RecentPopupMenu"))})
        for (int i = 1; i <= TMru::kCount; ++i) {
            QAction* item =
                m->addAction(m->objectName() == QLatin1String("RecentPopupMenu") ? QString::number(i)
                                                                                 : QStringLiteral("&%1").arg(i));
            item->setObjectName(m->objectName() == QLatin1String("RecentPopupMenu")
                                    ? QStringLiteral("RecentPopupMenuItem%1").arg(i)
                                    : (i == 1 ? QStringLiteral("ListMenuItem") : QStringLiteral("MenuItem%1").arg(i)));
            item->setProperty("tag", i);
            item->setVisible(false);
        }

    // Bookmarks: set with Ctrl+1 .. Ctrl+0, go with Alt+1 .. Alt+0.
    for (int n = 1; n <= 10; ++n) {
        const QString key = QString::number(n % 10);
        QAction* set = Menu(QStringLiteral("togglebookmark"))->addAction(QStringLiteral("书签%1").arg(n));
        set->setObjectName(QStringLiteral("bookmark%1").arg(n));
        set->setShortcut(QKeySequence(QStringLiteral("Ctrl+") + key));
        QAction* go = Menu(QStringLiteral("gobookmark"))->addAction(QStringLiteral("书签%1").arg(n));
        go->setObjectName(QStringLiteral("gobookmark%1").arg(n));
        go->setShortcut(QKeySequence(QStringLiteral("Alt+") + key));
        for (QAction* a : {set, go}) {
            a->setProperty("tag", n - 1);
            a->setCheckable(true);
            a->setEnabled(false);  // bookmarks come with documents
            addAction(a);
        }
    }

    // The language switch: English (tag 0), simplified (1) and traditional Chinese (2).
    QMenu* language = Menu(QStringLiteral("LanguageMenuItem"));
    auto* group = new QActionGroup(this);
    const char* names[] = {"EnglishMenuItem", "SimpliedChineseMenuitem", "TraditionalChineseMenuItem"};
    const char* captions[] = {"English", "简体中文", "繁體中文"};
    for (int tag = 0; tag < 3; ++tag) {
        QAction* item = language->addAction(QString::fromUtf8(captions[tag]));
        item->setObjectName(QString::fromLatin1(names[tag]));
        item->setProperty("tag", tag);
        item->setCheckable(true);
        item->setChecked(LanguageFileForTag(tag) == LanguageFileName);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, item] { SimpliedChineseMenuitemClick(item); });
    }
}

void TQbxForm::CreateToolbars() {
    for (const TToolbarRow& row : ToolbarTable()) {
        auto* bar = new QToolBar(QString::fromUtf8(row.caption), this);
        bar->setObjectName(QString::fromLatin1(row.name));
        bar->setIconSize(QSize(16, 16));
        bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
        bar->setFloatable(true);
        bar->setMovable(true);
        bar->setAllowedAreas(Qt::TopToolBarArea);  // only the control bar docks toolbars
        AddEntries(bar, row.entries);
        addToolBar(Qt::TopToolBarArea, bar);
        toolbars_.insert(bar->objectName(), bar);
        connect(bar, &QToolBar::topLevelChanged, this, [this, bar](bool floating) {
            if (floating) QTimer::singleShot(0, this, [this, bar] { ToolbarFloated(bar); });
        });
    }
    // The Open button drops down the recent files.
    if (auto* open = qobject_cast<QToolButton*>(ToolBar("FileToolBar")->widgetForAction(Action("OpenAction")))) {
        open->setPopupMode(QToolButton::MenuButtonPopup);
        open->setMenu(Menu(QStringLiteral("RecentPopupMenu")));
    }
}

void TQbxForm::CreateLeftPane() {
    LeftForm = Named(new QWidget(this), "LeftForm");
    LeftForm->setMinimumWidth(100);
    auto* v = new QVBoxLayout(LeftForm);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    LeftPageControl = Named(new QTabWidget(LeftForm), "LeftPageControl");
    TreeView = Named(new QTreeView, "TreeView");
    Contents = new TContentsModel(this);
    TreeView->setModel(Contents);
    auto* guarded = new TGuardedSelectionModel(Contents, TreeView);
    guarded->AllowChange = [this](const QModelIndex& node) { return TreeViewChanging(node); };
    TreeView->setSelectionModel(guarded);
    TreeView->setUniformRowHeights(true);  // a million rows lay out at once
    connect(guarded, &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { TreeViewChange(current); });
    connect(TreeView, &QTreeView::expanded, this, [this](const QModelIndex& node) {
        if (!TreeViewExpanding(node)) TreeView->collapse(node);
    });
    TreeView->setHeaderHidden(true);
    TreeView->setIndentation(19);
    TreeView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    TreeView->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* index = Named(new QWidget, "IndexTabSheet");
    auto* iv = new QVBoxLayout(index);
    iv->setContentsMargins(0, 0, 0, 0);
    iv->addWidget(TreeView);
    LeftPageControl->addTab(index, QStringLiteral("索引"));

    auto* search = Named(new QWidget, "SearchTabSheet");
    auto* sv = new QVBoxLayout(search);
    sv->setContentsMargins(2, 2, 2, 2);
    auto* row = new QHBoxLayout;
    Edit1 = Named(new QComboBox(search), "Edit1");
    Edit1->setEditable(true);
    Edit1->setCompleter(nullptr);  // no automatic completion
    Edit1->setInsertPolicy(QComboBox::NoInsert);
    Edit1->setDuplicatesEnabled(false);
    GoSpeedBtn = Named(new QToolButton(search), "GoSpeedBtn");
    GoSpeedBtn->setIcon(ActionIcon("edit-find"));
    GoSpeedBtn->setAutoRaise(true);
    row->addWidget(Edit1, 1);
    row->addWidget(GoSpeedBtn);
    sv->addLayout(row);
    auto* kind = new QHBoxLayout;
    SearchLabel = Named(new TZqLabel(QStringLiteral("标题检索："), search), "SearchLabel");
    SearchLabel->Transparent = true;
    SearchLabel->setAlignment(Qt::AlignHCenter);
    SearchLabel->SetVCenter(true);
    SearchLabel->setMinimumWidth(70);
    SearchTrackBar = Named(new QSlider(Qt::Horizontal, search), "SearchTrackBar");
    SearchTrackBar->setRange(0, 3);
    SearchTrackBar->setPageStep(1);
    SearchTrackBar->setTickPosition(QSlider::TicksBelow);
    SearchTrackBar->setTickInterval(1);
    kind->addWidget(SearchLabel);
    kind->addWidget(SearchTrackBar, 1);
    sv->addLayout(kind);
    SearchListBox = Named(new QListWidget(search), "SearchListBox");
    sv->addWidget(SearchListBox, 1);
    LeftPageControl->addTab(search, QStringLiteral("查询"));

    auto* props = Named(new QWidget, "PropertiyTabSheet");
    auto* pv = new QVBoxLayout(props);
    pv->addWidget(CaptionLabel("DbAuthorLabel", "作者：", props));
    pv->addWidget(ReadOnlyEdit("DbAuthorEdit", props));
    pv->addWidget(CaptionLabel("BuildDateLabel", "建库日期：", props));
    pv->addWidget(ReadOnlyEdit("DbBuildDateEdit", props));
    pv->addWidget(CaptionLabel("DbEditDateLabel", "修改日期：", props));
    pv->addWidget(ReadOnlyEdit("DbEditDateEdit", props));
    pv->addStretch();
    LeftPageControl->addTab(props, QStringLiteral("属性"));
    v->addWidget(LeftPageControl);

    LeftBottomPanel = Named(new QWidget(LeftForm), "LeftBottomPanel");
    LeftBottomPanel->setFixedHeight(18);
    auto* bv = new QVBoxLayout(LeftBottomPanel);
    bv->setContentsMargins(0, 0, 0, 0);
    ZaqorLabel = Named(new TZqLabel(QStringLiteral("quirebox.example.org"), LeftBottomPanel), "ZaqorLabel");
    ZaqorLabel->setAlignment(Qt::AlignHCenter);
    ZaqorLabel->SetVCenter(true);
    ZaqorLabel->LinkType = true;
    ZaqorLabel->SetColor(palette().color(QPalette::Button));
    bv->addWidget(ZaqorLabel);
    v->addWidget(LeftBottomPanel);
}

void TQbxForm::CreateRightPane() {
    RightPanel = Named(new QWidget(this), "RightPanel");
    RightPanel->setMinimumWidth(100);
    auto* v = new QVBoxLayout(RightPanel);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    RightTopPanel = Named(new QWidget(RightPanel), "RightTopPanel");
    RightTopPanel->setFixedHeight(28);
    auto* h = new QHBoxLayout(RightTopPanel);
    h->setContentsMargins(2, 2, 2, 2);
    HtmSpeedBtn = Named(new QToolButton(RightTopPanel), "HtmSpeedBtn");
    HtmSpeedBtn->setDefaultAction(Action(QStringLiteral("HtmlViewAction")));
    HtmSpeedBtn->setAutoRaise(true);
    HtmSpeedBtn->setFixedSize(23, 22);
    TitleLabel = Named(new TZqLabel(RightTopPanel), "TitleLabel");
    TitleLabel->setAlignment(Qt::AlignHCenter);
    TitleLabel->SetVCenter(true);
    TitleLabel->SetColor(palette().color(QPalette::Button));
    PrevSpeedButton = Named(new QToolButton(RightTopPanel), "PrevSpeedButton");
    PrevSpeedButton->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    NextSpeedButton = Named(new QToolButton(RightTopPanel), "NextSpeedButton");
    NextSpeedButton->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    for (QToolButton* b : {PrevSpeedButton, NextSpeedButton}) {
        b->setAutoRaise(true);
        b->setEnabled(false);  // node navigation comes with documents
    }
    for (auto [button, hint] :
         {std::pair{PrevSpeedButton, "浏览上一标题内容"}, std::pair{NextSpeedButton, "浏览下一标题内容"}}) {
        button->setToolTip(QString::fromUtf8(hint));
        button->setStatusTip(QString::fromUtf8(hint));
    }
    h->addWidget(HtmSpeedBtn);
    h->addWidget(TitleLabel, 1);
    h->addWidget(PrevSpeedButton);
    h->addWidget(NextSpeedButton);
    v->addWidget(RightTopPanel);

    RightPageControl = Named(new QTabWidget(RightPanel), "RightPageControl");
    RightPageControl->setTabPosition(QTabWidget::South);
    auto* draw = Named(new QWidget, "DrawTabSheet");
    auto* dv = new QVBoxLayout(draw);
    dv->setContentsMargins(0, 0, 0, 0);
    ContentStack = Named(new QStackedWidget(draw), "ContentStack");
    RichEdit = Named(new QTextEdit(ContentStack), "RichEdit");
    RichEdit->setReadOnly(true);
    RichEdit->setUndoRedoEnabled(false);
    RichEdit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard |
                                      Qt::LinksAccessibleByMouse);
    RichEdit->installEventFilter(this);
    RichEdit->viewport()->installEventFilter(this);
    BodyLoader = new TProgressiveLoader(this);
    connect(BodyLoader, &TProgressiveLoader::Finished, this, [this] { StatusPanels->update(); });
    RichEdit->setContextMenuPolicy(Qt::CustomContextMenu);
    HtmlView = MakeWebView(ContentStack);
    ContentStack->addWidget(RichEdit);
    ContentStack->addWidget(HtmlView->Widget());
    dv->addWidget(ContentStack);
    RightPageControl->addTab(draw, QStringLiteral("内容"));

    auto* pro = Named(new QWidget, "ProTabSheet");
    auto* pv = new QVBoxLayout(pro);
    pv->addWidget(CaptionLabel("ContextAuthorLabel", "作者：", pro));
    pv->addWidget(ReadOnlyEdit("ContextAuthorEdit", pro));
    pv->addWidget(CaptionLabel("ContextPubDateLabel", "收录日期：", pro));
    pv->addWidget(ReadOnlyEdit("ContextPubDateEdit", pro));
    pv->addWidget(CaptionLabel("ZqLabel1ContextIndexLabel", "索引关键字：", pro));
    pv->addWidget(ReadOnlyEdit("ContextIndexEdit", pro));
    ContextTypeRadioGroup = Named(new QGroupBox(QStringLiteral("图标类型"), pro), "ContextTypeRadioGroup");
    ContextTypeRadioGroup->setEnabled(false);
    auto* rg = new QHBoxLayout(ContextTypeRadioGroup);
    for (const char* kind : {"DIR", "TXT", "HTML"}) rg->addWidget(new QRadioButton(QString::fromLatin1(kind)));
    pv->addWidget(ContextTypeRadioGroup);
    pv->addStretch();
    RightPageControl->addTab(pro, QStringLiteral("属性"));

    auto* attach = Named(new QWidget, "AttachFileTabSheet");
    auto* av = new QVBoxLayout(attach);
    av->setContentsMargins(0, 0, 0, 0);
    AttachmentViews = Named(new QStackedWidget(attach), "AttachmentViews");
    ListView = Named(new QTreeWidget(AttachmentViews), "ListView");
    ListView->setHeaderLabels(
        {QStringLiteral("文件名"), QStringLiteral("大小"), QStringLiteral("类型"), QStringLiteral("保存时间")});
    ListView->setRootIsDecorated(false);
    ListView->setContextMenuPolicy(Qt::CustomContextMenu);
    ListView->header()->setSectionResizeMode(QHeaderView::Stretch);  // the columns share the width
    ListView->setMouseTracking(true);
    // The icon and list styles show the same items with the same selection.
    AttachmentIconView = Named(new QListView(AttachmentViews), "AttachmentIconView");
    AttachmentIconView->setModel(ListView->model());
    AttachmentIconView->setSelectionModel(ListView->selectionModel());
    AttachmentIconView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    AttachmentIconView->setContextMenuPolicy(Qt::CustomContextMenu);
    AttachmentIconView->setResizeMode(QListView::Adjust);
    AttachmentIconView->setMouseTracking(true);
    AttachmentViews->addWidget(AttachmentIconView);
    AttachmentViews->addWidget(ListView);
    av->addWidget(AttachmentViews);
    for (QAbstractItemView* view :
         {static_cast<QAbstractItemView*>(ListView), static_cast<QAbstractItemView*>(AttachmentIconView)}) {
        connect(view, &QAbstractItemView::entered, this,
                [view] { view->viewport()->setCursor(Qt::PointingHandCursor); });
        connect(view, &QAbstractItemView::viewportEntered, this, [view] { view->viewport()->unsetCursor(); });
        connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint& p) {
            PropertyAttachmentActionUpdate();
            Menu("AttachMentPopMenu")->popup(view->viewport()->mapToGlobal(p));
        });
    }
    RightPageControl->addTab(attach, Message(5));
    v->addWidget(RightPageControl);

    connect(RichEdit, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { Menu("RichEditPopupMenu")->popup(RichEdit->viewport()->mapToGlobal(p)); });
    connect(TreeView, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { Menu("TreeViewPopupMenu")->popup(TreeView->viewport()->mapToGlobal(p)); });
}

void TQbxForm::CreateStatusBar() {
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->setSizeGripEnabled(true);
    StatusPanels =
        new TStatusPanels([this](int panel) { return PanelText(panel); }, [this] { return Created; }, statusBar());
    statusBar()->addWidget(StatusPanels, 1);
}

QMenu* TQbxForm::createPopupMenu() { return Menu(QStringLiteral("ControlPopMenu")); }

// Connects the commands this window carries out now; the others stay
// disabled until their own units are connected.
void TQbxForm::ConnectImplemented() {
    Implement("StatusAction", &TQbxForm::StatusMenuItemClick);
    Implement("TitleAction", &TQbxForm::TitleMenuItemClick);
    Implement("ToolsAction", &TQbxForm::ToolsMenuItemClick);
    Implement("FullScreen", &TQbxForm::FullScreenExecute);
    Implement("ExitAction", &TQbxForm::ExitMenuItemClick);
    Implement("AboutAction", &TQbxForm::AboutMenuItemClick);
    Implement("OptionAction", &TQbxForm::OptionsMenuItemClick);
    Implement("SliderAction", &TQbxForm::SliderMenuItemClick);
    Action(QStringLiteral("SliderAction"))->setCheckable(true);
    Implement("OpenAction", &TQbxForm::OpenMenuItemClick);
    Implement("MyLoveAction", &TQbxForm::MyLoveMenuItemClick);
    for (QMenu* m : {Menu(QStringLiteral("RecentFileMenuitem")), Menu(QStringLiteral("RecentPopupMenu"))})
        for (QAction* item : m->actions()) {
            item->setEnabled(true);
            connect(item, &QAction::triggered, this,
                    [this, item] { ListMenuItemClick(item->property("tag").toInt()); });
        }
    Implement("OpenAttachmentAction", &TQbxForm::OpenAttachmentActionExecute);
    Implement("SaveAsAttachmentAction", &TQbxForm::SaveAsAttachmentActionExecute);
    Implement("PropertyAttachmentAction", &TQbxForm::PropertyAttachmentActionExecute);
    Implement("HtmlViewAction", &TQbxForm::HtmlViewActionExecute);
    Implement("ExportAction", &TQbxForm::ExportMenuItemClick);
    Implement("PrintAction", &TQbxForm::PrintMenuItemClick);
    Implement("MakeExeAction", &TQbxForm::MakeExeActionExecute);
    if (QAction* e = findChild<QAction*>(QStringLiteral("ExporttoNormalMenuitem")))
        connect(e, &QAction::triggered, this, &TQbxForm::ExportMenuItemClick);
    const char* styles[] = {"BigIconAction", "SmallIconAction", "ListShowAction", "DetailAction"};
    for (int style = 0; style < 4; ++style) {
        QAction* a = Action(QString::fromLatin1(styles[style]));
        a->setProperty("implemented", true);
        connect(a, &QAction::triggered, this, [this, style] { SetListViewStyle(style); });
    }
    connect(AttachmentIconView, &QListView::doubleClicked, this, &TQbxForm::ListViewDblClick);
    connect(ListView, &QTreeWidget::itemDoubleClicked, this, &TQbxForm::ListViewDblClick);
    ListView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Implement("HomePageAction", &TQbxForm::HomePageMenuItemClick);
    Implement("EMailAction", &TQbxForm::EMailMenuItemClick);
    Implement("ReadMeAction", &TQbxForm::ReadmeMenuItemClick);
    Implement("CopyAction", &TQbxForm::CopyMenuItemClick);
    Implement("SelAllAction", &TQbxForm::SelAllMenuItemClick);
    Implement("FindAction", &TQbxForm::FindMenuItemClick);
    Implement("FindNextAction", &TQbxForm::FindNextMenuItemClick);
    Implement("WordWrapAction", &TQbxForm::WordWrapMenuItemClick);
    Action(QStringLiteral("BigFontAction"))->setProperty("implemented", true);
    connect(Action(QStringLiteral("BigFontAction")), &QAction::triggered, this, [this] { ZoomContent(1); });
    Action(QStringLiteral("SmallFontAction"))->setProperty("implemented", true);
    connect(Action(QStringLiteral("SmallFontAction")), &QAction::triggered, this, [this] { ZoomContent(-1); });
    FindDialog = new TFindDialog(this);
    connect(FindDialog, &TFindDialog::FindRequested, this, &TQbxForm::FindDialogFind);
    connect(Menu(QStringLiteral("EditMenuItem")), &QMenu::aboutToShow, this, &TQbxForm::EditMenuItemClick);
    connect(RichEdit, &QTextEdit::cursorPositionChanged, this, &TQbxForm::RichEditSelectionChange);
    connect(RichEdit, &QTextEdit::selectionChanged, this, &TQbxForm::RichEditSelectionChange);
    Implement("CloseAction", &TQbxForm::CloseMenuItemClick);
    for (int slot = 1; slot <= 10; ++slot) {
        connect(findChild<QAction*>(QStringLiteral("bookmark%1").arg(slot)), &QAction::triggered, this,
                [this, slot] { setbookmark(slot); });
        connect(findChild<QAction*>(QStringLiteral("gobookmark%1").arg(slot)), &QAction::triggered, this,
                [this, slot] { gotobookmark(slot); });
    }
    connect(PrevSpeedButton, &QToolButton::clicked, this, &TQbxForm::PrevSpeedButtonClick);
    connect(GoSpeedBtn, &QToolButton::clicked, this, &TQbxForm::GoSpeedBtnClick);
    connect(Edit1->lineEdit(), &QLineEdit::returnPressed, this, &TQbxForm::GoSpeedBtnClick);
    connect(SearchTrackBar, &QSlider::valueChanged, this, [this](int position) { SearchTrackBarChange(position); });
    // The list reports every change of its entry, and a click on the entry it already has.
    SearchListBox->viewport()->installEventFilter(this);
    connect(SearchListBox, &QListWidget::currentRowChanged, this, [this](int row) {
        if (pressingResult_) resultChangedByPress_ = true;
        if (row >= 0) SearchListBoxClick();
    });
    connect(SearchListBox, &QListWidget::itemClicked, this, [this] {
        if (!std::exchange(resultChangedByPress_, false)) SearchListBoxClick();
        pressingResult_ = false;
    });
    connect(NextSpeedButton, &QToolButton::clicked, this, &TQbxForm::NextSpeedButtonClick);
    for (const char* name : {"FileToolAction", "ViewToolAction", "OtherToolAction"}) {
        QAction* a = Action(QString::fromLatin1(name));
        a->setProperty("implemented", true);
        connect(a, &QAction::triggered, this, [this, a] { SearchToolPopClick(a); });
    }
    for (const char* name : {"EditCopy", "EditCut", "EditPaste", "EditSelectAll", "EditUndo"}) {
        QAction* a = Action(QString::fromLatin1(name));
        a->setProperty("implemented", true);
        a->setProperty("followsFocus", true);  // enabled by what the focused control can do
        connect(a, &QAction::triggered, this, [this, a] { EditCommand(a->objectName()); });
    }
}

void TQbxForm::Implement(const char* name, void (TQbxForm::*handler)()) {
    QAction* a = Action(QString::fromLatin1(name));
    a->setProperty("implemented", true);
    connect(a, &QAction::triggered, this, handler);
}

void TQbxForm::EnableDocumentActions(bool documentOpen) {
    documentOpen_ = documentOpen;
    for (QAction* a : actions_) {
        if (a->property("followsFocus").toBool()) continue;
        const bool implemented = a->property("implemented").toBool();
        const bool enabled = implemented && (documentOpen || !NeedsDocument(a->property("tag").toInt()));
        a->setEnabled(enabled);
        a->setProperty("tagEnabled", enabled);  // update handlers refine only what the tag allows
    }
}

void TQbxForm::UpdateActions() {
    for (const char* name : {"FileToolAction", "ViewToolAction", "OtherToolAction"})
        FileToolActionUpdate(Action(QString::fromLatin1(name)));
    UpdateEditActions();
    CopyActionUpdate();
    PropertyAttachmentActionUpdate();
    HtmlViewActionUpdate();
    PrintActionUpdate();
}

bool TQbxForm::eventFilter(QObject* watched, QEvent* event) {
    if (RichEditEvent(watched, event)) return true;
    if (watched == SearchListBox->viewport() && event->type() == QEvent::MouseButtonPress) {
        pressingResult_ = true;
        resultChangedByPress_ = false;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TQbxForm::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        // The long part of any hint goes to the third panel.
        StatusPanelText = static_cast<QStatusTipEvent*>(event)->tip();
        StatusPanels->update();
        return true;
    }
    return QMainWindow::event(event);
}

// The close query: the open document becomes the last file (a book's own
// executable too: it reopens through its detected offset), the settings are
// saved, the document closed. The close is always allowed.
void TQbxForm::closeEvent(QCloseEvent* event) {
    if (AppIni) {
        AppIni->NearFile = CurrentDocument ? QString::fromStdString(CurrentDocument->FileName) : QString();
        AppIni.reset();  // saving; a failure is ignored
    }
    Mru.reset();
    CloseDocument();
    event->accept();
}

}  // namespace qbx
