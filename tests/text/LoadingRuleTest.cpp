#include <gtest/gtest.h>

#include "TextDescription.h"
#include "text/BodyText.h"
#include "text/ContentLoader.h"

namespace qbx {
namespace {

TEST(LoadingRuleTest, RtfOrElsePlainText) {
    const struct {
        const char* name;
        std::string body;
        BodyKind kind;
        const char* text;
    } cases[] = {
        {"rtf", "{\\rtf1 \\b x\\b0\\par y}", BodyKind::Rtf, "x\ny"},
        {"plain CR LF", "a\r\nb\r\n", BodyKind::Plain, "a\nb\n"},
        {"lone CR and lone LF", "a\rb\nc\r\n\rd", BodyKind::Plain, "a\nb\nc\n\nd"},
        {"plain code page 936", "\xD6\xD0\xCE\xC4\r\n", BodyKind::Plain, "中文\n"},
        {"undecodable bytes", "a\xFF", BodyKind::Plain, "a\xEF\xBF\xBD"},
        {"rtf that shows nothing is plain", "{\\rtf1 {\\*\\x y}}", BodyKind::Plain, "{\\rtf1 {\\*\\x y}}"},
        {"rtf must start the body", " {\\rtf1 x}", BodyKind::Plain, " {\\rtf1 x}"},
        {"empty", "", BodyKind::Plain, ""},
    };
    for (const auto& c : cases) {
        QTextDocument doc;
        EXPECT_EQ(LoadBody(doc, c.body), c.kind) << c.name;
        EXPECT_EQ(DisplayedText(doc), QString::fromUtf8(c.text)) << c.name;
        EXPECT_EQ(BodyDisplayedText(c.body), QString::fromUtf8(c.text)) << c.name;
    }
}

TEST(LoadingRuleTest, LoadingDetectsLinksAndReplacesThePreviousContent) {
    QTextDocument doc;
    LoadBody(doc, "{\\rtf1 {\\b old}}");
    LoadBody(doc, "go to http://a.cn\r\n");
    EXPECT_EQ(testing::Describe(doc), "{}[go to ][http://a.cn|u fg#0000ff href=http://a.cn]{}");
}

TEST(LoadingRuleTest, PlainTextSavingIsCp936WithCrLf) {
    QTextDocument doc;
    LoadBody(doc, "{\\rtf1 \\'d6\\'d0\\par x\\line y\\u-10179?\\u-8704?}");
    bool lossy = false;
    EXPECT_EQ(PlainTextForSaving(doc, &lossy), QByteArray("\xD6\xD0\r\nx\r\ny?"));
    EXPECT_TRUE(lossy);
}

}  // namespace
}  // namespace qbx
