// Opening and saving attachments.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "reader/MainFun.h"
#include "reader/MainUnit.h"
#include "support/QbxWriter.h"
#include "support/QtPrinting.h"
#include "support/ScriptedInteraction.h"

namespace qbx {
namespace {

using namespace testing;

QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

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
    EXPECT_EQ(Contents(temp + "a.txt"), "second");  // the later one wins
    EXPECT_EQ(script.openedUrls[2].toLocalFile(), temp + "escape.txt");
    EXPECT_EQ(Contents(temp + "escape.txt"), "hostile");
}

TEST_F(AttachmentTest, SaveOneThroughTheDialogOrSeveralIntoAFolder) {
    Select({1});
    const QString one = dir.filePath("one.txt");
    script.fileNames.push_back(one);
    form->Action("SaveAsAttachmentAction")->trigger();
    EXPECT_EQ(Contents(one), "second");
    ASSERT_FALSE(script.asked.empty());
    EXPECT_EQ(script.asked.back().kind, "save");
    EXPECT_EQ(script.asked.back().text, "a.txt");

    QDir(dir.path()).mkdir("out");
    const QString out = dir.filePath("out");
    Select({0, 1, 2, 3});
    script.fileNames.push_back(out);
    form->Action("SaveAsAttachmentAction")->trigger();
    EXPECT_EQ(Contents(out + "/a.txt"), "second");
    EXPECT_EQ(Contents(out + "/escape.txt"), "hostile");
    EXPECT_EQ(Contents(out + "/attachment"), "nameless");
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
