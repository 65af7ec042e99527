// Reading the writer's RTF back gives the same text and formats.
#include <gtest/gtest.h>

#include <QTextCursor>

#include "TextDescription.h"
#include "text/CodePageText.h"
#include "text/RtfDocument.h"
#include "text/RtfWriter.h"

namespace qbx {
namespace {

using testing::Describe;

QString RoundTrip(const QTextDocument& doc) {
    QTextDocument again;
    LoadRtf(again, WriteRtf(doc).toStdString());
    return Describe(again);
}

TEST(RtfWriterTest, RoundTripsTextAndFormats) {
    const std::string png =
        "89504e470d0a1a0a0000000d4948445200000001000000010802000000907753de0000000c4944415408d763f8cfc0000003010100"
        "18dd8db00000000049454e44ae426082";
    const std::string cases[] = {
        "{\\rtf1 plain {\\b bold}{\\i italic}{\\ul under}{\\strike gone} x\\super 2\\nosupersub\\sub 3}",
        "{\\rtf1{\\fonttbl{\\f0\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}{\\f1 Arial;}}{\\colortbl;\\red200\\green10\\blue20;"
        "\\red1\\green2\\blue3;}\\f0\\fs21\\cf1 \\'d6\\'d0\\'ce\\'c4\\f1\\cf2\\highlight1 mixed \\{braces\\} \\\\}",
        "{\\rtf1\\qc centred\\par\\qr\\li720\\ri360\\fi-180\\sb120\\sa60 right\\par\\pard\\qj just\\line next\\tab t}",
        "{\\rtf1 a\\par\\trowd\\cellx1000\\cellx2000\\intbl x\\cell{\\b y}\\cell\\row\\intbl z\\cell w\\par "
        "w2\\cell\\row"
        "\\pard after}",
        "{\\rtf1 go {\\field{\\*\\fldinst HYPERLINK \"http://example.com/?a=1&b=2\"}{\\fldrslt here}} now}",
        "{\\rtf1 nbsp\\~x \\u-10179?\\u-8704? \\u1488?\\u1489? \\u12354?}",  // an emoji, Hebrew, kana
        "{\\rtf1 pic {\\pict\\pngblip\\picwgoal300\\pichgoal150 " + png + "} end}",
    };
    for (const std::string& rtf : cases) {
        QTextDocument doc;
        LoadRtf(doc, rtf);
        EXPECT_EQ(RoundTrip(doc), Describe(doc)) << rtf << "\n" << WriteRtf(doc).toStdString();
    }
}

TEST(RtfWriterTest, WritesCodePage936EscapesAndUnicodeFallbacks) {
    QTextDocument doc;
    doc.setPlainText(QString::fromUtf8("中a😀"));
    const QByteArray rtf = WriteRtf(doc);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg936")) << rtf.toStdString();
    EXPECT_TRUE(rtf.contains("\\'d6\\'d0a\\u-10179?\\u-8704?")) << rtf.toStdString();
    EXPECT_TRUE(rtf.contains("\\fcharset134")) << rtf.toStdString();
}

TEST(RtfWriterTest, DocumentsBuiltInCodeRoundTrip) {
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextCharFormat big;
    big.setFontPointSize(18);
    big.setFontFamilies({QStringLiteral("Noto Serif CJK SC")});
    big.setForeground(QColor(10, 20, 30));
    c.insertText(QString::fromUtf8("标题"), big);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    c.insertBlock(centred);
    c.insertText("body", QTextCharFormat());
    EXPECT_EQ(RoundTrip(doc), Describe(doc));
}

}  // namespace
}  // namespace qbx
