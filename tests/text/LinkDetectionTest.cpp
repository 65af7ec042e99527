#include "text/LinkDetection.h"

#include <gtest/gtest.h>

#include <QTextBlock>

#include "TextDescription.h"

namespace qbx {
namespace {

QStringList Links(const QString& text) {
    QStringList out;
    for (const LinkSpan& l : FindLinks(text)) out << text.mid(l.start, l.length);
    return out;
}

TEST(LinkDetectionTest, FindsAddressesAndLeavesSentencePunctuation) {
    const struct {
        const char* text;
        QStringList links;
    } cases[] = {
        {"see http://example.com/a?b=1.", {"http://example.com/a?b=1"}},
        {"(https://x.org/p), ftp://files.net/f.zip; mailto:me@x.cn!",
         {"https://x.org/p", "ftp://files.net/f.zip", "mailto:me@x.cn"}},
        {"open file:///tmp/a.txt or www.site.com", {"file:///tmp/a.txt", "www.site.com"}},
        {"中文http://例子 and 网址www.abc.com。", {"www.abc.com"}},
        {"HTTP://UPPER.COM", {"HTTP://UPPER.COM"}},
        {"no links: http:// www. xwww.a.b mailto:", {}},
        {"\"http://q.com/x\"", {"http://q.com/x"}},
    };
    for (const auto& c : cases) EXPECT_EQ(Links(QString::fromUtf8(c.text)), c.links) << c.text;
}

TEST(LinkDetectionTest, DocumentLinksBecomeBlueAnchors) {
    QTextDocument doc;
    doc.setPlainText("first line\nvisit www.example.com now");
    DetectLinks(doc);
    EXPECT_EQ(testing::Describe(doc),
              "{}[first line]{}[visit ][www.example.com|u fg#0000ff href=www.example.com][ now]");
}

}  // namespace
}  // namespace qbx
