// Documents in the window, on documents the test writer makes.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTreeView>
#include <QTreeWidget>

#include "controls/ZqLabel.h"
#include "dialogs/InputPw.h"
#include "reader/ContentsModel.h"
#include "reader/MainFun.h"
#include "reader/MainUnit.h"
#include "settings/IniFile.h"
#include "settings/QbxConst.h"
#include "support/QbxWriter.h"
#include "support/QtPrinting.h"
#include "support/ScriptedInteraction.h"

namespace qbx {
namespace {

using namespace testing;

// Answers the next password dialog with `text`, closed as `result`.
std::function<int(QDialog*)> Typing(const QString& text, int result = QDialog::Accepted) {
    return [text, result](QDialog* d) {
        static_cast<TInPwForm*>(d)->Edit->setText(text);
        return result;
    };
}

WDocument Library() {
    WDocument doc;
    doc.author = Gbk("编者");
    doc.buildDate = 38000.0;
    doc.editDate = 38500.5;
    doc.bookmarks[2] = 0;  // bookmark 3 on the first node
    doc.bookmarks[4] = -1;
    doc.bookmarks[5] = 99;  // beyond the last node: unset
    WNode folder{.title = Gbk("诗"), .icon = 1};
    WNode rtf{.title = "rtf", .depth = 1, .contentFormat = 2, .body = "{\\rtf1 {\\b bold} text}", .pubDate = 38001.0};
    WNode plain{.title = "plain",
                .depth = 1,
                .contentFormat = 3,
                .body = "line one\r\nline two\r\n",
                .author = "me",
                .keyword = "kw",
                .pubDate = 38001.25};
    WNode files{.title = "files", .icon = 3};
    files.attachments = {{.name = "a.htm", .content = "<p>a</p>"}, {.name = "b.png", .content = "png"}};
    WNode locked{.title = "locked", .contentFormat = 0, .body = "secret", .password = "pw"};
    WNode child{.title = "child", .depth = 1, .contentFormat = 0, .body = "child body", .password = "cpw"};
    WNode odd{.title = "odd icon", .icon = 0};
    WNode bin{.title = "bin", .icon = 70, .password = "nope"};
    doc.nodes = {folder, rtf, plain, files, locked, child, odd, bin};
    return doc;
}

class DocumentsTest : public ::testing::Test {
protected:
    QString Save(const WDocument& doc, const QString& name = "doc.qbx") {
        const QString path = dir.filePath(name);
        WriteFile(path.toStdString(), BuildDocument(doc));
        return path;
    }
    QString Ini() const { return dir.filePath("qbx.ini"); }
    void SetUp() override { ResetMessageTable(); }
    void TearDown() override { CurrentDocument.reset(); }
    QTemporaryDir dir;
    ScriptedInteraction script;
};

TEST_F(DocumentsTest, StartUpPaths) {
    const QString doc = Save(Library());
    const QString exe = QCoreApplication::applicationFilePath();
    {  // one argument
        TQbxForm form(Ini());
        form.OpenStartupDocument({doc}, exe);
        ASSERT_TRUE(CurrentDocument);
        EXPECT_EQ(form.windowTitle(), Message(1) + " - " + doc);  // no read-only mark
        EXPECT_EQ(form.Mru->Item(0), doc);
        form.close();
    }
    EXPECT_EQ(TIniFile(Ini()).ReadString("File", "NearFile", ""), doc);  // the close query stores it
    {  // a missing argument file: message 35, and no fall-back to the last file
        TQbxForm form(Ini());
        form.OpenStartupDocument({dir.filePath("missing.qbx")}, exe);
        EXPECT_FALSE(CurrentDocument);
        ASSERT_EQ(script.asked.size(), 1u);
        EXPECT_EQ(script.asked[0].text, Message(35));
        EXPECT_EQ(script.asked[0].caption, Message(32));
        EXPECT_EQ(script.asked[0].icon, QMessageBox::Warning);
    }
    {  // two arguments are ignored: the last file opens
        TQbxForm form(Ini());
        form.OpenStartupDocument({"a", "b"}, exe);
        ASSERT_TRUE(CurrentDocument);
        EXPECT_EQ(QString::fromStdString(CurrentDocument->FileName), doc);
        EXPECT_EQ(form.windowTitle(), Message(1) + " - " + doc);
        CurrentDocument.reset();
        form.AppIni->LoadNearFile = false;
        form.close();
    }
    {  // LoadNearFile off: no document
        TQbxForm form(Ini());
        form.OpenStartupDocument({}, exe);
        EXPECT_FALSE(CurrentDocument);
        EXPECT_EQ(form.TitleLabel->text(), Message(1) + " Version 1.0");
        form.close();
    }
    EXPECT_EQ(TIniFile(Ini()).ReadString("File", "NearFile", "x"), "");
}

TEST_F(DocumentsTest, AStandAloneBookOpensItsOwnDocument) {
    const QString book = dir.filePath("book");
    WriteFile(book.toStdString(),
              ReadFileBytes(QCoreApplication::applicationFilePath().toStdString()) + BuildDocument(Library()));
    TQbxForm form(Ini());
    form.OpenStartupDocument({}, book);
    ASSERT_TRUE(CurrentDocument);
    EXPECT_EQ(form.windowTitle(), Message(1) + " - " + book);
    EXPECT_EQ(form.Mru->Item(0), "");  // recent files unchanged
    EXPECT_EQ(form.Contents->Count(), 8);
}

TEST_F(DocumentsTest, OpeningFailuresAndPasswords) {
    WDocument protectedDoc = Library();
    protectedDoc.password = "Secret";
    const QString path = Save(protectedDoc);
    WDocument twelve = Library();
    twelve.password = "123456789012";
    const QString twelvePath = Save(twelve, "twelve.qbx");
    TQbxForm form(Ini());
    const struct {
        const char* name;
        QString file;
        std::function<int(QDialog*)> answer;
        bool opens;
        QString message;
    } cases[] = {
        {"right password", path, Typing("Secret"), true, ""},
        {"letter case differs", path, Typing("secret"), false, Message(31)},
        {"trailing blank", path, Typing("Secret "), false, Message(31)},
        {"cancelled", path, Typing("Secret", QDialog::Rejected), false, ""},
        {"twelve characters cannot be typed", twelvePath,
         [](QDialog* d) {
             QTest::keyClicks(static_cast<TInPwForm*>(d)->Edit, "123456789012");
             return QDialog::Accepted;
         },
         false, Message(31)},
    };
    for (const auto& c : cases) {
        form.CloseDocument();
        script.asked.clear();
        script.dialogs.push_back(c.answer);
        form.OpenDocument(c.file, 0);
        EXPECT_EQ(bool(CurrentDocument), c.opens) << c.name;
        ASSERT_GE(script.asked.size(), 1u) << c.name;
        EXPECT_EQ(script.asked[0].text, "InPwForm") << c.name;  // one attempt
        if (c.message.isEmpty()) {
            EXPECT_EQ(script.asked.size(), 1u) << c.name;
        } else {
            ASSERT_EQ(script.asked.size(), 2u) << c.name;
            EXPECT_EQ(script.asked[1].text, c.message) << c.name;
            EXPECT_EQ(script.asked[1].caption, Message(1)) << c.name;
            EXPECT_EQ(script.asked[1].icon, QMessageBox::Critical) << c.name;
        }
    }
}

TEST_F(DocumentsTest, OpenAndCloseCommands) {
    const QString path = Save(Library());
    TQbxForm form(Ini());
    script.fileNames.push_back(path);
    form.Action("OpenAction")->trigger();
    ASSERT_TRUE(CurrentDocument);
    EXPECT_EQ(form.windowTitle(), Message(1) + " - " + path + Message(18));
    EXPECT_EQ(form.Mru->Item(0), path);
    EXPECT_EQ(form.findChild<QLineEdit*>("DbAuthorEdit")->text(), QString::fromUtf8("编者"));
    EXPECT_FALSE(form.findChild<QLineEdit*>("DbBuildDateEdit")->text().isEmpty());
    EXPECT_TRUE(form.Action("CloseAction")->isEnabled());
    EXPECT_TRUE(form.TreeView->isEnabled());
    EXPECT_EQ(form.TitleLabel->text(), "");

    form.Action("OpenAction")->trigger();  // cancelled: the document stays
    EXPECT_TRUE(CurrentDocument);
    script.fileNames.push_back(dir.filePath("gone.qbx"));
    form.Action("OpenAction")->trigger();  // fails: no document, caption message 1
    EXPECT_FALSE(CurrentDocument);
    EXPECT_EQ(form.windowTitle(), Message(1));

    script.fileNames.push_back(path);
    form.Action("OpenAction")->trigger();
    form.SelectNode(3);
    form.Action("CloseAction")->trigger();
    EXPECT_FALSE(CurrentDocument);
    EXPECT_EQ(form.Contents->Count(), 0);
    EXPECT_EQ(form.ListView->topLevelItemCount(), 0);
    EXPECT_TRUE(form.RichEdit->toPlainText().isEmpty());
    EXPECT_EQ(form.RightPageControl->tabText(2), Message(5));
    EXPECT_TRUE(form.findChild<QLineEdit*>("DbAuthorEdit")->text().isEmpty());
    EXPECT_FALSE(form.Action("CloseAction")->isEnabled());
    EXPECT_FALSE(form.TreeView->isEnabled());
    EXPECT_EQ(form.windowTitle(), Message(1));
}

TEST_F(DocumentsTest, AnEmptyDocumentOpens) {
    WDocument empty;
    empty.author = "nobody";
    TQbxForm form(Ini());
    form.OpenDocument(Save(empty), 0);
    ASSERT_TRUE(CurrentDocument);
    EXPECT_EQ(form.Contents->Count(), 0);
    EXPECT_EQ(form.findChild<QLineEdit*>("DbAuthorEdit")->text(), "nobody");
    EXPECT_TRUE(form.Action("CloseAction")->isEnabled());
}

TEST_F(DocumentsTest, TheTreeModel) {
    TQbxForm form(Ini());
    form.OpenDocument(Save(Library()), 0);
    QAbstractItemModelTester tester(form.Contents, QAbstractItemModelTester::FailureReportingMode::Fatal);
    TContentsModel& m = *form.Contents;
    EXPECT_EQ(m.rowCount(), 5);  // 诗, files, locked, odd icon, bin
    EXPECT_EQ(m.rowCount(m.IndexOf(0)), 2);
    EXPECT_EQ(m.data(m.IndexOf(0), Qt::DisplayRole).toString(), QString::fromUtf8("诗"));
    EXPECT_EQ(m.data(m.IndexOf(7), Qt::DisplayRole).toString(), Message(25));  // the recycle bin
    EXPECT_EQ(m.parent(m.IndexOf(5)), m.IndexOf(4));
    EXPECT_EQ(m.AbsoluteIndex(m.index(1, 0, m.IndexOf(0))), 2);
    EXPECT_FALSE(m.DataValue(4) & 0x80000000u);
    EXPECT_TRUE(m.BookmarkMark(0));
    EXPECT_FALSE(m.BookmarkMark(1));
}

TEST_F(DocumentsTest, NodePasswordsAskOncePerOpening) {
    const QString path = Save(Library());
    TQbxForm form(Ini());
    form.OpenDocument(path, 0);
    script.dialogs.push_back(Typing("wrong"));
    form.SelectNode(4);
    EXPECT_EQ(form.SelectedNode(), -1);  // refused
    ASSERT_EQ(script.asked.size(), 2u);
    EXPECT_EQ(script.asked[1].text, Message(31));
    EXPECT_EQ(script.asked[1].icon, QMessageBox::Warning);

    script.asked.clear();
    script.dialogs.push_back(Typing("pw"));
    form.SelectNode(4);
    EXPECT_EQ(form.SelectedNode(), 4);
    EXPECT_EQ(form.RichEdit->toPlainText(), "secret");
    EXPECT_TRUE(form.Contents->DataValue(4) & 0x80000000u);
    form.SelectNode(0);
    form.SelectNode(4);  // no second question
    EXPECT_EQ(script.asked.size(), 1u);

    // The right text with the close box: refused, but unlocked for next time.
    script.asked.clear();
    script.dialogs.push_back(Typing("cpw", QDialog::Rejected));
    form.SelectNode(5);
    EXPECT_EQ(form.SelectedNode(), 4);
    form.SelectNode(5);
    EXPECT_EQ(form.SelectedNode(), 5);
    EXPECT_EQ(script.asked.size(), 1u);

    // The recycle bin never asks; reopening asks again.
    form.SelectNode(7);
    EXPECT_EQ(form.SelectedNode(), 7);
    EXPECT_EQ(script.asked.size(), 1u);
    form.CloseDocument();
    form.OpenDocument(path, 0);
    script.asked.clear();
    form.SelectNode(4);
    EXPECT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(form.SelectedNode(), -1);
}

TEST_F(DocumentsTest, AskingBeforeExpanding) {
    TQbxForm form(Ini());
    form.OpenDocument(Save(Library()), 0);
    form.TreeView->expand(form.Contents->IndexOf(4));  // "locked" has a child
    EXPECT_FALSE(form.TreeView->isExpanded(form.Contents->IndexOf(4)));
    script.dialogs.push_back(Typing("pw"));
    form.TreeView->expand(form.Contents->IndexOf(4));
    EXPECT_TRUE(form.TreeView->isExpanded(form.Contents->IndexOf(4)));
    form.TreeView->expand(form.Contents->IndexOf(0));  // no password
    EXPECT_TRUE(form.TreeView->isExpanded(form.Contents->IndexOf(0)));
}

TEST_F(DocumentsTest, NodeDisplay) {
    TQbxForm form(Ini());
    form.OpenDocument(Save(Library()), 0);
    const QList<QRadioButton*> kinds = form.ContextTypeRadioGroup->findChildren<QRadioButton*>();
    auto checkedKind = [&] {
        for (int i = 0; i < kinds.size(); ++i)
            if (kinds[i]->isChecked()) return i;
        return -1;
    };
    form.SelectNode(1);  // RTF body
    EXPECT_EQ(form.RichEdit->toPlainText(), "bold text");
    EXPECT_EQ(form.RichEdit->textCursor().position(), 0);
    EXPECT_EQ(form.findChild<QLineEdit*>("ContextPubDateEdit")->text(), DateText(38001.0));  // midnight: date only
    EXPECT_EQ(form.TitleLabel->text(), "rtf");
    EXPECT_EQ(checkedKind(), 1);

    form.SelectNode(2);  // compressed plain body
    EXPECT_EQ(form.RichEdit->toPlainText(), "line one\nline two\n");
    EXPECT_NE(form.findChild<QLineEdit*>("ContextPubDateEdit")->text(), DateText(38001.25));
    EXPECT_EQ(form.findChild<QLineEdit*>("ContextAuthorEdit")->text(), "me");
    EXPECT_EQ(form.findChild<QLineEdit*>("ContextIndexEdit")->text(), "kw");

    form.SelectNode(3);  // no body, two attachments
    EXPECT_TRUE(form.RichEdit->toPlainText().isEmpty());
    EXPECT_EQ(form.ListView->topLevelItemCount(), 2);
    EXPECT_EQ(form.ListView->topLevelItem(0)->text(0), "a.htm");
    EXPECT_EQ(form.RightPageControl->tabText(2), Message(5) + "(2)");
    EXPECT_EQ(checkedKind(), 2);

    form.SelectNode(6);  // image index 0: no kind
    EXPECT_EQ(checkedKind(), -1);
    EXPECT_EQ(form.RightPageControl->tabText(2), Message(5));
    form.SelectNode(7);  // the recycle bin shows as HTML
    EXPECT_EQ(checkedKind(), 2);
    EXPECT_EQ(form.TitleLabel->text(), Message(25));

    form.TreeView->selectionModel()->clear();  // no node: cleared, but the title label stays
    EXPECT_EQ(form.TitleLabel->text(), Message(25));
    EXPECT_TRUE(form.findChild<QLineEdit*>("ContextAuthorEdit")->text().isEmpty());
    EXPECT_EQ(checkedKind(), 1);
    EXPECT_EQ(form.PanelText(0), Message(9) + "8");
}

TEST_F(DocumentsTest, PreviousAndNext) {
    TQbxForm form(Ini());
    form.OpenDocument(Save(Library()), 0);
    form.PrevSpeedButtonClick();  // nothing selected: nothing happens
    EXPECT_EQ(form.SelectedNode(), -1);
    form.SelectNode(0);
    form.PrevSpeedButtonClick();
    EXPECT_EQ(form.SelectedNode(), 0);  // the first node stays
    form.NextSpeedButtonClick();
    EXPECT_EQ(form.SelectedNode(), 1);  // into the folder, expanded or not
    form.SelectNode(7);
    form.NextSpeedButtonClick();
    EXPECT_EQ(form.SelectedNode(), 7);         // the last node stays
    form.LeftPageControl->setCurrentIndex(2);  // the property tab: nothing
    form.PrevSpeedButtonClick();
    EXPECT_EQ(form.SelectedNode(), 7);
}

TEST_F(DocumentsTest, Bookmarks) {
    TQbxForm form(Ini());
    form.OpenDocument(Save(Library()), 0);
    QMenu* set = form.findChild<QMenu*>("togglebookmark");
    QMenu* go = form.findChild<QMenu*>("gobookmark");
    for (int slot = 1; slot <= 10; ++slot) {
        const bool expected = slot == 3;
        EXPECT_EQ(set->actions()[slot - 1]->isChecked(), expected) << slot;
        EXPECT_EQ(go->actions()[slot - 1]->isChecked(), expected) << slot;
    }
    go->actions()[2]->trigger();  // Alt+3
    EXPECT_EQ(form.SelectedNode(), 0);
    go->actions()[4]->trigger();  // unset: nothing
    EXPECT_EQ(form.SelectedNode(), 0);

    form.SelectNode(2);
    set->actions()[4]->trigger();  // set bookmark 5 on node 2
    EXPECT_TRUE(form.Contents->BookmarkMark(2));
    EXPECT_TRUE(go->actions()[4]->isChecked());
    form.SelectNode(1);
    set->actions()[4]->trigger();  // the same item again, elsewhere: clears bookmark 5
    EXPECT_FALSE(form.Contents->BookmarkMark(2));
    EXPECT_FALSE(set->actions()[4]->isChecked());
    EXPECT_FALSE(go->actions()[4]->isChecked());
    EXPECT_EQ(CurrentDocument->Header.Bookmarks[4], -1);
}

TEST_F(DocumentsTest, ADamagedDocumentShowsTheErrorReport) {
    WLayout layout;
    std::string bytes = BuildDocument(Library(), &layout);
    const int32_t huge = 0x7FFFFFF0;
    std::memcpy(bytes.data() + layout.nodePos[1] + 104, &huge, 4);  // the RTF body's length
    const QString path = dir.filePath("damaged.qbx");
    WriteFile(path.toStdString(), bytes);
    TQbxForm form(Ini());
    form.show();
    script.fileNames.push_back(path);
    // Commands run from the event loop, as a user's key press or click runs them.
    QMetaObject::invokeMethod(form.Action("OpenAction"), "trigger", Qt::QueuedConnection);
    QCoreApplication::processEvents();
    ASSERT_TRUE(CurrentDocument);
    script.asked.clear();
    // Selecting the damaged node ends in the report, and the window goes on.
    QMetaObject::invokeMethod(
        &form, [&form] { form.SelectNode(1); }, Qt::QueuedConnection);
    QCoreApplication::processEvents();
    ASSERT_FALSE(script.asked.empty());
    EXPECT_EQ(script.asked.back().text, "ErrorShowForm");
    form.SelectNode(2);
    EXPECT_EQ(form.RichEdit->toPlainText(), "line one\nline two\n");
}

}  // namespace
}  // namespace qbx

namespace qbx {
namespace {

TEST_F(DocumentsTest, ScreenshotWithADocument) {
    TQbxForm form(Ini());
    form.resize(800, 500);
    form.show();
    form.OpenDocument(Save(Library()), 0);
    form.SelectNode(1);
    QTest::qWait(50);
    const QString out = qEnvironmentVariable("QBX_SCREENSHOT_DIR");
    if (!out.isEmpty()) form.grab().save(out + "/document.png");
    EXPECT_FALSE(form.grab().isNull());
}

}  // namespace
}  // namespace qbx
