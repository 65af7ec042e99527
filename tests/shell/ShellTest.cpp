#include "shell/ShellUnit.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "settings/QbxConst.h"
#include "support/QtPrinting.h"
#include "support/ScriptedInteraction.h"

namespace qbx {
namespace {

TEST(ShellTest, AttachmentNamesStayInsideTheFolder) {
    const struct {
        const char* name;
        const char* plain;
    } cases[] = {
        {"page.htm", "page.htm"},     {"../../x", "x"},     {"/etc/x", "x"},          {"a\\..\\b", "b"},
        {"", "attachment"},           {"..", "attachment"}, {".", "attachment"},      {"dir/", "attachment"},
        {"C:\\boot.ini", "boot.ini"}, {"C:evil", "evil"},   {"中文.txt", "中文.txt"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SafeFileNameOfAttachment(QString::fromUtf8(c.name)), QString::fromUtf8(c.plain)) << c.name;
        const QString path = AttachmentPath("/tmp/folder", QString::fromUtf8(c.name));
        EXPECT_EQ(QFileInfo(path).absolutePath(), "/tmp/folder") << c.name;
    }
    EXPECT_EQ(SafeFileNameOfAttachment(QString("a") + QChar(0) + "b"), "ab");
}

TEST(ShellTest, ThePrivateTempFolderIsOursAndClosed) {
    const QString dir = PrivateTempDir();
    ASSERT_TRUE(dir.endsWith('/'));
    struct stat st {};
    ASSERT_EQ(lstat(QFile::encodeName(dir.chopped(1)).constData(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_mode & 077, 0u);
    EXPECT_EQ(st.st_uid, getuid());
    EXPECT_EQ(PrivateTempDir(), dir);
}

TEST(ShellTest, FileTypeNames) {
    EXPECT_FALSE(FileTypeName(".txt").isEmpty());
    EXPECT_FALSE(FileTypeName(".htm").isEmpty());
    EXPECT_EQ(FileTypeName(""), "");
    EXPECT_EQ(FileTypeName(".zzqqxx"), "");
    EXPECT_FALSE(FileIcon(".zzqqxx").isNull() && FileIcon(".txt").isNull());
}

TEST(ShellTest, SelectDirectoryRemembersTheFolder) {
    testing::ScriptedInteraction script;
    LastFolder.clear();
    script.fileNames = {"/chosen", ""};
    EXPECT_EQ(SelectDirectory(nullptr), "/chosen");
    EXPECT_EQ(LastFolder, "/chosen");
    EXPECT_EQ(script.asked[0].caption, Message(20));
    EXPECT_EQ(SelectDirectory(nullptr), "");  // cancelled: kept
    EXPECT_EQ(LastFolder, "/chosen");
}

TEST(ShellTest, OpenInBrowserMakesWebAddresses) {
    testing::ScriptedInteraction script;
    OpenInBrowser("www.example.com/x");
    OpenInBrowser("mailto:me@example.com");
    ASSERT_EQ(script.openedUrls.size(), 2u);
    EXPECT_EQ(script.openedUrls[0].toString(), "http://www.example.com/x");
    EXPECT_EQ(script.openedUrls[1].scheme(), "mailto");
}

}  // namespace
}  // namespace qbx
