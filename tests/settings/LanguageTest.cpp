#include <gtest/gtest.h>

#include "support/QtPrinting.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "settings/IniFile.h"
#include "settings/QbxConst.h"
#include "settings/RegUnit.h"

namespace qbx {
namespace {

// A small stand-in for the main window with one component of each kind.
class TestWindow : public QWidget, public TLanguageHost {
public:
    explicit TestWindow(const QString& name = QStringLiteral("QbxForm")) {
        setObjectName(name);
        setWindowTitle("design caption");
        auto* layout = new QVBoxLayout(this);
        open = Add<QAction>("OpenAction", this);
        open->setText(QString::fromUtf8("打开(&O)"));
        label = Make<QLabel>("SearchLabel", layout);
        label->setText("label");
        edit = Make<QLineEdit>("ContextAuthorEdit", layout);
        check = Make<QCheckBox>("LoadQbxCheckBox", layout);
        check->setText("check");
        speed = Make<QToolButton>("PrevSpeedButton", layout);
        speed->setText("prev");
        tabs = Make<QTabWidget>("LeftPageControl", layout);
        page = new QWidget;
        page->setObjectName("IndexTabSheet");
        tabs->addTab(page, QString::fromUtf8("索引"));
        group = Make<QGroupBox>("ContextTypeRadioGroup", layout);
        group->setTitle(QString::fromUtf8("图标类型"));
        toolbar = Make<QToolBar>("ViewToolBar", layout);
        toolbar->setWindowTitle("view");
        toolbar->addAction(open);
        actionButton = qobject_cast<QToolButton*>(toolbar->widgetForAction(open));
        radio = Make<QRadioButton>("SomeRadio", layout);
        radio->setText("radio");
        recent = new QMenu(this);
        recent->setObjectName("RecentFileMenuitem");
        recent->setTitle("recent");
        for (int n = 1; n <= 10; ++n) {
            Add<QAction>(QStringLiteral("bookmark%1").arg(n), this)->setText("x");
            Add<QAction>(QStringLiteral("gobookmark%1").arg(n), this)->setText("y");
        }
    }
    template <typename T>
    T* Add(const QString& name, QWidget* parent) {
        auto* o = new T(parent);
        o->setObjectName(name);
        return o;
    }
    template <typename T>
    T* Make(const QString& name, QVBoxLayout* layout) {
        auto* w = Add<T>(name, this);
        layout->addWidget(w);
        return w;
    }
    QStringList AttachmentColumnHeaders() const override { return headers; }
    void SetAttachmentColumnHeaders(const QStringList& h) override { headers = h; }
    void RelabelSearchMode() override { label->setText(Message(13)); }
    void ApplyDocumentTexts() override { documentTextsApplied = true; }

    QAction* open;
    QLabel* label;
    QLineEdit* edit;
    QCheckBox* check;
    QToolButton* speed;
    QTabWidget* tabs;
    QWidget* page;
    QGroupBox* group;
    QToolBar* toolbar;
    QToolButton* actionButton;
    QRadioButton* radio;
    QMenu* recent;
    QStringList headers = {QString::fromUtf8("文件名"), "b", "c", "d"};
    bool documentTextsApplied = false;
};

class LanguageTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetMessageTable();
        LanguageDir.clear();
        QGuiApplication::setApplicationDisplayName(QString());
    }
    void TearDown() override {
        ResetMessageTable();
        LanguageFileName = kChineseLanguageFile;
    }
    static void WriteLanguageFile(const QString& name, const QByteArray& text) {
        QDir().mkpath(ConfigDir());
        QFile f(ConfigDir() + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
};

TEST_F(LanguageTest, LocaleChoosesTheLanguageFile) {
    EXPECT_EQ(GetLanguageFileName(QLocale(QLocale::Chinese, QLocale::China)), "qbxchs.ini");
    EXPECT_EQ(GetLanguageFileName(QLocale(QLocale::Chinese, QLocale::Taiwan)), "qbxeng.ini");
    EXPECT_EQ(GetLanguageFileName(QLocale(QLocale::English, QLocale::UnitedStates)), "qbxeng.ini");
    EXPECT_EQ(LanguageFileForTag(0), "qbxeng.ini");
    EXPECT_EQ(LanguageFileForTag(1), "qbxchs.ini");
    EXPECT_EQ(LanguageFileForTag(2), "qbxcht.ini");
    EXPECT_EQ(LanguageFileForTag(7), "qbxchs.ini");
}

TEST_F(LanguageTest, SimplifiedChineseChangesOnlyTheApplicationTitle) {
    TestWindow w;
    LanguageFileName = kChineseLanguageFile;
    ApplyLanguage(&w);
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QString::fromUtf8("Quirebox 阅读器"));
    EXPECT_EQ(w.windowTitle(), "design caption");
    EXPECT_EQ(w.open->text(), QString::fromUtf8("打开(&O)"));
}

TEST_F(LanguageTest, TheEnglishFileLocalisesEveryKindOfComponent) {
    LanguageFileName = kEnglishLanguageFile;
    ASSERT_TRUE(WriteEnglishLanguageFile());
    TestWindow w;
    ApplyLanguage(&w);
    EXPECT_EQ(w.open->text(), "&Open...");
    EXPECT_EQ(w.open->toolTip(), "Open");
    EXPECT_EQ(w.open->statusTip(), "Open an existing Quirebox document");
    EXPECT_EQ(w.speed->toolTip(), "Previous Node");
    EXPECT_EQ(w.speed->statusTip(), "Goto previous node");
    EXPECT_EQ(w.speed->text(), "prev");  // no caption key: unchanged
    EXPECT_EQ(w.tabs->tabText(0), "Index");
    EXPECT_EQ(w.group->title(), "Icon Type");
    EXPECT_EQ(w.toolbar->windowTitle(), "View Toolbar");  // values lose their outer blanks
    EXPECT_EQ(w.recent->title(), "&Recent File");
    EXPECT_EQ(w.check->text(), "check");
    EXPECT_EQ(w.findChild<QAction*>("bookmark3")->text(), "Bookmark3");
    EXPECT_EQ(w.findChild<QAction*>("gobookmark10")->text(), "Bookmark10");
    EXPECT_EQ(w.headers, (QStringList{"FileName", "FileSize", "Type", "Save Time"}));
    EXPECT_EQ(Message(23), "Selecting node must have children nodes");  // "23 =" still matches
    EXPECT_EQ(Message(17), "Now Searching");
    EXPECT_EQ(w.label->text(), "Title Search");  // the search label re-labelled from message 13
    EXPECT_EQ(w.windowTitle(), "Quirebox Viewer");
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Quirebox Viewer");
    EXPECT_TRUE(w.documentTextsApplied);
    EXPECT_EQ(w.label->font().family(), kLanguageFontFace);
    EXPECT_EQ(w.edit->font().family(), kLanguageFontFace);
    EXPECT_EQ(w.actionButton->text(), "Open");  // from its action, as a tool button shows it
}

TEST_F(LanguageTest, MissingKeysKeepTheCurrentTexts) {
    LanguageFileName = kTraditionalLanguageFile;
    WriteLanguageFile(
        "qbxcht.ini",
        "[QbxForm]\r\nOpenAction.Caption=\xE9\x96\x8B\xE5\x95\x9F\r\n"
        "[Strings]\r\n0=zero\r\n1=one\r\n2=two\r\n3=3\r\n4=4\r\n5=5\r\n6=6\r\n7=7\r\n8=8\r\n9=9\r\n10=10\r\n");
    TestWindow w;
    w.findChild<QAction*>("bookmark1")->setText("something else");
    ApplyLanguage(&w);
    EXPECT_EQ(w.open->text(), QString::fromUtf8("開啟"));
    EXPECT_EQ(w.tabs->tabText(0), QString::fromUtf8("索引"));
    EXPECT_EQ(w.findChild<QAction*>("bookmark1")->text(), QString::fromUtf8("书签1"));  // no "BookMark" key
    EXPECT_EQ(Message(1), "one");
    EXPECT_EQ(Message(10), "10");
    EXPECT_EQ(Message(11), QString::fromUtf8("行:"));
    EXPECT_EQ(Message(38), BuiltInMessages()[38]);
    EXPECT_EQ(w.windowTitle(), "one");
}

TEST_F(LanguageTest, OtherWindowsUseTheirOwnSection) {
    LanguageFileName = kEnglishLanguageFile;
    ASSERT_TRUE(WriteEnglishLanguageFile());
    TestWindow w("OptionForm");
    auto* box = w.Make<QCheckBox>("LoadQbxCheckBox", static_cast<QVBoxLayout*>(w.layout()));
    box->setText("x");
    ApplyLanguage(&w);
    EXPECT_EQ(w.windowTitle(), "Options");
    EXPECT_EQ(w.check->text(), "Reload &Open File on Startup");
    EXPECT_EQ(w.open->text(), QString::fromUtf8("打开(&O)"));  // OpenAction is no key of [OptionForm]
    EXPECT_EQ(Message(1), BuiltInMessages()[1]);               // only the main window reads [Strings]
}

TEST_F(LanguageTest, SwitchingBackToChineseKeepsReplacedTexts) {
    LanguageFileName = kEnglishLanguageFile;
    ASSERT_TRUE(WriteEnglishLanguageFile());
    TestWindow w;
    SwitchLanguage(0, &w);
    SwitchLanguage(1, &w);
    EXPECT_EQ(LanguageFileName, "qbxchs.ini");
    EXPECT_EQ(w.open->text(), "&Open...");
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Quirebox Viewer");
}

TEST(EnglishFileTest, IsAsciiWithCrLfAndHoldsEveryMessage) {
    const QByteArray file = EnglishLanguageFile();
    ASSERT_FALSE(file.isEmpty());
    for (char c : file) ASSERT_TRUE(static_cast<unsigned char>(c) < 0x80);
    EXPECT_EQ(file.count("\r\n"), file.count('\n'));
    EXPECT_TRUE(file.contains("\r\n23 =Selecting node must have children nodes\r\n"));
    const TIniFile ini = TIniFile::FromText(QString::fromLatin1(file));
    const char* english[] = {"Quirebox Document",
                             "Quirebox Viewer",
                             "Quirebox file(*.qbx)|*.qbx",
                             "Save as...",
                             "Open",
                             "Attachment",
                             "Text file(*.txt)|*.txt",
                             "Rich text file(*.rtf)|*.rtf",
                             "All file|*.*",
                             "Count:",
                             "Current Size:",
                             "Row:",
                             "Column:",
                             "Title Search",
                             "Local Search",
                             "Full Text Search",
                             "Keyword Search",
                             "Now Searching",
                             "(ReadOnly)",
                             "Please input password:",
                             "Select directory:",
                             "Quirebox, Your Excellent Assistant for Collecting Information",
                             "Search Errorage",
                             "Selecting node must have children nodes",
                             "You must select a node",
                             "Recycle Bin",
                             "Error Date",
                             "Quirebox Version",
                             "Error Message",
                             "Current Usage",
                             "Search not found",
                             "Password Error!",
                             "Warning",
                             "The directory of exportment has already existed!",
                             "Open Quirebox document failed!",
                             "This document was not found.",
                             "EXE file already exists! Overwrite it?",
                             "Fails to open file!",
                             "EXE file generated successfully. Would you like to run and test it?"};
    for (int i = 0; i < kMessageCount; ++i) EXPECT_EQ(ini.ReadString("Strings", QString::number(i), "?"), english[i]);
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } samples[] = {
        {"QbxForm", "ExitAction.Hint", "Exit|Quit the application;prompts to save document"},
        {"QbxForm", "Column[3].Caption", "Save Time"},
        {"QbxForm", "BookMark", "Bookmark"},
        {"QbxForm", "ZaqorLabel.Caption", kHomePageUrl},
        {"QbxForm", "ZqLabel1ContextIndexLabel.Caption", "Keyword:"},
        {"SliderForm", "MouseControl.Caption", "Control by &Mouse"},
        {"AttachmentpropertyForm", "Label3.Caption", "DateTime:"},
        {"InPwForm", "OkSpeedButton.Caption", "&Ok"},
        {"AboutForm", "myLabel3.Caption", "Thank for Zaqor's help"},
        {"NowRuningForm", "CancelButton.Caption", "&Cancel"},
        {"OptionForm", "GroupBox2.Caption", "Build Shoutcut"},
        {"ErrorShowForm", "OkSpeedButton.Caption", "&Report"},
    };
    for (const auto& s : samples) EXPECT_EQ(ini.ReadString(s.section, s.key, "?"), s.value) << s.key;
    EXPECT_EQ(BuiltInMessages().size(), kMessageCount);
    EXPECT_EQ(BuiltInMessages()[17], QString::fromUtf8("正在查找 "));
}

}  // namespace
}  // namespace qbx
