#include "shell/Association.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "settings/IniFile.h"
#include "settings/QbxConst.h"
#include "support/QtPrinting.h"

namespace qbx {
namespace {

class AssociationTest : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("XDG_DATA_HOME", data.path().toUtf8());
        qputenv("HOME", home.path().toUtf8());
    }
    QTemporaryDir data, home;
};

TEST_F(AssociationTest, OnAndOffRoundTrip) {
    EXPECT_FALSE(IsAssociated());
    SetAssociation(true, "/opt/Quire Box/QbxRead");
    EXPECT_TRUE(IsAssociated());
    const TIniFile entry(data.filePath("applications/quirebox-reader.desktop"));
    EXPECT_EQ(entry.ReadString("Desktop Entry", "Exec", ""), "\"/opt/Quire Box/QbxRead\" %f");
    EXPECT_EQ(entry.ReadString("Desktop Entry", "MimeType", ""), "application/x-quirebox;");
    EXPECT_EQ(TIniFile(data.filePath("applications/mimeapps.list"))
                  .ReadString("Default Applications", "application/x-quirebox", ""),
              "quirebox-reader.desktop");
    QFile package(data.filePath("mime/packages/quirebox-qbx.xml"));
    ASSERT_TRUE(package.open(QIODevice::ReadOnly));
    const QString xml = QString::fromUtf8(package.readAll());
    EXPECT_TRUE(xml.contains("<glob pattern=\"*.qbx\"/>"));
    EXPECT_TRUE(xml.contains(Message(0)));

    SetAssociation(false, QString());
    EXPECT_FALSE(IsAssociated());
    EXPECT_FALSE(QFile::exists(data.filePath("applications/quirebox-reader.desktop")));
    EXPECT_FALSE(QFile::exists(data.filePath("mime/packages/quirebox-qbx.xml")));
}

TEST_F(AssociationTest, AnEntryWithoutACommandIsNotAnAssociation) {
    SetAssociation(true, "/usr/bin/QbxRead");
    QFile entry(data.filePath("applications/quirebox-reader.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    entry.write("[Desktop Entry]\nType=Application\nExec=\n");
    entry.close();
    EXPECT_FALSE(IsAssociated());
}

TEST_F(AssociationTest, ExecQuoting) {
    EXPECT_EQ(DesktopExec("/a b/c", "%f"), "\"/a b/c\" %f");
    EXPECT_EQ(DesktopExec("/x$y\"z"), "\"/x\\\\$y\\\\\"z\"");
}

TEST_F(AssociationTest, ShortcutsInTheFourFolders) {
    const QString target = "/opt/quirebox/QbxRead";
    const QString name = Message(1) + ".desktop";
    CreateShortcut(target, name, Message(21), "Programs");
    CreateShortcut(target, "../" + name, Message(21), "Programs");  // the start menu: the Programs folder's parent
    CreateShortcut(target, name, Message(21), "Desktop");
    CreateShortcut(target, "Microsoft\\Internet Explorer\\Quick Launch\\" + name, Message(21), "AppData");
    const QString programs = data.filePath("applications/" + name);
    ASSERT_TRUE(QFile::exists(programs));
    EXPECT_TRUE(QFile::exists(data.filePath(name)));
    EXPECT_TRUE(QFile::exists(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation) + "/" + name));
    EXPECT_FALSE(QDir(data.filePath("Microsoft")).exists());  // a missing grandparent: nothing is created
    const TIniFile entry(programs);
    EXPECT_EQ(entry.ReadString("Desktop Entry", "Exec", ""), "\"/opt/quirebox/QbxRead\"");
    EXPECT_EQ(entry.ReadString("Desktop Entry", "Path", ""), "/opt/quirebox");
    EXPECT_EQ(entry.ReadString("Desktop Entry", "Comment", ""), Message(21).trimmed());
    EXPECT_TRUE(QFile::permissions(programs) & QFile::ExeUser);
}

}  // namespace
}  // namespace qbx
