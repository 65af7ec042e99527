// Loading in steps gives the same document as loading at once.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "TextDescription.h"
#include "text/ContentLoader.h"
#include "text/ProgressiveLoader.h"

namespace qbx {
namespace {

std::string LongRtf() {
    std::string rtf = "{\\rtf1\\ansi\\ansicpg936{\\colortbl;\\red255\\green0\\blue0;}\\qc ";
    for (int i = 0; i < 3000; ++i)
        rtf += "para " + std::to_string(i) + " {\\b bold}\\cf1 red\\cf0  see www.example.com/" + std::to_string(i) +
               "\\par\r\n";
    rtf += "\\pard\\trowd\\cellx100\\cellx200\\intbl a\\cell b\\cell\\row\\pard end}";
    return rtf;
}

std::string LongPlain() {
    std::string text;
    for (int i = 0; i < 5000; ++i) text += "line " + std::to_string(i) + " http://a.cn/" + std::to_string(i) + "\r\n";
    return text;
}

TEST(ProgressiveLoaderTest, SameDocumentAsLoadingAtOnce) {
    const std::string bodies[] = {
        LongRtf(),
        LongPlain(),
        "{\\rtf1 short \\b one}",
        "plain\rtext",
        "",
        "{\\rtf1 {\\*\\x nothing}}",
        "{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"http://x.org\"}{\\fldrslt link}}\\par x}",
    };
    for (const std::string& body : bodies) {
        QTextDocument atOnce, inSteps;
        const BodyKind kind = LoadBody(atOnce, body);
        TProgressiveLoader loader;
        EXPECT_EQ(loader.Start(&inSteps, body), kind) << body.substr(0, 40);
        loader.Finish();
        EXPECT_FALSE(loader.Loading());
        EXPECT_EQ(testing::Describe(inSteps), testing::Describe(atOnce)) << body.substr(0, 40);
    }
}

TEST(ProgressiveLoaderTest, TheRestFollowsFromTheEventLoop) {
    QTextDocument doc;
    TProgressiveLoader loader;
    bool finished = false;
    QObject::connect(&loader, &TProgressiveLoader::Finished, [&] { finished = true; });
    loader.Start(&doc, LongRtf());
    EXPECT_TRUE(loader.Loading());  // the first screenful only
    EXPECT_LT(doc.blockCount(), 1000);
    EXPECT_TRUE(doc.toPlainText().startsWith("para 0 boldred see www.example.com/0\n"));
    QElapsedTimer t;
    t.start();
    while (!finished && t.elapsed() < 10000) QCoreApplication::processEvents();
    EXPECT_TRUE(finished);
    EXPECT_TRUE(doc.toPlainText().endsWith("end"));
}

TEST(ProgressiveLoaderTest, ANewLoadOrACancelStopsTheOldOne) {
    QTextDocument doc;
    TProgressiveLoader loader;
    loader.Start(&doc, LongRtf());
    loader.Start(&doc, "{\\rtf1 second}");
    for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
    EXPECT_EQ(doc.toPlainText(), "second");
    loader.Start(&doc, LongPlain());
    loader.Cancel();
    doc.clear();
    for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
    EXPECT_TRUE(doc.isEmpty());
}

}  // namespace
}  // namespace qbx
