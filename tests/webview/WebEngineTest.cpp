#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include "webview/WebEngineView.h"

namespace qbx {
namespace {

TEST(WebEngineTest, APageWithAPictureLoadsWithScriptsOff) {
    QTemporaryDir dir;
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(dir.filePath("pic.png")));
    QFile page(dir.filePath("index.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html><body><p>page</p><img src=\"pic.png\"></body></html>");
    page.close();

    UseWebEngineView();
    QWidget parent;
    auto view = MakeWebView(&parent);
    auto* engine = qobject_cast<QWebEngineView*>(view->Widget());
    ASSERT_NE(engine, nullptr);
    EXPECT_FALSE(engine->settings()->testAttribute(QWebEngineSettings::JavascriptEnabled));
    EXPECT_EQ(engine->contextMenuPolicy(), Qt::NoContextMenu);
    bool finished = false, ok = false;
    QObject::connect(engine, &QWebEngineView::loadFinished, [&](bool success) {
        finished = true;
        ok = success;
    });
    parent.resize(400, 300);
    parent.show();
    view->Navigate(QUrl::fromLocalFile(dir.filePath("index.html")));
    QElapsedTimer t;
    t.start();
    while (!finished && t.elapsed() < 30000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_TRUE(finished);
    EXPECT_TRUE(ok);
    EXPECT_EQ(engine->url(), QUrl::fromLocalFile(dir.filePath("index.html")));
}

}  // namespace
}  // namespace qbx

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
