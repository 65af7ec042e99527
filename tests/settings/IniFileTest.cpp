#include "settings/IniFile.h"

#include <gtest/gtest.h>

#include "support/QtPrinting.h"

#include <QFile>
#include <QTemporaryDir>

#include "settings/AppIni.h"

namespace qbx {
namespace {

TEST(IniFileTest, ReadingMatchesNamesWithoutCaseAndTrimsValues) {
    const TIniFile ini = TIniFile::FromText(
        "; a comment\r\n"
        "[ Main ]\r\n"
        "  Key One  =  spaced value  \r\n"
        "key one=second occurrence\r\n"
        ";Hidden=1\r\n"
        "not a key line\r\n"
        "Empty=\r\n"
        "[main]\r\n"
        "Other=in a second section of the same name\r\n"
        "[Next]\r\n"
        "Long=" +
        QString(3000, u'x') + "\r\n");
    EXPECT_EQ(ini.ReadString("main", "KEY ONE", "d"), "spaced value");
    EXPECT_EQ(ini.ReadString(" MAIN ", " key one ", "d"), "spaced value");
    EXPECT_EQ(ini.ReadString("Main", "Hidden", "d"), "d");
    EXPECT_EQ(ini.ReadString("Main", "Empty", "d"), "");
    EXPECT_EQ(ini.ReadString("Main", "Other", "d"), "d");  // the first section of a name counts
    EXPECT_EQ(ini.ReadString("Missing", "Key One", "d"), "d");
    EXPECT_EQ(ini.ReadString("Next", "Long", "d").size(), kMaxIniValueLength);
}

TEST(IniFileTest, Integers) {
    const struct {
        const char* text;
        int32_t value;  // 77: the default
    } cases[] = {
        {"12", 12},    {" -5 ", -5},        {"0x1F", 31},       {"0X1f", 31},
        {"$ff", 255},  {"$FFFFFFFF", -1},   {"4294967295", -1}, {"-2147483643", kClWindow},
        {"12abc", 77}, {"abc", 77},         {"", 77},           {"0x", 77},
        {"1.5", 77},   {"99999999999", 77}, {"$-1", 77},
    };
    for (const auto& c : cases) {
        const TIniFile ini = TIniFile::FromText(QStringLiteral("[s]\nk=%1\n").arg(c.text));
        EXPECT_EQ(ini.ReadInteger("s", "k", 77), c.value) << c.text;
    }
    const TIniFile ini = TIniFile::FromText("[s]\nt=2\nf=0\ng=yes\n");
    EXPECT_TRUE(ini.ReadBool("s", "t", false));
    EXPECT_FALSE(ini.ReadBool("s", "f", true));
    EXPECT_TRUE(ini.ReadBool("s", "g", true));  // not a number: the default
    EXPECT_FALSE(ini.ReadBool("s", "g", false));
}

TEST(IniFileTest, WritingKeepsEveryOtherLine) {
    TIniFile ini = TIniFile::FromText("; settings\r\n[A]\r\nx=1\r\n; note\r\ny=2\r\n\r\n[B]\r\nz=3\r\n");
    ini.WriteString("a", "Y", "changed");
    ini.WriteInteger("A", "w", -7);
    ini.WriteBool("C", "flag", true);
    ini.WriteString("b", "z", "three");
    EXPECT_EQ(ini.Text(),
              "; settings\r\n[A]\r\nx=1\r\n; note\r\nY=changed\r\nw=-7\r\n\r\n[B]\r\nz=three\r\n[C]\r\nflag=1\r\n");
}

TEST(IniFileTest, SavingWritesUtf8AndReportsFailure) {
    QTemporaryDir dir;
    TIniFile ini(dir.filePath("sub/qbx.ini"));
    ini.WriteString("File", "NearFile", QString::fromUtf8("/home/用户/文档.qbx"));
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(TIniFile(dir.filePath("sub/qbx.ini")).ReadString("File", "NearFile", ""),
              QString::fromUtf8("/home/用户/文档.qbx"));

    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TIniFile unwritable(dir.filePath("file/qbx.ini"));  // its folder is a file
    unwritable.WriteString("a", "b", "c");
    EXPECT_FALSE(unwritable.Save());
}

TEST(IniFileTest, LanguageFilesAreUtf8OrElseCodePage936) {
    QTemporaryDir dir;
    auto write = [&](const char* name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return dir.filePath(name);
    };
    const QString utf8 = write("u.ini", "[s]\nk=\xE4\xB8\xAD\xE6\x96\x87\n");
    const QString gbk = write("g.ini", "[s]\nk=\xD6\xD0\xCE\xC4\n");
    EXPECT_EQ(TIniFile(utf8, TIniFile::Encoding::Utf8OrCp936).ReadString("s", "k", ""), QString::fromUtf8("中文"));
    EXPECT_EQ(TIniFile(gbk, TIniFile::Encoding::Utf8OrCp936).ReadString("s", "k", ""), QString::fromUtf8("中文"));
    EXPECT_EQ(TIniFile(dir.filePath("missing.ini")).ReadString("s", "k", "d"), "d");
}

}  // namespace
}  // namespace qbx
