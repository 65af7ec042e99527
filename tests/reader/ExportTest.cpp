// Export, print and the book builder.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTreeView>

#include "document/BookOffset.h"
#include "document/QbxCatalog.h"
#include "reader/ContentsModel.h"
#include "reader/MainFun.h"
#include "reader/MainUnit.h"
#include "settings/QbxConst.h"
#include "support/FileBytes.h"
#include "support/QbxWriter.h"
#include "support/QtPrinting.h"
#include "support/ScriptedInteraction.h"
#include "text/ContentLoader.h"
#include "text/RtfDocument.h"

namespace qbx {
namespace {

using namespace testing;

WDocument Branch() {
    WDocument doc;
    doc.nodes = {
        {.title = "Branch: what?", .icon = 1},
        {.title = "plain", .depth = 1, .contentFormat = 3, .body = "plain body\r\n"},
        {.title = "rich", .depth = 1, .contentFormat = 2, .body = "{\\rtf1 rich {\\b body}}"},
        {.title = "same", .depth = 1, .contentFormat = 0, .body = "first"},
        {.title = "same", .depth = 1, .contentFormat = 0, .body = "second"},
        {.title = "locked", .depth = 1, .contentFormat = 0, .body = "secret", .password = "pw"},
        {.title = "sub", .depth = 1, .icon = 1, .password = "folderpw"},  // not asked when exporting
        {.title = "inner", .depth = 2, .contentFormat = 0, .body = "inner body"},
        {.title = "no body", .depth = 1},
        {.title = "..", .depth = 1, .contentFormat = 0, .body = "dots"},
    };
    return doc;
}

class ExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetMessageTable();
        docPath = dir.filePath("branch.qbx");
        WriteFile(docPath.toStdString(), BuildDocument(Branch()));
        form = std::make_unique<TQbxForm>(dir.filePath("qbx.ini"));
        form->OpenDocument(docPath, 0);
    }
    void TearDown() override {
        form.reset();
        CurrentDocument.reset();
    }
    QTemporaryDir dir;
    QString docPath;
    ScriptedInteraction script;
    std::unique_ptr<TQbxForm> form;
};

TEST_F(ExportTest, ABranchBecomesFoldersAndFiles) {
    QDir(dir.path()).mkdir("out");
    form->SelectNode(0);
    script.fileNames.push_back(dir.filePath("out"));
    form->Action("ExportAction")->trigger();
    const QString top = dir.filePath("out/Branch_ what_");
    EXPECT_EQ(FileBytes(top + "/plain.txt"), "plain body\r\n");
    EXPECT_EQ(FileBytes(top + "/rich.rtf"), "{\\rtf1 rich {\\b body}}");  // the stored RTF source
    EXPECT_EQ(FileBytes(top + "/same.txt"), "second");                    // equal titles: the later wins
    EXPECT_FALSE(QFile::exists(top + "/locked.txt"));
    EXPECT_EQ(FileBytes(top + "/sub/inner.txt"), "inner body");
    EXPECT_FALSE(QFile::exists(top + "/no body.txt"));
    EXPECT_EQ(FileBytes(top + "/_.txt"), "dots");  // ".." never writes above the folder
    EXPECT_FALSE(QFile::exists(dir.filePath("out/dots")));

    script.fileNames.push_back(dir.filePath("out"));  // again: the folder exists
    form->Action("ExportAction")->trigger();
    ASSERT_FALSE(script.asked.empty());
    EXPECT_EQ(script.asked.back().text, Message(33));
    EXPECT_EQ(script.asked.back().icon, QMessageBox::Critical);
}

TEST_F(ExportTest, ALeafAsTextOrRtfAndTheFilterIsKept) {
    form->SelectNode(2);  // "rich"
    const QString txt = dir.filePath("leaf.txt"), rtf = dir.filePath("leaf.rtf");
    script.fileNames.push_back(txt);
    form->Action("ExportAction")->trigger();
    EXPECT_EQ(FileBytes(txt), "rich body");
    EXPECT_EQ(script.asked.back().text, "rich");  // the proposed name

    // Choosing the RTF filter: a dialog that reports filter 1.
    struct RtfChooser : ScriptedInteraction {
        QString file;
        QString SaveFileName(QWidget*, const QString&, const QString&, const QString&, int* index) override {
            asked.push_back({"save", QString::number(*index), QString()});
            *index = 1;
            return file;
        }
    };
    {
        RtfChooser chooser;
        chooser.file = rtf;
        form->Action("ExportAction")->trigger();
        QTextDocument back;
        LoadRtf(back, FileBytes(rtf).toStdString());
        EXPECT_EQ(back.toPlainText(), "rich body");
        form->Action("ExportAction")->trigger();  // the next export proposes the filter used last
        EXPECT_EQ(chooser.asked.back().text, "1");
    }
}

TEST_F(ExportTest, ExportAndPrintNeedExactlyOneNode) {
    form->SelectNode(1);
    form->UpdateActions();
    EXPECT_TRUE(form->Action("ExportAction")->isEnabled());
    EXPECT_TRUE(form->Action("PrintAction")->isEnabled());
    form->TreeView->selectionModel()->select(form->Contents->IndexOf(2), QItemSelectionModel::Select);
    form->UpdateActions();
    EXPECT_FALSE(form->Action("ExportAction")->isEnabled());
    EXPECT_FALSE(form->Action("PrintAction")->isEnabled());
}

TEST_F(ExportTest, PrintingToAPdfWithTheTitleAsJobName) {
    form->SelectNode(1);
    const QString pdf = dir.filePath("out.pdf");
    QString jobName;
    script.prints.push_back([&](QPrinter* printer) {
        jobName = printer->docName();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return true;
    });
    form->Action("PrintAction")->trigger();
    EXPECT_EQ(jobName, "plain");
    EXPECT_GT(QFileInfo(pdf).size(), 100);
    form->Action("PrintAction")->trigger();  // cancelled: nothing, no message
    EXPECT_EQ(script.asked.back().kind, "print");
}

TEST_F(ExportTest, BuildingABook) {
    script.fileNames.push_back(docPath);
    script.buttons = {QMessageBox::Cancel};  // do not start it
    form->Action("MakeExeAction")->trigger();
    const QString book = dir.filePath("branch.exe");
    ASSERT_TRUE(QFile::exists(book));
    EXPECT_TRUE(QFileInfo(book).isExecutable());
    const auto offset = BookDocumentOffset(book.toStdString());
    ASSERT_TRUE(offset);
    EXPECT_EQ(*offset, QFileInfo(QCoreApplication::applicationFilePath()).size());
    TQbxObject reader(book.toStdString(), *offset);
    std::vector<uint8_t> text, entries;
    reader.ReadCatalog(text, entries);
    EXPECT_EQ(BuildCatalog(text, entries).Count(), 10);
    EXPECT_EQ(script.asked.back().text, Message(38));
    EXPECT_TRUE(script.startedPrograms.empty());

    // It exists now: asked before replacing; OK then start it.
    script.fileNames.push_back(docPath);
    script.buttons = {QMessageBox::Ok, QMessageBox::Ok};
    form->Action("MakeExeAction")->trigger();
    ASSERT_EQ(script.startedPrograms.size(), 1u);
    EXPECT_EQ(script.startedPrograms[0], book);

    // a.html gives a.hexe; an empty document a plain copy of the reader.
    const QString html = dir.filePath("a.html");
    WriteFile(html.toStdString(), "");
    script.fileNames.push_back(html);
    script.buttons = {QMessageBox::Cancel};
    form->Action("MakeExeAction")->trigger();
    EXPECT_EQ(QFileInfo(dir.filePath("a.hexe")).size(), QFileInfo(QCoreApplication::applicationFilePath()).size());
    EXPECT_FALSE(BookDocumentOffset(dir.filePath("a.hexe").toStdString()));

    // A chosen file whose book name is itself is refused and left alone.
    const QString self = dir.filePath("self.exe");
    WriteFile(self.toStdString(), "precious");
    script.fileNames.push_back(self);
    form->Action("MakeExeAction")->trigger();
    EXPECT_EQ(script.asked.back().text, Message(37));
    EXPECT_EQ(FileBytes(self), "precious");
}

}  // namespace
}  // namespace qbx
