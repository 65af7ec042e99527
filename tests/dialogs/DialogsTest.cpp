#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "controls/ZqLabel.h"
#include "dialogs/AttachpropertyUnit.h"
#include "dialogs/ErrorShowUnit.h"
#include "dialogs/InputPw.h"
#include "dialogs/QbxAbout.h"
#include "dialogs/QbxOption.h"
#include "settings/QbxConst.h"
#include "settings/RegUnit.h"
#include "support/QtPrinting.h"
#include "support/ScriptedInteraction.h"

namespace qbx {
namespace {

using testing::ScriptedInteraction;

}  // namespace
namespace testing {
struct ThrownForTest : std::runtime_error {
    using std::runtime_error::runtime_error;
};
}  // namespace testing
namespace {

// The widgets Tab visits, in order, starting from the dialog's first focus.
QList<QWidget*> TabChain(QDialog& dialog, QWidget* start) {
    dialog.show();
    dialog.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    if (start) start->setFocus(Qt::TabFocusReason);
    QList<QWidget*> chain;
    for (int i = 0; i < 64; ++i) {
        QWidget* w = QApplication::focusWidget();
        if (!w || chain.contains(w)) break;
        chain << w;
        QTest::keyClick(w, Qt::Key_Tab);
    }
    return chain;
}

// Tab follows the layout: each stop is below the previous one, to its right on the same row, or inside it.
void ExpectReadingOrder(QDialog& dialog, QWidget* start = nullptr) {
    const QList<QWidget*> chain = TabChain(dialog, start);
    ASSERT_GE(chain.size(), 2) << dialog.objectName().toStdString();
    for (int i = 1; i < chain.size(); ++i) {
        const QRect a(chain[i - 1]->mapTo(&dialog, QPoint()), chain[i - 1]->size());
        const QRect b(chain[i]->mapTo(&dialog, QPoint()), chain[i]->size());
        const bool below = b.top() >= a.center().y();
        const bool rightOnRow = b.left() >= a.center().x() && b.top() < a.bottom() && b.bottom() > a.top();
        const bool inside = a.contains(b);  // an area before what it holds
        EXPECT_TRUE(below || rightOnRow || inside)
            << dialog.objectName().toStdString() << ": " << chain[i - 1]->objectName().toStdString() << " then "
            << chain[i]->objectName().toStdString();
    }
}

TEST(DialogKeyboardTest, TabFollowsTheLayout) {
    ScriptedInteraction script;
    TErrorShowForm error;
    ExpectReadingOrder(error);
    TInPwForm password;
    ExpectReadingOrder(password);
    TOptionForm options(TOptionValues{}, "/x");
    auto* pages = options.findChild<QTabWidget*>();
    ASSERT_NE(pages, nullptr);
    for (int i = 0; i < pages->count(); ++i) {  // each page, starting from its tab
        pages->setCurrentIndex(i);
        ExpectReadingOrder(options, pages->tabBar());
    }
    QAction saveAs(nullptr);
    TAttachmentpropertyForm property({}, &saveAs);
    ExpectReadingOrder(property);
}

TEST(ErrorReportTest, ElevenLinesInEitherLanguage) {
    ResetMessageTable();
    const QStringList chinese = ErrorReportLines("damaged document: catalog");
    ASSERT_EQ(chinese.size(), 11);
    EXPECT_EQ(chinese[0], QString::fromUtf8("[出错日期]"));
    EXPECT_FALSE(chinese[1].isEmpty());
    EXPECT_EQ(chinese[3], QString::fromUtf8("[Quirebox版本]"));
    EXPECT_EQ(chinese[4], "Version 1.0");
    EXPECT_EQ(chinese[6], QString::fromUtf8("[出错信息]"));
    EXPECT_EQ(chinese[7], "damaged document: catalog");
    EXPECT_EQ(chinese[9], QString::fromUtf8("[当前用法]"));
    EXPECT_EQ(chinese[10], "Please tell me,Thank you!");
    for (int i : {2, 5, 8}) EXPECT_TRUE(chinese[i].isEmpty());
    EXPECT_EQ(ErrorReportLines(QString()).size(), 11);
    EXPECT_TRUE(ErrorReportLines(QString())[7].isEmpty());

    MessageTable[26] = "Error Date";
    MessageTable[29] = "Current Usage";
    const QStringList english = ErrorReportLines("x");
    EXPECT_EQ(english[0], "[Error Date]");
    EXPECT_EQ(english[9], "[Current Usage]");
    EXPECT_EQ(english[4], chinese[4]);
    EXPECT_EQ(english[10], chinese[10]);
    ResetMessageTable();
}

TEST(ErrorReportTest, EnterReportsEscapeCloses) {
    ScriptedInteraction script;
    TErrorShowForm form;
    form.show();
    form.Memo->setPlainText("report");
    form.Memo->setFocus();
    form.Memo->moveCursor(QTextCursor::End);
    QTest::keyClick(form.Memo, Qt::Key_Return);
    ASSERT_EQ(script.openedUrls.size(), 1u);
    EXPECT_EQ(script.openedUrls[0], ErrorReportMailUrl());
    EXPECT_TRUE(script.openedUrls[0].toString().endsWith("?subject=Error Report"));
    EXPECT_TRUE(script.openedUrls[0].toString().startsWith("mailto:"));
    EXPECT_EQ(form.Memo->toPlainText(), "report\n");  // the line break goes through too
    EXPECT_TRUE(form.isVisible());                    // reporting leaves the dialog open
    form.OkSpeedButton->setFocus();
    QTest::keyClick(&form, Qt::Key_Enter);
    EXPECT_EQ(script.openedUrls.size(), 2u);
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Rejected);
}

TEST(ErrorReportTest, ExceptionsFromEventHandlersEndInTheReport) {
    ScriptedInteraction script;
    QPushButton button("fail");
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] {
        ++clicks;
        throw qbx::testing::ThrownForTest("damaged document: body \xD6\xD0");
    });
    button.show();
    TQbxApplication::ErrorReportInstalled = false;  // before the main window: a plain message box
    QTest::mouseClick(&button, Qt::LeftButton);
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(script.asked[0].kind, "message");
    TQbxApplication::ErrorReportInstalled = true;
    QTest::mouseClick(&button, Qt::LeftButton);
    ASSERT_EQ(script.asked.size(), 2u);
    EXPECT_EQ(script.asked[1].kind, "dialog");
    EXPECT_EQ(script.asked[1].text, "ErrorShowForm");
    EXPECT_EQ(clicks, 2);  // and the program goes on
    EXPECT_EQ(ErrorText("name \xD6\xD0 x"), QString::fromUtf8("name 中 x"));
    EXPECT_EQ(ErrorText("plain \xE4\xB8\xAD"), QString::fromUtf8("plain 中"));
    TQbxApplication::ErrorReportInstalled = false;
}

TEST(AboutBoxTest, VersionKeysAndLink) {
    ScriptedInteraction script;
    TAboutForm about;
    EXPECT_EQ(about.myLabel2->text(), "Version 1.0");
    EXPECT_EQ(about.windowTitle(), QString::fromUtf8("版权信息"));
    about.show();
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_TRUE(about.isVisible());
    emit about.ZqLabel1->clicked();
    ASSERT_EQ(script.openedUrls.size(), 1u);
    EXPECT_EQ(script.openedUrls[0].toString(), kHomePageUrl);
    QTest::keyClick(&about, Qt::Key_Return);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST(AboutBoxTest, TheSplashIsShorterAndHasNoButton) {
    TAboutForm splash;
    splash.MakeSplash();
    EXPECT_EQ(splash.height(), 188);
    EXPECT_TRUE(splash.OkSpeedButton->isHidden());
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash.myLabel2->text(), "Version 1.0");
}

}  // namespace
}  // namespace qbx

namespace qbx {
namespace {

TEST(PasswordDialogTest, KeysAndButtons) {
    {
        TInPwForm form;
        EXPECT_EQ(form.windowTitle(), Message(1));
        EXPECT_EQ(form.InputLabel->text(), Message(19));
        form.show();
        QTest::keyClicks(form.Edit, "123456789012");
        EXPECT_EQ(form.Edit->text(), "12345678901");  // the 12th character has no effect
        EXPECT_EQ(form.Edit->echoMode(), QLineEdit::Password);
        QTest::keyClick(form.Edit, Qt::Key_Return);
        EXPECT_EQ(form.result(), QDialog::Accepted);
    }
    {
        TInPwForm form;
        form.show();
        QTest::keyClick(form.Edit, Qt::Key_Return);  // an empty text is accepted too
        EXPECT_EQ(form.result(), QDialog::Accepted);
    }
    {
        TInPwForm form;
        form.show();
        QTest::keyClicks(form.Edit, "secret");
        QTest::keyClick(form.Edit, Qt::Key_Escape);
        EXPECT_EQ(form.result(), QDialog::Rejected);
        EXPECT_EQ(form.Edit->text(), "");
    }
    {
        TInPwForm form;
        form.show();
        QTest::keyClicks(form.Edit, "secret");
        form.close();  // the title bar's close box
        EXPECT_EQ(form.result(), QDialog::Rejected);
        EXPECT_EQ(form.Edit->text(), "secret");
    }
    {
        TInPwForm form;
        form.show();
        QTest::keyClicks(form.Edit, "x");
        form.CancelSpeedButton->click();
        EXPECT_EQ(form.result(), QDialog::Rejected);
        EXPECT_EQ(form.Edit->text(), "");
    }
}

}  // namespace
}  // namespace qbx
