#include "settings/MruUnit.h"

#include <gtest/gtest.h>

#include "support/QtPrinting.h"

#include <QAction>
#include <QMenu>

namespace qbx {
namespace {

QStringList Items(const TMru& m) {
    QStringList out;
    for (int i = 0; i < TMru::kCount; ++i) out << m.Item(i);
    return out;
}

TEST(MruTest, AddKeepsTheMostRecentFirst) {
    const struct {
        const char* name;
        QStringList adds;
        QStringList items;
    } cases[] = {
        {"one", {"a"}, {"a", "", "", "", ""}},
        {"already first changes nothing", {"a", "b", "b"}, {"b", "a", "", "", ""}},
        {"from position 3 to the top", {"e", "d", "c", "b", "a", "d"}, {"d", "a", "b", "c", "e"}},
        {"a sixth overwrites the oldest", {"a", "b", "c", "d", "e", "f"}, {"f", "e", "d", "c", "b"}},
        {"letter case makes another entry", {"/x/A.qbx", "/x/a.qbx"}, {"/x/a.qbx", "/x/A.qbx", "", "", ""}},
        // As loading does it: FileList4 .. FileList0, with FileList0 empty and FileList1 set.
        {"an empty first entry keeps its place", {"", "", "", "x", ""}, {"", "x", "", "", ""}},
    };
    for (const auto& c : cases) {
        TMru m;
        for (const QString& p : c.adds) m.Add(p);
        EXPECT_EQ(Items(m), c.items) << c.name;
    }
}

TEST(MruTest, MenusShowNumberedCompactedEntries) {
    QMenu parent, popup;
    for (int i = 1; i <= 5; ++i) {
        parent.addAction(QString("&%1").arg(i));
        popup.addAction(QString::number(i));
    }
    TMru m;
    m.ParentItem = &parent;
    m.PopupMenu = &popup;
    const QString longPath = "/home/someone/documents/library/old books/poems & songs.qbx";
    for (const QString& p : {QString(), longPath, QString("/b.qbx")}) m.Add(p);
    // Positions: "/b.qbx", the long path, "" (the empty first add), ...
    EXPECT_EQ(parent.actions()[0]->text(), "&1 /b.qbx");
    EXPECT_EQ(parent.actions()[1]->text(), "&2 /home/.../poems && songs.qbx");
    EXPECT_LE(CompactPath(longPath).size(), 34);
    EXPECT_TRUE(parent.actions()[1]->isVisible());
    EXPECT_FALSE(parent.actions()[2]->isVisible());
    EXPECT_EQ(popup.actions()[1]->text(), parent.actions()[1]->text());
    EXPECT_EQ(m.Item(1), longPath);  // opening uses the full path

    m.SetVisible(false);
    EXPECT_FALSE(parent.menuAction()->isVisible());
    EXPECT_FALSE(popup.actions()[0]->isVisible());
    m.Add("/c.qbx");  // the order still changes while hidden
    m.SetVisible(true);
    EXPECT_EQ(parent.actions()[0]->text(), "&1 /c.qbx");
    EXPECT_EQ(parent.actions()[1]->text(), "&2 /b.qbx");
    EXPECT_TRUE(popup.actions()[0]->isVisible());
}

TEST(MruTest, CompactPath) {
    EXPECT_EQ(CompactPath("/short/path.qbx"), "/short/path.qbx");
    EXPECT_EQ(CompactPath("/aaaaaaaaaa/bbbbbbbbbb/cccccccccc/file.qbx"), "/aaaaaaaaaa/.../file.qbx");
    EXPECT_EQ(CompactPath("/x/" + QString(40, u'n') + ".qbx"), QString(31, u'n') + "...");
    EXPECT_EQ(CompactPath("/" + QString(30, u'd') + "/" + QString(25, u'n')), "/.../" + QString(25, u'n'));
}

}  // namespace
}  // namespace qbx
