// Each case is a few lines of RTF with the text and formats it must show.
#include <gtest/gtest.h>

#include <QTextDocument>

#include "TextDescription.h"
#include "text/RtfDocument.h"
#include "text/RtfReader.h"

namespace qbx {
namespace {

using testing::Describe;

struct RtfCase {
    const char* name;
    std::string rtf;
    const char* shown;  // the document as Describe() draws it
};

std::string Head(const std::string& body) {
    return "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}"
           "{\\f1\\fswiss\\fcharset0 Arial;}{\\f2\\fnil\\fcharset128 MS Mincho;}{\\f3\\fnil\\fcharset204 Arial Cyr;}}"
           "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}" +
           body + "}";
}

void Check(const RtfCase& c) {
    QTextDocument doc;
    LoadRtf(doc, c.rtf);
    EXPECT_EQ(Describe(doc), QString::fromUtf8(c.shown)) << c.name;
    // The fast path shows the very same characters as the built document.
    EXPECT_EQ(RtfDisplayedText(c.rtf), doc.toPlainText()) << c.name;
}

TEST(RtfReaderTest, TextAndCharacterFormats) {
    const RtfCase cases[] = {
        {"plain text", Head("Hello"), "{}[Hello]"},
        {"bold toggles", Head("a\\b b\\b0 c"), "{}[a][b|b][c]"},
        {"italic, underline, strike", Head("\\i i\\i0\\ul u\\ulnone\\strike s\\strike0 n"), "{}[i|i][u|u][s|s][n]"},
        {"underline variants", Head("\\uldb d\\ul0 x"), "{}[d|u][x]"},
        {"super and sub", Head("x\\super 2\\nosupersub y\\sub 3"), "{}[x][2|sup][y][3|sub]"},
        {"font size", Head("\\fs20 ten\\fs21 half"), "{}[ten|fs20][half|fs21]"},
        {"font and colour", Head("\\f1\\cf1 red\\cf2\\highlight1 blue"),
         "{}[red|fArial fg#ff0000][blue|fArial fg#0000ff bg#ff0000]"},
        {"cb background", Head("\\cb2 x"), "{}[x|bg#0000ff]"},
        {"auto colour 0 sets nothing", Head("\\cf0 x\\cf9 y"), "{}[xy]"},
        {"groups restore formats", Head("a{\\b b{\\i c}d}e"), "{}[a][b|b][c|b i][d|b][e]"},
        {"plain resets", Head("\\b\\i\\fs30 x\\plain y"), "{}[x|b i fs30][y]"},
        {"code page 936 escapes", Head("\\f0 \\'d6\\'d0\\'ce\\'c4"), "{}[中文|f宋体]"},
        {"double byte split over an escape and a literal", Head("\\'d6\xD0\\'ce\xC4"), "{}[中文]"},
        {"charset 0 decodes as 1252", Head("\\f1 caf\\'e9"), "{}[café|fArial]"},
        {"charset 128 decodes as 932", Head("\\f2 \\'82\\'a0"), "{}[あ|fMS Mincho]"},
        {"charset 204 decodes as 1251", Head("\\f3 \\'c0"), "{}[А|fArial Cyr]"},
        {"ansicpg chooses the code page without fonts", "{\\rtf1\\ansi\\ansicpg1252 caf\\'e9}", "{}[café]"},
        {"unicode with fallback", Head("\\u20013?\\u25991?"), "{}[中文]"},
        {"negative unicode", Head("\\u-3913?"), "{}[\xEF\x82\xB7]"},
        {"uc2 skips two", Head("\\uc2\\u20013??x\\uc0\\u25991 y"), "{}[中x文y]"},
        {"uc skip counts an escape as one", Head("\\u20013\\'3fz"), "{}[中z]"},
        {"symbols", Head("\\{\\}\\\\\\~\\_\\-\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote"),
         "{}[{}"
         "\\\xC2\xA0\xE2\x80\x91\xE2\x80\x94\xE2\x80\x93\xE2\x80\xA2\xE2\x80\x98\xE2\x80\x99\xE2\x80\x9C\xE2\x80\x9D]"},
        {"tab", Head("a\\tab b"), "{}[a\tb]"},
        {"skipped destinations",
         Head("{\\*\\unknown hidden}{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}"
              "{\\*\\themedata 0102}{\\listtable{\\list x}}shown"),
         "{}[shown]"},
        {"unknown words without star are ignored", Head("a\\foo b\\bar12 c"), "{}[abc]"},
        {"hyperlink field", Head("go {\\field{\\*\\fldinst HYPERLINK \"http://example.com/a\"}{\\fldrslt here}} now"),
         "{}[go ][here|u fg#0000ff href=http://example.com/a][ now]"},
        {"hyperlink with switch", Head("{\\field{\\*\\fldinst {HYPERLINK \\\\l \"top\" \"x.htm\"}}{\\fldrslt a}}"),
         "{}[a|u fg#0000ff href=x.htm]"},
        {"other fields show their result", Head("{\\field{\\*\\fldinst PAGE}{\\fldrslt 7}}"), "{}[7]"},
        {"pntext is shown for old lists", Head("{\\pntext\\'a1\\'a4\\tab}item"), "{}[·\titem]"},
    };
    for (const auto& c : cases) Check(c);
}

TEST(RtfReaderTest, ParagraphsAndTables) {
    const RtfCase cases[] = {
        {"par and line", Head("a\\par b\\line c"), "{}[a]{}[b\\nc]"},
        {"backslash newline is par", Head("a\\\r\nb"), "{}[a]{}[b]"},
        {"page and sect end paragraphs", Head("a\\page b\\sect c"), "{}[a]{}[b]{}[c]"},
        {"alignment", Head("\\qc c\\par\\qr r\\par\\qj j\\par\\pard l"), "{qc}[c]{qr}[r]{qj}[j]{}[l]"},
        {"indents and spacing", Head("\\li720\\ri360\\fi-180\\sb120\\sa60 x"), "{li720 ri360 fi-180 sb120 sa60}[x]"},
        {"format applies to the paragraph it ends", Head("a\\qc\\par b"), "{qc}[a]{qc}[b]"},
        {"table",
         Head("\\trowd\\cellx1000\\cellx2000\\intbl a\\cell b\\cell\\row\\intbl c\\cell d\\cell\\row\\pard after"),
         "{}<table 2x2><cell>{}[a]<cell>{}[b]<cell>{}[c]<cell>{}[d]</table>{}[after]"},
        {"table after text", Head("before\\par\\trowd\\cellx1000\\intbl x\\cell\\row\\pard y"),
         "{}[before]{}<table 1x1><cell>{}[x]</table>{}[y]"},
        {"paragraphs inside a cell", Head("\\trowd\\cellx900\\intbl p1\\par p2\\cell\\row"),
         "{}<table 1x1><cell>{}[p1]{}[p2]</table>{}"},
        {"empty cells", Head("\\trowd\\cellx1\\cellx2\\cellx3\\intbl\\cell x\\cell\\cell\\row"),
         "{}<table 1x3><cell>{}<cell>{}[x]<cell>{}</table>{}"},
    };
    for (const auto& c : cases) Check(c);
}

TEST(RtfReaderTest, Pictures) {
    // A 1 x 1 PNG.
    const std::string png =
        "89504e470d0a1a0a0000000d4948445200000001000000010802000000907753de0000000c4944415408d763f8cfc0000003010100"
        "18dd8db00000000049454e44ae426082";
    const RtfCase cases[] = {
        {"png in hex, sized by goal", Head("a{\\pict\\pngblip\\picw1\\pich1\\picwgoal300\\pichgoal150 " + png + "}b"),
         "{}[a][#|img 20x10][b]"},
        {"png as binary",
         Head("{\\pict\\pngblip\\picwgoal150\\pichgoal150\\bin" + std::to_string(png.size() / 2) + " " +
              QByteArray::fromHex(QByteArray::fromStdString(png)).toStdString() + "}"),
         "{}[#|img 10x10]"},
        {"png without goal uses pixels", Head("{\\pict\\pngblip\\picw30\\pich15 " + png + "}"), "{}[#|img 30x15]"},
        {"metafile becomes a sized placeholder", Head("{\\pict\\wmetafile8\\picw2540\\pich1270 0100090000}"),
         "{}[#|img 96x48]"},
        {"broken png becomes a placeholder", Head("{\\pict\\pngblip\\picwgoal600\\pichgoal300 00ff}"),
         "{}[#|img 40x20]"},
        {"nonshppict alternative is skipped",
         Head("{\\*\\shppict{\\pict\\pngblip\\picwgoal150\\pichgoal150 " + png +
              "}}{\\nonshppict{\\pict\\wmetafile8 0100}}"),
         "{}[#|img 10x10]"},
    };
    for (const auto& c : cases) Check(c);
}

TEST(RtfReaderTest, MalformedInputShowsWhatItCan) {
    const RtfCase cases[] = {
        {"missing closing braces", "{\\rtf1 {\\b bold {\\i more", "{}[bold |b][more|b i]"},
        {"extra closing braces", "{\\rtf1 a}}}b{c}", "{}[a]"},
        {"huge parameter", Head("\\fs99999999999999999 x\\li-99999999999 y"), "{li-31680}[xy|fs3276]"},
        {"truncated escape", Head("a\\'4"), "{}[a]"},
        {"escape without hex", Head("a\\'zz"), "{}[azz]"},
        {"bin longer than the data", "{\\rtf1 a{\\pict\\pngblip\\bin999 xyz", "{}[a][#|img 16x16]"},
        {"backslash at the end", "{\\rtf1 a\\", "{}[a]"},
        {"nul bytes", std::string("{\\rtf1 a\0b}", 11), "{}[ab]"},
        {"control word of 40 letters", Head("a\\" + std::string(40, 'x') + " b"), "{}[axxxxxxxx b]"},
        {"unicode out of range", Head("\\u99999999?x"), "{}[\xEF\xBF\xBDx]"},
    };
    for (const auto& c : cases) Check(c);
}

TEST(RtfReaderTest, HundredThousandNestedGroups) {
    const std::string rtf = "{\\rtf1 " + std::string(100000, '{') + "deep" + std::string(100000, '}') + " end}";
    EXPECT_EQ(RtfDisplayedText(rtf), "deep end");
    const std::string unclosed = "{\\rtf1 " + std::string(300000, '{') + "x";
    EXPECT_EQ(RtfDisplayedText(unclosed), "x");
    QTextDocument doc;
    LoadRtf(doc, rtf);
    EXPECT_EQ(doc.toPlainText(), "deep end");
}

}  // namespace
}  // namespace qbx
