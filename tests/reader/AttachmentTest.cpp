// Opening and saving attachments.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "dialogs/AttachpropertyUnit.h"
#include "reader/MainFun.h"
#include "reader/MainUnit.h"
#include "support/FileBytes.h"
#include "support/QbxWriter.h"
#include "support/QtPrinting.h"
#include "support/ScriptedInteraction.h"

namespace qbx {
namespace {

using namespace testing;

class AttachmentTest : public ::testing::Test {
protected:
    void SetUp() override {
        WDocument doc;
        WNode n{.title = "files"};
        n.attachments = {{.name = "a.txt", .content = "first"},
                         {.name = "a.txt", .content = "second"},  // the same name again
                         {.name = "../../escape.txt", .content = "hostile"},
                         {.name = "", .content = "nameless"}};
        doc.nodes = {n};
        const QString path = dir.filePath("files.qbx");
        WriteFile(path.toStdString(), BuildDocument(doc));
        form = std::make_unique<TQbxForm>(dir.filePath("qbx.ini"));
        form->OpenDocument(path, 0);
        form->SelectNode(0);
        ASSERT_EQ(form->ListView->topLevelItemCount(), 4);
    }
    void TearDown() override {
        form.reset();
        CurrentDocument.reset();
    }
    void Select(std::initializer_list<int> rows) {
        form->ListView->clearSelection();
        for (int r : rows) form->ListView->topLevelItem(r)->setSelected(true);
    }
    QTemporaryDir dir;
    ScriptedInteraction script;
    std::unique_ptr<TQbxForm> form;
};

TEST_F(AttachmentTest, OpenExtractsIntoThePrivateFolderAndOpensEach) {
    Select({0, 1, 2});
    form->Action("OpenAttachmentAction")->trigger();
    ASSERT_EQ(script.openedUrls.size(), 3u);
    const QString temp = form->AppIni->TempDir;
    EXPECT_EQ(script.openedUrls[0].toLocalFile(), temp + "a.txt");
    EXPECT_EQ(FileBytes(temp + "a.txt"), "second");  // the later one wins
    EXPECT_EQ(script.openedUrls[2].toLocalFile(), temp + "escape.txt");
    EXPECT_EQ(FileBytes(temp + "escape.txt"), "hostile");
}

TEST_F(AttachmentTest, SaveOneThroughTheDialogOrSeveralIntoAFolder) {
    Select({1});
    const QString one = dir.filePath("one.txt");
    script.fileNames.push_back(one);
    form->Action("SaveAsAttachmentAction")->trigger();
    EXPECT_EQ(FileBytes(one), "second");
    ASSERT_FALSE(script.asked.empty());
    EXPECT_EQ(script.asked.back().kind, "save");
    EXPECT_EQ(script.asked.back().text, "a.txt");

    QDir(dir.path()).mkdir("out");
    const QString out = dir.filePath("out");
    Select({0, 1, 2, 3});
    script.fileNames.push_back(out);
    form->Action("SaveAsAttachmentAction")->trigger();
    EXPECT_EQ(FileBytes(out + "/a.txt"), "second");
    EXPECT_EQ(FileBytes(out + "/escape.txt"), "hostile");
    EXPECT_EQ(FileBytes(out + "/attachment"), "nameless");
    EXPECT_FALSE(QFile::exists(dir.filePath("escape.txt")));  // nothing outside the folder

    script.asked.clear();
    form->ListView->clearSelection();  // none selected: the folder is asked for, nothing written
    script.fileNames.push_back(dir.filePath("empty"));
    QDir(dir.path()).mkdir("empty");
    form->Action("SaveAsAttachmentAction")->trigger();
    EXPECT_EQ(script.asked.back().kind, "folder");
    EXPECT_TRUE(QDir(dir.filePath("empty")).isEmpty());
}

TEST_F(AttachmentTest, TheListShowsTypesAndDoubleClickOpensAllSelected) {
    EXPECT_FALSE(form->ListView->topLevelItem(0)->text(2).isEmpty());  // a text file has a type name
    EXPECT_EQ(form->ListView->topLevelItem(0)->text(1), "5 Bytes");
    Select({0, 2});
    form->ListViewDblClick();
    EXPECT_EQ(script.openedUrls.size(), 2u);
}

}  // namespace
}  // namespace qbx

namespace qbx {
namespace {

TEST_F(AttachmentTest, CommandStatesFollowTheSelection) {
    form->ListView->clearSelection();
    form->UpdateActions();
    EXPECT_TRUE(form->Action("BigIconAction")->isVisible());
    EXPECT_FALSE(form->Action("OpenAttachmentAction")->isVisible());
    Select({0, 1});
    form->UpdateActions();
    EXPECT_FALSE(form->Action("DetailAction")->isVisible());
    EXPECT_TRUE(form->Action("PropertyAttachmentAction")->isVisible());
    EXPECT_FALSE(form->Action("PropertyAttachmentAction")->isEnabled());  // two selected
    Select({1});
    form->UpdateActions();
    EXPECT_TRUE(form->Action("PropertyAttachmentAction")->isEnabled());
}

TEST_F(AttachmentTest, ThePropertyDialog) {
    Select({1});
    TAttachmentpropertyForm* shown = nullptr;
    script.dialogs.push_back([&](QDialog* d) {
        shown = static_cast<TAttachmentpropertyForm*>(d);
        EXPECT_EQ(shown->FilenameLabel->text(), "a.txt");
        EXPECT_EQ(shown->FileSizeLabel->text(), "6");  // the exact size, no unit
        EXPECT_FALSE(shown->FileTypeLabel->text().isEmpty());
        shown->OpenSpeedButton->click();  // opens the attachment
        return QDialog::Rejected;
    });
    form->UpdateActions();
    form->Action("PropertyAttachmentAction")->trigger();
    EXPECT_NE(shown, nullptr);
    EXPECT_EQ(script.openedUrls.size(), 1u);
}

TEST_F(AttachmentTest, ViewStylesAreRestoredAfterARestart) {
    form->Action("SmallIconAction")->trigger();
    EXPECT_EQ(form->AttachmentViews->currentWidget(), form->AttachmentIconView);
    EXPECT_EQ(form->AttachmentIconView->iconSize(), QSize(16, 16));
    form->Action("DetailAction")->trigger();
    EXPECT_EQ(form->AttachmentViews->currentWidget(), form->ListView);
    form->Action("ListShowAction")->trigger();
    EXPECT_EQ(form->AttachmentIconView->viewMode(), QListView::ListMode);
    form->close();
    form.reset();
    TQbxForm again(dir.filePath("qbx.ini"));
    EXPECT_EQ(again.ListViewStyle(), 2);
    EXPECT_TRUE(again.Action("ListShowAction")->isChecked());
}

}  // namespace
}  // namespace qbx
