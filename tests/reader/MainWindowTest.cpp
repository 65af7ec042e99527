#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <QTreeWidget>

#include "controls/ZqLabel.h"
#include "reader/ActionTable.h"
#include "reader/MainUnit.h"
#include "reader/StatusPanels.h"
#include "settings/IniFile.h"
#include "settings/QbxConst.h"
#include "support/QtPrinting.h"
#include "support/ScriptedInteraction.h"

namespace qbx {
namespace {

using testing::ScriptedInteraction;

// Names of a menu's or toolbar's entries: action names, "-" for separators, ">menu" for submenus.
QStringList Entries(const QList<QAction*>& actions) {
    QStringList out;
    for (QAction* a : actions) {
        if (a->menu())
            out << ">" + a->menu()->objectName();
        else if (a->isSeparator())
            out << "-";
        else
            out << a->objectName();
    }
    return out;
}

class MainWindowTest : public ::testing::Test {
protected:
    QString Ini() const { return dir.filePath("qbx.ini"); }
    QTemporaryDir dir;
};

TEST_F(MainWindowTest, MenusAndToolbarsFollowTheDesign) {
    TQbxForm form(Ini());
    const struct {
        const char* menu;
        QStringList entries;
    } menus[] = {
        {"FileMenuItem",
         {"OpenAction", "CloseAction", "-", "ExportAction", "MakeExeAction", "PrintAction", "-", ">RecentFileMenuitem",
          "-", "MyLoveMenuItem", "-", "ExitAction"}},
        {"EditMenuItem", {"CopyAction", "-", "SelAllAction", "FindAction", "FindNextAction"}},
        {"ViewMenuItem",
         {"StatusAction", "TitleAction", ">ToolbarsMenuitem", "WordWrapAction", "BigFontAction", "SmallFontAction", "-",
          "FullScreen", "SliderAction", "-", "OptionAction", "-", ">LanguageMenuItem"}},
        {"HelpMenuItem", {"AboutAction", "ReadMeAction", "-", "HomePageAction", "EMailAction"}},
        {"ToolbarsMenuitem", {"FileToolAction", "ViewToolAction", "OtherToolAction", "-", "ToolsAction"}},
        {"ControlPopMenu", {"FileToolAction", "ViewToolAction", "OtherToolAction", "-", "ToolsAction"}},
        {"RichEditPopupMenu", {"CopyAction", "SelAllAction"}},
        {"TreeViewPopupMenu", {">togglebookmark", ">gobookmark", "-", "ExporttoNormalMenuitem"}},
        {"AttachMentPopMenu",
         {"OpenAttachmentAction", "SaveAsAttachmentAction", "-", "PropertyAttachmentAction", "BigIconAction",
          "SmallIconAction", "ListShowAction", "DetailAction"}},
        {"RecentFileMenuitem", {"ListMenuItem", "MenuItem2", "MenuItem3", "MenuItem4", "MenuItem5"}},
        {"LanguageMenuItem", {"EnglishMenuItem", "SimpliedChineseMenuitem", "TraditionalChineseMenuItem"}},
    };
    for (const auto& m : menus) {
        QMenu* menu = form.Menu(m.menu);
        ASSERT_NE(menu, nullptr) << m.menu;
        EXPECT_EQ(Entries(menu->actions()), m.entries) << m.menu;
    }
    QStringList top;
    for (QAction* a : form.menuBar()->actions()) top << a->menu()->objectName();
    EXPECT_EQ(top, (QStringList{"FileMenuItem", "EditMenuItem", "ViewMenuItem", "HelpMenuItem"}));

    const struct {
        const char* toolbar;
        QStringList entries;
    } toolbars[] = {
        {"FileToolBar", {"OpenAction", "-", "MyLoveToolButton", "-", "PrintAction"}},
        {"OtherToolBar",
         {"CopyAction", "-", "FindAction", "-", "AboutAction", "ReadMeAction", "-", "HomePageAction", "EMailAction",
          "-", "ExitAction"}},
        {"ViewToolBar",
         {"StatusAction", "TitleAction", "WordWrapAction", "-", "BigFontAction", "SmallFontAction", "-",
          "SliderAction"}},
    };
    for (const auto& t : toolbars) EXPECT_EQ(Entries(form.ToolBar(t.toolbar)->actions()), t.entries) << t.toolbar;
    EXPECT_EQ(form.findChild<QMenu*>("togglebookmark")->actions().size(), 10);
    EXPECT_EQ(form.findChild<QAction*>("bookmark10")->shortcut(), QKeySequence("Ctrl+0"));
    EXPECT_EQ(form.findChild<QAction*>("gobookmark3")->shortcut(), QKeySequence("Alt+3"));
}

TEST_F(MainWindowTest, ActionsCarryTheirDesign) {
    TQbxForm form(Ini());
    const struct {
        const char* name;
        const char* caption;
        const char* shortcut;
        int tag;
    } cases[] = {
        {"OpenAction", "打开(&O)...", "Ctrl+O", 3},
        {"PrintAction", "打印(&P)...", "Ctrl+P", 2},
        {"MyLoveAction", "我的最爱(&L)", "F12", 3},
        {"ExitAction", "退出(&X)", "Alt+F4", 3},
        {"FindNextAction", "查找下一个(&N)", "F3", 2},
        {"BigFontAction", "字体放大(&B)", "Ctrl+Shift+I", 2},
        {"FullScreen", "全屏", "F11", 3},
        {"SliderAction", "读书模式", "F9", 2},
        {"OptionAction", "选项(&O)...", "Alt+N", 3},
        {"ReadMeAction", "使用帮助(&U)", "F1", 3},
    };
    for (const auto& c : cases) {
        QAction* a = form.Action(c.name);
        ASSERT_NE(a, nullptr) << c.name;
        EXPECT_EQ(a->text(), QString::fromUtf8(c.caption)) << c.name;
        EXPECT_EQ(a->shortcut(), QKeySequence(c.shortcut)) << c.name;
        EXPECT_EQ(a->property("tag").toInt(), c.tag) << c.name;
    }
    EXPECT_EQ(form.Action("TitleAction")->toolTip(), QString::fromUtf8("标题栏"));
    EXPECT_EQ(form.Action("TitleAction")->statusTip(), QString::fromUtf8("显示/隐藏标题栏"));
    EXPECT_TRUE(form.Action("StatusAction")->isChecked());
    EXPECT_EQ(form.Actions().size(), static_cast<qsizetype>(ActionTable().size()));
}

TEST_F(MainWindowTest, WithoutADocumentOnlyOddTagsAreEnabled) {
    TQbxForm form(Ini());
    for (QAction* a : form.Actions()) {
        if (a->property("followsFocus").toBool()) continue;
        const bool implemented = a->property("implemented").toBool();
        if (NeedsDocument(a->property("tag").toInt()) || !implemented)
            EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
        else
            EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
    }
    for (const char* name : {"StatusAction", "TitleAction", "ToolsAction", "FullScreen", "ExitAction", "AboutAction",
                             "FileToolAction", "ViewToolAction", "OtherToolAction"})
        EXPECT_TRUE(form.Action(name)->isEnabled()) << name;
}

TEST_F(MainWindowTest, ToolbarCommandsAndTheirChecks) {
    TQbxForm form(Ini());
    EXPECT_EQ(TQbxForm::ToolbarNameOf("FileToolAction"), "FileToolBar");
    QAction* file = form.Action("FileToolAction");
    file->trigger();  // clears the check
    EXPECT_FALSE(file->isChecked());
    EXPECT_TRUE(form.ToolBar("FileToolBar")->isHidden());
    form.ToolBar("ViewToolBar")->hide();  // hidden some other way
    form.UpdateActions();
    EXPECT_FALSE(form.Action("ViewToolAction")->isChecked());
    form.Action("ToolsAction")->trigger();
    for (const char* name : {"FileToolBar", "ViewToolBar", "OtherToolBar"})
        EXPECT_FALSE(form.ToolBar(name)->isHidden()) << name;
    EXPECT_TRUE(file->isChecked());
    EXPECT_EQ(form.ToolBar("FileToolBar")->property("storedPlace").toRect(), QRect(11, 30, 104, 24));

    form.Action("StatusAction")->trigger();
    EXPECT_TRUE(form.statusBar()->isHidden());
    form.Action("TitleAction")->trigger();
    EXPECT_TRUE(form.LeftForm->isHidden());
    form.Action("TitleAction")->trigger();
    EXPECT_FALSE(form.LeftForm->isHidden());
}

TEST_F(MainWindowTest, AFloatingToolbarHasATitleAndACloseBoxAndResetDocksIt) {
    TQbxForm form(Ini());
    form.show();
    QToolBar* bar = form.ToolBar("ViewToolBar");
    // What dragging it out of the control bar leaves: a window of its own.
    bar->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    bar->show();
    form.ToolbarFloated(bar);
    EXPECT_TRUE(bar->isWindow());
    EXPECT_TRUE(bar->windowFlags() & Qt::WindowTitleHint);
    EXPECT_TRUE(bar->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(bar->windowTitle(), QString::fromUtf8("查看工具栏"));
    bar->close();  // its close box
    form.UpdateActions();
    EXPECT_FALSE(form.Action("ViewToolAction")->isChecked());
    form.Action("ToolsAction")->trigger();
    EXPECT_FALSE(bar->isWindow());
    EXPECT_FALSE(bar->isHidden());
    EXPECT_EQ(form.toolBarArea(bar), Qt::TopToolBarArea);
    EXPECT_TRUE(form.Action("ViewToolAction")->isChecked());
}

TEST_F(MainWindowTest, FullScreenHidesTheToolbarsAndRestores) {
    TQbxForm form(Ini());
    form.show();
    form.ToolBar("OtherToolBar")->hide();
    form.Action("FullScreen")->trigger();
    EXPECT_TRUE(form.windowState() & Qt::WindowMaximized);
    for (const char* name : {"FileToolBar", "ViewToolBar", "OtherToolBar"}) EXPECT_TRUE(form.ToolBar(name)->isHidden());
    form.UpdateActions();
    EXPECT_TRUE(form.Action("FileToolAction")->isChecked());  // hidden by full screen, not by the user
    form.Action("FullScreen")->trigger();
    EXPECT_FALSE(form.windowState() & Qt::WindowMaximized);
    EXPECT_FALSE(form.ToolBar("FileToolBar")->isHidden());
    EXPECT_TRUE(form.ToolBar("OtherToolBar")->isHidden());
}

TEST_F(MainWindowTest, StatusPanelsAndTheHintHandler) {
    TQbxForm form(Ini());
    EXPECT_EQ(form.PanelText(0), QString::fromUtf8("记录数：0"));
    form.RichEdit->setPlainText("12345");
    EXPECT_EQ(form.PanelText(1), QString::fromUtf8("记录长度：5"));
    QStatusTipEvent tip(QString::fromUtf8("显示/隐藏标题栏"));
    QCoreApplication::sendEvent(&form, &tip);
    EXPECT_EQ(form.PanelText(2), QString::fromUtf8("显示/隐藏标题栏"));
    EXPECT_EQ(form.StatusPanels->PanelRect(2), QRect(250, 0, 282, 20));
}

TEST_F(MainWindowTest, SettingsSurviveARestart) {
    {
        TQbxForm form(Ini());
        form.show();
        form.AppendSearchHistory("moon");
        form.Action("WordWrapAction")->setChecked(false);
        form.SetWordWrap(false);
        form.Action("OtherToolAction")->trigger();  // hide a toolbar
        form.Action("StatusAction")->trigger();
        form.SetSearchIndex(2);
        form.close();
    }
    const TIniFile ini(Ini());
    EXPECT_EQ(ini.ReadString("SearchList", "ListValues0", ""), "moon");
    EXPECT_FALSE(ini.ReadBool("ControlBar", "OtherToolBarVisible", true));
    EXPECT_FALSE(ini.HasKey("ControlBar", "OtherToolBarLeft"));
    EXPECT_TRUE(ini.HasKey("ControlBar", "FileToolBarLeft"));
    EXPECT_FALSE(ini.ReadBool("StatusBar", "Visible", true));
    EXPECT_FALSE(ini.ReadBool("RichEdit", "WordWrap", true));
    EXPECT_EQ(ini.ReadInteger("QbxForm", "SearchIndex", 0), 2);

    TQbxForm again(Ini());
    EXPECT_EQ(again.SearchHistory(), QStringList{"moon"});
    EXPECT_TRUE(again.ToolBar("OtherToolBar")->isHidden());
    EXPECT_FALSE(again.Action("OtherToolAction")->isChecked());
    EXPECT_FALSE(again.Action("StatusAction")->isChecked());
    EXPECT_FALSE(again.Action("WordWrapAction")->isChecked());
    EXPECT_EQ(again.SearchLabel->text(), Message(14));
}

TEST_F(MainWindowTest, WithoutSettingsTheDesignLooksApply) {
    TQbxForm form(Ini());
    EXPECT_EQ(form.TreeLook().Color, 15785955);
    EXPECT_EQ(form.TreeLook().Font.Name, QString::fromUtf8("宋体"));
    EXPECT_EQ(form.TreeView->palette().color(QPalette::Base), QColor(227, 223, 240));
    EXPECT_EQ(form.ContentLook().Color, kClWindow);
    EXPECT_EQ(form.ContentLook().Font.Size, 9);
    EXPECT_EQ(form.Bounds().size(), QSize(693, 439));
    EXPECT_TRUE(form.Action("TitleAction")->isChecked());
    EXPECT_TRUE(form.Action("BigIconAction")->isChecked());
}

TEST_F(MainWindowTest, AbsurdSettingsAreClamped) {
    {
        QFile f(Ini());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[QbxForm]\nSearchIndex=99\n[File]\nListViewStyle=-4\n");
    }
    TQbxForm form(Ini());
    EXPECT_EQ(form.SearchIndex(), 3);
    EXPECT_EQ(form.ListViewStyle(), 0);
    EXPECT_TRUE(form.Action("BigIconAction")->isChecked());
}

TEST_F(MainWindowTest, AboutAndLanguage) {
    ScriptedInteraction script;
    TQbxForm form(Ini());
    form.Action("AboutAction")->trigger();
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(script.asked[0].text, "AboutForm");
    EXPECT_EQ(form.TitleLabel->text(), QString::fromUtf8("Quirebox 阅读器 Version 1.0"));

    ASSERT_TRUE(WriteEnglishLanguageFile());
    form.findChild<QAction*>("EnglishMenuItem")->trigger();
    EXPECT_EQ(LanguageFileName, "qbxeng.ini");
    EXPECT_EQ(form.Action("OpenAction")->text(), "&Open...");
    EXPECT_EQ(form.windowTitle(), "Quirebox Viewer");
    EXPECT_EQ(form.TitleLabel->text(), "Quirebox Viewer Version 1.0");
    EXPECT_EQ(form.findChild<QAction*>("bookmark2")->text(), "Bookmark2");
    QStringList menuBar;
    for (const QAction* menu : form.menuBar()->actions()) menuBar << menu->text();
    EXPECT_EQ(menuBar, QStringList({"&File", "&Edit", "&View", "&Help"}));
    EXPECT_TRUE(form.findChild<QAction*>("EnglishMenuItem")->isChecked());
    form.findChild<QAction*>("SimpliedChineseMenuitem")->trigger();
    EXPECT_EQ(LanguageFileName, "qbxchs.ini");
    ResetMessageTable();
}

// Screen readers announce the views by the captions of their pages, in the current language.
TEST_F(MainWindowTest, ViewsHaveAccessibleNamesInTheCurrentLanguage) {
    TQbxForm form(Ini());
    const auto names = [&form] {
        return QStringList{form.TreeView->accessibleName(),           form.SearchListBox->accessibleName(),
                           form.RichEdit->accessibleName(),           form.ListView->accessibleName(),
                           form.AttachmentIconView->accessibleName(), form.Edit1->accessibleName()};
    };
    EXPECT_EQ(names(), QString::fromUtf8("索引 查询 内容 附件 附件 标题检索").split(' '));

    ASSERT_TRUE(WriteEnglishLanguageFile());
    form.findChild<QAction*>("EnglishMenuItem")->trigger();
    const QStringList english = names();
    EXPECT_EQ(english[0], form.LeftPageControl->tabText(0));
    EXPECT_EQ(english[3], Message(5));
    for (const QString& name : english) {
        EXPECT_FALSE(name.isEmpty());
        EXPECT_FALSE(name.contains(QRegularExpression(QStringLiteral("[\\x{4e00}-\\x{9fff}]")))) << name.toStdString();
    }
    form.findChild<QAction*>("SimpliedChineseMenuitem")->trigger();
    ResetMessageTable();
}

TEST_F(MainWindowTest, TheIdleCycleRunsTheUpdateHandlers) {
    TQbxForm form(Ini());
    form.ToolBar("ViewToolBar")->hide();
    QEventLoop loop;  // a real loop, which blocks between events
    QTimer::singleShot(20, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_FALSE(form.Action("ViewToolAction")->isChecked());
}

TEST_F(MainWindowTest, TheLinkLabelOpensTheHomePage) {
    ScriptedInteraction script;
    TQbxForm form(Ini());
    emit form.ZaqorLabel->clicked();
    ASSERT_EQ(script.openedUrls.size(), 1u);
    EXPECT_EQ(script.openedUrls[0].toString(), kHomePageUrl);
}

TEST_F(MainWindowTest, StandardEditActionsWorkOnTheFocusedTextControl) {
    TQbxForm form(Ini());
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QLineEdit* edit = form.Edit1->lineEdit();
    form.Edit1->setEnabled(true);
    edit->setFocus();
    ASSERT_TRUE(QApplication::focusWidget() == edit || QApplication::focusWidget() == form.Edit1);
    edit->setText("hello");
    form.UpdateActions();  // what the idle cycle does
    form.Action("EditSelectAll")->trigger();
    EXPECT_EQ(edit->selectedText(), "hello");
    form.UpdateActions();
    EXPECT_TRUE(form.Action("EditCut")->isEnabled());
    form.Action("EditCut")->trigger();
    EXPECT_EQ(edit->text(), "");
    form.UpdateActions();
    form.Action("EditPaste")->trigger();
    EXPECT_EQ(edit->text(), "hello");
    form.UpdateActions();
    form.Action("EditUndo")->trigger();
    EXPECT_EQ(edit->text(), "");
}

TEST_F(MainWindowTest, Screenshot) {
    TQbxForm form(Ini());
    form.show();
    QTest::qWait(50);
    const QString out = qEnvironmentVariable("QBX_SCREENSHOT_DIR");
    if (!out.isEmpty()) form.grab().save(out + "/main-window.png");
    EXPECT_FALSE(form.grab().isNull());
}

}  // namespace
}  // namespace qbx
