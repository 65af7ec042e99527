// The search tab on documents the test writer makes.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QTreeView>

#include "controls/ZqLabel.h"
#include "dialogs/InputPw.h"
#include "dialogs/Nowrun.h"
#include "reader/ContentsModel.h"
#include "reader/MainFun.h"
#include "reader/MainUnit.h"
#include "settings/QbxConst.h"
#include "support/QbxWriter.h"
#include "support/QtPrinting.h"
#include "support/ScriptedInteraction.h"

namespace qbx {
namespace {

using namespace testing;

WDocument Moons() {
    WDocument doc;
    doc.nodes = {
        {.title = "Moon Title", .contentFormat = 0, .body = "nothing", .keyword = ""},
        {.title = "poems", .icon = 1, .keyword = "MOONLIGHT"},
        {.title = "rtf", .depth = 1, .contentFormat = 2, .body = "{\\rtf1 under the {\\b moon}\\par again moon}"},
        {.title = "plain", .depth = 1, .contentFormat = 3, .body = "no match here"},
        {.title = "locked", .depth = 1, .contentFormat = 0, .body = "a moon behind a password", .password = "pw"},
        {.title = "outside", .contentFormat = 4, .body = "the moon outside"},
        {.title = "bin", .icon = 70},
    };
    return doc;
}

QStringList Results(const TQbxForm& form) {
    QStringList out;
    for (int i = 0; i < form.SearchListBox->count(); ++i)
        out << QString::number(form.SearchListBox->item(i)->data(Qt::UserRole).toInt());
    return out;
}

class SearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetMessageTable();
        const QString path = dir.filePath("moons.qbx");
        WriteFile(path.toStdString(), BuildDocument(Moons()));
        form = std::make_unique<TQbxForm>(dir.filePath("qbx.ini"));
        form->OpenDocument(path, 0);
    }
    void TearDown() override {
        form.reset();
        CurrentDocument.reset();
    }
    void Search(int kind, const QString& text) {
        form->SearchTrackBar->setValue(kind);
        form->Edit1->setEditText(text);
        form->GoSpeedBtnClick();
    }
    QTemporaryDir dir;
    ScriptedInteraction script;
    std::unique_ptr<TQbxForm> form;
};

TEST_F(SearchTest, TheFourKinds) {
    const struct {
        int kind;
        const char* text;
        int selected;
        QStringList hits;
    } cases[] = {
        {0, "moon", -1, {"0"}},  // title, any ASCII case
        {0, "a title longer than every title", -1, {}},
        {0, "回收", -1, {"6"}},            // the recycle bin's shown title
        {1, "moonlight", -1, {"1"}},       // keyword; an empty keyword is never found
        {3, "MOON", -1, {"2", "4", "5"}},  // full text: bodies only, passwords not consulted
        {2, "moon", 1, {"2", "4"}},        // local: the subtree only
    };
    for (const auto& c : cases) {
        if (c.selected >= 0) form->SelectNode(c.selected);
        Search(c.kind, QString::fromUtf8(c.text));
        EXPECT_EQ(Results(*form), c.hits) << c.kind << " " << c.text;
        EXPECT_EQ(form->SelectedNode(), -1) << c.text;  // the display is reset
        EXPECT_TRUE(form->RichEdit->toPlainText().isEmpty()) << c.text;
    }
    EXPECT_EQ(form->SearchListBox->count(), 2);
    EXPECT_EQ(form->SearchListBox->item(0)->text(), "rtf");
}

TEST_F(SearchTest, LocalSearchRefusals) {
    Search(2, "moon");  // nothing selected
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(script.asked[0].text, Message(24));
    EXPECT_EQ(script.asked[0].caption, Message(22));
    EXPECT_EQ(form->LastSearchText, "moon");  // set before the checks
    EXPECT_EQ(form->LastSearchKind, 2);
    form->SelectNode(3);  // a leaf
    Search(2, "moon");
    ASSERT_EQ(script.asked.size(), 2u);
    EXPECT_EQ(script.asked[1].text, Message(23));
    EXPECT_EQ(form->SelectedNode(), 3);  // the display is not reset
}

TEST_F(SearchTest, HistoryAndEmptyText) {
    Search(0, "");
    EXPECT_EQ(form->Edit1->count(), 0);
    Search(0, "moon");
    Search(0, "MOON");
    Search(0, "rtf");
    ASSERT_EQ(form->Edit1->count(), 2);
    EXPECT_EQ(form->Edit1->itemText(0), "rtf");
    EXPECT_EQ(form->Edit1->itemText(1), "moon");
    form->SearchTrackBar->setValue(3);  // only the label changes
    EXPECT_EQ(form->SearchLabel->text(), Message(15));
    EXPECT_EQ(Results(*form), QStringList{"2"});
    form->CloseDocument();
    EXPECT_EQ(form->SearchListBox->count(), 0);
    EXPECT_EQ(form->Edit1->count(), 2);  // the history stays
}

TEST_F(SearchTest, AResultClickHighlightsTheText) {
    Search(3, "moon");
    form->SearchListBox->setCurrentRow(0);  // node 2
    EXPECT_EQ(form->SelectedNode(), 2);
    EXPECT_EQ(form->RichEdit->textCursor().selectedText(), "moon");
    EXPECT_EQ(form->RichEdit->textCursor().selectionStart(), 10);
    form->RichEdit->moveCursor(QTextCursor::End);
    emit form->SearchListBox->itemClicked(form->SearchListBox->item(0));  // the same hit again
    EXPECT_EQ(form->RichEdit->textCursor().selectedText(), "moon");

    // A locked hit refused keeps the highlight pending.
    script.dialogs.push_back([](QDialog*) { return QDialog::Rejected; });
    form->SearchListBox->setCurrentRow(1);  // node 4, locked
    EXPECT_EQ(form->SelectedNode(), -1);
    EXPECT_TRUE(form->PendingHighlight);

    Search(0, "rtf");  // after a title search nothing is selected
    form->SearchListBox->setCurrentRow(0);
    EXPECT_EQ(form->SelectedNode(), 2);
    EXPECT_FALSE(form->RichEdit->textCursor().hasSelection());
}

TEST_F(SearchTest, AMouseClickOnAHitDisplaysItOnce) {
    form->show();
    form->LeftPageControl->setCurrentIndex(1);
    Search(3, "moon");
    script.asked.clear();
    script.dialogs.push_back([](QDialog*) { return QDialog::Rejected; });
    const QRect r = form->SearchListBox->visualItemRect(form->SearchListBox->item(1));  // the locked node
    QTest::mouseClick(form->SearchListBox->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(script.asked.size(), 1u);  // asked once, not once for the press and once for the click
    script.asked.clear();
    const QRect first = form->SearchListBox->visualItemRect(form->SearchListBox->item(0));
    QTest::mouseClick(form->SearchListBox->viewport(), Qt::LeftButton, {}, first.center());
    EXPECT_EQ(form->SelectedNode(), 2);
    form->RichEdit->moveCursor(QTextCursor::End);
    QTest::mouseClick(form->SearchListBox->viewport(), Qt::LeftButton, {}, first.center());  // again
    EXPECT_EQ(form->RichEdit->textCursor().selectedText(), "moon");
    EXPECT_TRUE(script.asked.empty());
}

TEST_F(SearchTest, CancellingKeepsTheHitsSoFar) {
    // Cancel as soon as the first hit is listed.
    QObject::connect(form->SearchListBox->model(), &QAbstractItemModel::rowsInserted, [this] {
        if (auto* p = form->findChild<TNowRuningForm*>()) p->CancelButton->click();
    });
    Search(3, "moon");
    EXPECT_EQ(Results(*form), QStringList{"2"});
    EXPECT_FALSE(form->Searching());
}

TEST_F(SearchTest, ADamagedBodyEndsTheSearchAndRestoresTheWindow) {
    WLayout layout;
    std::string bytes = BuildDocument(Moons(), &layout);
    const int32_t huge = 0x7FFFFFF0;
    std::memcpy(bytes.data() + layout.nodePos[2] + 104, &huge, 4);
    const QString path = dir.filePath("damaged.qbx");
    WriteFile(path.toStdString(), bytes);
    form->CloseDocument();
    form->OpenDocument(path, 0);
    form->SearchTrackBar->setValue(3);
    form->Edit1->setEditText("moon");
    form->SelectNode(0);
    EXPECT_ANY_THROW(form->GoSpeedBtnClick());
    EXPECT_FALSE(form->Searching());
    EXPECT_EQ(form->SelectedNode(), -1);
    EXPECT_TRUE(form->RichEdit->toPlainText().isEmpty());
    EXPECT_EQ(form->findChild<TNowRuningForm*>(), nullptr);
}

}  // namespace
}  // namespace qbx
