// The web view's choices, with a web view that records where it was sent.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTextEdit>

#include "reader/MainFun.h"
#include "reader/MainUnit.h"
#include "reader/WebView.h"
#include "support/QbxWriter.h"
#include "support/QtPrinting.h"
#include "support/ScriptedInteraction.h"

namespace qbx {
namespace {

using namespace testing;

std::vector<QUrl>* navigated = nullptr;

class RecordingView : public TWebView {
public:
    explicit RecordingView(QWidget* parent) : widget_(new QLabel(parent)) {}
    QWidget* Widget() override { return widget_; }
    void Navigate(const QUrl& url) override { navigated->push_back(url); }

private:
    QLabel* widget_;
};

TEST(WebViewClassTest, ExtensionsByFirstOccurrence) {
    const std::pair<const char*, ViewClass> cases[] = {
        {".htm", ViewClass::Page},      {".HTML", ViewClass::Page},    {".gif", ViewClass::Viewable},
        {".JPEG", ViewClass::Viewable}, {".eml", ViewClass::Viewable}, {".doc", ViewClass::Document},
        {".txt", ViewClass::None},      {".rtf", ViewClass::None},     {".png", ViewClass::None},
        {"", ViewClass::None},          {".jp", ViewClass::None},      {".ml", ViewClass::None},
    };
    for (const auto& [ext, cls] : cases) EXPECT_EQ(ClassifyExtension(ext), cls) << ext;
    EXPECT_EQ(ChooseViewAttachment({"a.gif", "b.html"}).index, 1);  // a page wins over an earlier picture
    EXPECT_EQ(ChooseViewAttachment({"a.txt", "b.jpg", "c.gif"}).index, 1);
    EXPECT_FALSE(ChooseViewAttachment({"a.doc"}).automatic);
    EXPECT_EQ(ChooseViewAttachment({"a.txt"}).index, -1);
}

class WebViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        navigated = &urls;
        SetWebViewFactory([](QWidget* parent) { return std::make_unique<RecordingView>(parent); });
        WDocument doc;
        WNode text{.title = "text and page", .contentFormat = 0, .body = "some text"};
        text.attachments = {{.name = "p.htm", .content = "<p>page</p>"}};
        WNode picture{.title = "gif then html", .icon = 3};
        picture.attachments = {{.name = "pic.gif", .content = "GIF89a"},
                               {.name = "index.html", .content = "<img src=pic.gif>"}};
        WNode upper{.title = "upper", .icon = 3};
        upper.attachments = {{.name = "PAGE.HTM", .content = "<p>x</p>"}, {.name = "side.gif", .content = "GIF"}};
        WNode word{.title = "doc only"};
        word.attachments = {{.name = "report.doc", .content = "DOC"}};
        WNode plain{.title = "txt only"};
        plain.attachments = {{.name = "notes.txt", .content = "notes"}};
        doc.nodes = {text, picture, upper, word, plain};
        const QString path = dir.filePath("web.qbx");
        WriteFile(path.toStdString(), BuildDocument(doc));
        form = std::make_unique<TQbxForm>(dir.filePath("qbx.ini"));
        form->OpenDocument(path, 0);
    }
    void TearDown() override {
        form.reset();
        CurrentDocument.reset();
        SetWebViewFactory(nullptr);
        navigated = nullptr;
    }
    void Show(int node) {
        urls.clear();
        form->SelectNode(node);
        form->UpdateActions();  // the idle cycle
    }
    bool WebInFront() const { return form->ContentStack->currentWidget() == form->HtmlView->Widget(); }
    QString Temp(const QString& name) const { return form->AppIni->TempDir + name; }
    QTemporaryDir dir;
    std::vector<QUrl> urls;
    ScriptedInteraction script;
    std::unique_ptr<TQbxForm> form;
};

TEST_F(WebViewTest, TextFirstAndTheButtonShowsThePage) {
    Show(0);
    EXPECT_FALSE(WebInFront());
    QAction* html = form->Action("HtmlViewAction");
    EXPECT_TRUE(html->isEnabled());
    html->trigger();
    EXPECT_TRUE(WebInFront());
    ASSERT_FALSE(urls.empty());
    EXPECT_EQ(urls.back(), QUrl::fromLocalFile(Temp("p.htm")));
    html->trigger();  // back to the text: the web view is emptied
    EXPECT_FALSE(WebInFront());
    EXPECT_EQ(urls.back(), QUrl("about:blank"));
    Show(0);
    EXPECT_FALSE(WebInFront());
}

TEST_F(WebViewTest, ANodeWithoutTextShowsItsPageWithThePictureBeside) {
    QFile::remove(Temp("pic.gif"));
    Show(1);
    EXPECT_TRUE(WebInFront());
    EXPECT_EQ(urls.back(), QUrl::fromLocalFile(Temp("index.html")));
    EXPECT_TRUE(QFile::exists(Temp("pic.gif")));
}

TEST_F(WebViewTest, AnUpperCasePageIsShownWithoutCompanions) {
    QFile::remove(Temp("side.gif"));
    Show(2);
    EXPECT_TRUE(WebInFront());
    EXPECT_EQ(urls.back(), QUrl::fromLocalFile(Temp("PAGE.HTM")));
    EXPECT_FALSE(QFile::exists(Temp("side.gif")));
}

TEST_F(WebViewTest, DocumentsOnlyOnRequestAndTextFilesNever) {
    Show(3);
    EXPECT_FALSE(WebInFront());
    EXPECT_TRUE(form->Action("HtmlViewAction")->isEnabled());
    form->Action("HtmlViewAction")->trigger();
    EXPECT_EQ(urls.back(), QUrl::fromLocalFile(Temp("report.doc")));
    Show(4);
    EXPECT_FALSE(form->Action("HtmlViewAction")->isEnabled());
    EXPECT_FALSE(WebInFront());
}

}  // namespace
}  // namespace qbx
