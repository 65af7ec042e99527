// The recent files and the favourite, through the window's menus.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include "reader/MainFun.h"
#include "reader/MainUnit.h"
#include "settings/QbxConst.h"
#include "support/QbxWriter.h"
#include "support/QtPrinting.h"
#include "support/ScriptedInteraction.h"

namespace qbx {
namespace {

using namespace testing;

class RecentTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetMessageTable();
        WDocument doc;
        doc.nodes = {{.title = "only"}};
        const std::string bytes = BuildDocument(doc);
        QDir(dir.path()).mkpath("a rather long folder name/and another one inside it");
        for (const char* name : {"a.qbx", "b.qbx", "a rather long folder name/and another one inside it/long.qbx"}) {
            WriteFile(dir.filePath(name).toStdString(), bytes);
            paths << dir.filePath(name);
        }
    }
    void TearDown() override { CurrentDocument.reset(); }
    void OpenThroughTheDialog(TQbxForm& form, const QString& path) {
        script.fileNames.push_back(path);
        form.Action("OpenAction")->trigger();
    }
    QAction* Recent(TQbxForm& form, int position) { return form.Menu("RecentFileMenuitem")->actions()[position]; }
    QTemporaryDir dir;
    QStringList paths;
    ScriptedInteraction script;
};

TEST_F(RecentTest, RecentItemsOpenTheirDocuments) {
    TQbxForm form(dir.filePath("qbx.ini"));
    OpenThroughTheDialog(form, paths[0]);
    OpenThroughTheDialog(form, paths[1]);
    EXPECT_EQ(Recent(form, 0)->text(), "&1 " + paths[1]);
    EXPECT_EQ(form.Menu("RecentPopupMenu")->actions()[1]->text(), "&2 " + paths[0]);
    TQbxObject* open = CurrentDocument.get();
    Recent(form, 0)->trigger();  // the open document: nothing happens
    EXPECT_EQ(CurrentDocument.get(), open);
    Recent(form, 1)->trigger();
    ASSERT_TRUE(CurrentDocument);
    EXPECT_EQ(QString::fromStdString(CurrentDocument->FileName), paths[0]);
    EXPECT_EQ(form.windowTitle(), Message(1) + " - " + paths[0] + Message(18));
    EXPECT_EQ(form.Mru->Item(0), paths[0]);

    QFile::remove(paths[1]);
    Recent(form, 1)->trigger();  // fails: closed, caption message 1, the path stays
    EXPECT_FALSE(CurrentDocument);
    EXPECT_EQ(form.windowTitle(), Message(1));
    EXPECT_EQ(form.Mru->Item(1), paths[1]);
}

TEST_F(RecentTest, LongPathsAreShortenedButOpenedInFull) {
    TQbxForm form(dir.filePath("qbx.ini"));
    OpenThroughTheDialog(form, paths[2]);
    form.CloseDocument();
    EXPECT_LE(Recent(form, 0)->text().size(), 3 + 34);
    EXPECT_TRUE(Recent(form, 0)->text().contains("..."));
    Recent(form, 0)->trigger();
    ASSERT_TRUE(CurrentDocument);
    EXPECT_EQ(QString::fromStdString(CurrentDocument->FileName), paths[2]);
}

TEST_F(RecentTest, StoredListWithAGapAndAHiddenList) {
    {
        QFile ini(dir.filePath("qbx.ini"));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write(("[File]\nFileList0=\nFileList1=" + paths[0] + "\nFileListVisible=0\n").toUtf8());
    }
    TQbxForm form(dir.filePath("qbx.ini"));
    EXPECT_FALSE(form.Menu("RecentFileMenuitem")->menuAction()->isVisible());
    form.Mru->SetVisible(true);
    EXPECT_FALSE(Recent(form, 0)->isVisible());
    EXPECT_TRUE(Recent(form, 1)->isVisible());
    EXPECT_EQ(Recent(form, 1)->text(), "&2 " + paths[0]);
    form.Mru->SetVisible(false);
    OpenThroughTheDialog(form, paths[1]);  // hidden, the order still changes
    form.Mru->SetVisible(true);
    EXPECT_EQ(Recent(form, 0)->text(), "&1 " + paths[1]);
}

TEST_F(RecentTest, TheFavourite) {
    TQbxForm form(dir.filePath("qbx.ini"));
    QAction* item = form.findChild<QAction*>("MyLoveMenuItem");
    QAction* button = form.findChild<QAction*>("MyLoveToolButton");
    ASSERT_TRUE(item && button);
    EXPECT_FALSE(item->isEnabled());  // no favourite
    EXPECT_FALSE(button->isEnabled());
    OpenThroughTheDialog(form, paths[0]);
    form.Action("MyLoveAction")->trigger();  // F12 still runs: the document is closed
    EXPECT_FALSE(CurrentDocument);
    EXPECT_EQ(form.windowTitle(), Message(1));
    EXPECT_TRUE(form.Action("MyLoveAction")->isEnabled());

    form.AppIni->MyLoveFile = paths[1];
    form.UpdateFavouriteItems(true);
    EXPECT_TRUE(item->isEnabled());
    EXPECT_TRUE(button->isEnabled());
    item->trigger();
    ASSERT_TRUE(CurrentDocument);
    EXPECT_EQ(form.Mru->Item(0), paths[1]);  // the favourite goes to the recent files too
    form.UpdateFavouriteItems(false);
    EXPECT_FALSE(item->isVisible());
    EXPECT_TRUE(button->isVisible());
}

}  // namespace
}  // namespace qbx
