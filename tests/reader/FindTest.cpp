// The content view's reading commands.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include "reader/MainFun.h"
#include "reader/MainUnit.h"
#include "settings/QbxConst.h"
#include "support/QbxWriter.h"
#include "support/QtPrinting.h"
#include "support/ScriptedInteraction.h"

namespace qbx {
namespace {

using namespace testing;

class FindTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetMessageTable();
        WDocument doc;
        doc.nodes = {
            {.title = "a", .contentFormat = 0, .body = "one moon\r\ntwo moon\r\nthree moon www.example.com/x end"},
            {.title = "b", .contentFormat = 0, .body = "other text"},
        };
        path = dir.filePath("find.qbx");
        WriteFile(path.toStdString(), BuildDocument(doc));
        form = std::make_unique<TQbxForm>(Ini());
        form->OpenDocument(path, 0);
        form->SelectNode(0);
    }
    void TearDown() override {
        form.reset();
        CurrentDocument.reset();
    }
    QString Ini() const { return dir.filePath("qbx.ini"); }
    int SelStart() const { return form->RichEdit->textCursor().selectionStart(); }
    QTemporaryDir dir;
    QString path;
    ScriptedInteraction script;
    std::unique_ptr<TQbxForm> form;
};

TEST_F(FindTest, FindDownwardsWithoutWrapping) {
    form->Action("FindAction")->trigger();
    EXPECT_EQ(form->LastSearchKind, 4);
    EXPECT_TRUE(form->FindDialog->isVisible());
    form->FindDialog->FindEdit->setText("MOON");
    form->FindDialog->FindButton->click();
    EXPECT_EQ(SelStart(), 4);
    form->Action("FindNextAction")->trigger();
    EXPECT_EQ(SelStart(), 13);
    form->Action("FindNextAction")->trigger();
    EXPECT_EQ(SelStart(), 24);
    form->Action("FindNextAction")->trigger();  // after the last: not found, the selection stays
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(script.asked[0].text, Message(30));
    EXPECT_EQ(script.asked[0].caption, Message(1));
    EXPECT_EQ(SelStart(), 24);
    form->Action("FindNextAction")->trigger();
    EXPECT_EQ(script.asked.size(), 2u);

    form->FindDialog->MatchCase->setChecked(true);  // the boxes apply
    form->RichEdit->moveCursor(QTextCursor::Start);
    form->Action("FindNextAction")->trigger();
    EXPECT_EQ(script.asked.size(), 3u);
}

TEST_F(FindTest, TheLabelsAccessKeyReachesTheEdit) {
    form->Action("FindAction")->trigger();
    QWidget* dialog = form->FindDialog;
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    form->FindDialog->FindButton->setFocus();
    QTest::keyClick(dialog, Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(form->FindDialog->FindEdit->hasFocus());
}

TEST_F(FindTest, TheDialogSpeaksTheProgramsLanguage) {
    LanguageFileName = kEnglishLanguageFile;
    form->Action("FindAction")->trigger();
    EXPECT_EQ(form->FindDialog->windowTitle(), "Find");
    EXPECT_EQ(form->FindDialog->FindButton->text(), "&Find Next");
    form->FindDialog->hide();
    LanguageFileName = kChineseLanguageFile;
    form->Action("FindAction")->trigger();
    EXPECT_EQ(form->FindDialog->windowTitle(), QString::fromUtf8("查找"));
    EXPECT_EQ(form->FindDialog->FindLabel->text(), QString::fromUtf8("查找内容(&N):"));
}

TEST_F(FindTest, TheDialogTakesTheSelection) {
    QTextCursor c = form->RichEdit->textCursor();
    c.setPosition(0);
    c.setPosition(3, QTextCursor::KeepAnchor);
    form->RichEdit->setTextCursor(c);
    form->Action("FindAction")->trigger();
    EXPECT_EQ(form->FindDialog->FindEdit->text(), "one");
}

TEST_F(FindTest, FindNextFollowsTheLastSearch) {
    form->SearchTrackBar->setValue(0);
    form->Edit1->setEditText("a");
    form->GoSpeedBtnClick();  // a title search
    form->SelectNode(0);
    form->Action("FindNextAction")->trigger();  // does nothing
    EXPECT_FALSE(form->RichEdit->textCursor().hasSelection());
    EXPECT_TRUE(script.asked.empty());

    form->SearchTrackBar->setValue(3);
    form->Edit1->setEditText("moon");
    form->GoSpeedBtnClick();  // full text
    form->SearchListBox->setCurrentRow(0);
    EXPECT_EQ(SelStart(), 4);  // the hit's first occurrence
    form->Action("FindNextAction")->trigger();
    EXPECT_EQ(SelStart(), 13);  // F3: the next one
}

TEST_F(FindTest, CaretRowAndColumnFromZero) {
    form->RichEdit->moveCursor(QTextCursor::Start);
    form->RichEditSelectionChange();
    EXPECT_EQ(form->StatusPanelText, Message(11) + "0  " + Message(12) + "0");
    QTextCursor c = form->RichEdit->textCursor();
    c.setPosition(11);  // line 1, column 2
    form->RichEdit->setTextCursor(c);
    EXPECT_EQ(form->StatusPanelText, Message(11) + "1  " + Message(12) + "2");
}

TEST_F(FindTest, CtrlYSelectsTheLineAndKeepsTheText) {
    form->show();
    const QString before = form->RichEdit->toPlainText();
    QTextCursor c = form->RichEdit->textCursor();
    c.setPosition(form->RichEdit->document()->characterCount() - 2);  // on the last line
    form->RichEdit->setTextCursor(c);
    QTest::keyClick(form->RichEdit, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(form->RichEdit->textCursor().selectedText(), "three moon www.example.com/x end");
    EXPECT_EQ(form->RichEdit->toPlainText(), before);
    c.setPosition(1);
    form->RichEdit->setTextCursor(c);
    form->SelectCurrentLine();
    EXPECT_EQ(form->RichEdit->textCursor().selectionStart(), 0);
    EXPECT_EQ(form->RichEdit->textCursor().selectionEnd(), 9);  // up to the next line's first character
}

TEST_F(FindTest, CopyAndSelectAllFollowTheSelection) {
    form->RichEdit->moveCursor(QTextCursor::Start);
    form->UpdateActions();
    EXPECT_FALSE(form->Action("CopyAction")->isEnabled());
    EXPECT_TRUE(form->Action("SelAllAction")->isEnabled());
    form->Action("SelAllAction")->trigger();
    form->UpdateActions();
    EXPECT_TRUE(form->Action("CopyAction")->isEnabled());
    EXPECT_FALSE(form->Action("SelAllAction")->isEnabled());
    form->CloseDocument();
    form->UpdateActions();
    EXPECT_FALSE(form->Action("CopyAction")->isEnabled());
}

TEST_F(FindTest, ZoomAndWordWrapPersist) {
    const int size = form->ContentLook().Font.Size;
    for (int i = 0; i < 5; ++i) form->Action("BigFontAction")->trigger();
    EXPECT_EQ(form->ContentLook().Font.Size, size + 5);
    form->Action("WordWrapAction")->trigger();  // off
    EXPECT_EQ(form->RichEdit->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    form->close();
    form.reset();
    TQbxForm again(Ini());
    EXPECT_EQ(again.ContentLook().Font.Size, size + 5);
    EXPECT_FALSE(again.Action("WordWrapAction")->isChecked());
    for (int i = 0; i < 100; ++i) again.ZoomContent(-1);
    EXPECT_EQ(again.ContentLook().Font.Size, 1);  // stops at one point
    again.SetWordWrap(true);
    EXPECT_EQ(again.RichEdit->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(FindTest, AClickOnALinkOpensIt) {
    form->resize(800, 500);
    form->show();
    QTest::qWait(20);
    const QTextCursor link = form->RichEdit->document()->find("www.example.com");
    ASSERT_FALSE(link.isNull());
    QTextCursor at(form->RichEdit->document());
    at.setPosition(link.selectionStart() + 3);
    const QPoint p = form->RichEdit->cursorRect(at).center();
    form->RichEdit->moveCursor(QTextCursor::Start);
    QTest::mouseClick(form->RichEdit->viewport(), Qt::LeftButton, {}, p);
    ASSERT_EQ(script.openedUrls.size(), 1u);
    EXPECT_EQ(script.openedUrls[0].toString(), "http://www.example.com/x");
}

}  // namespace
}  // namespace qbx
