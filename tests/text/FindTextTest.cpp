#include "text/FindText.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(FindTextTest, OptionsAndRanges) {
    const QString text = QStringLiteral("Moon and moonlight. MOON. Straße ÄÖ 月亮");
    const struct {
        const char* needle;
        qsizetype start, length;
        int options;
        qsizetype found;
    } cases[] = {
        {"moon", 0, 100, 0, 0},
        {"moon", 1, 100, 0, 9},  // downwards from the start
        {"moon", 0, 100, FindMatchCase, 9},
        {"MOON", 1, 100, FindMatchCase, 20},
        {"moon", 1, 100, FindWholeWord, 20},  // "moonlight" is not a whole word
        {"moon", 9, 3, 0, -1},                // the match must lie inside the range
        {"moon", 9, 4, 0, 9},
        {"moon", 10, 100, 0, 20},
        {"straSSE", 0, 100, 0, -1},  // simple case folding: ß is not "ss"
        {"äö", 0, 100, 0, 33},
        {"月", 0, 100, 0, 36},
        {"", 0, 100, 0, -1},
        {"moon", -1, 100, 0, -1},
        {"moon", 100, 5, 0, -1},
        {"x", 0, 0, 0, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindText(text, QString::fromUtf8(c.needle), c.start, c.length, c.options), c.found)
            << c.needle << " from " << c.start << " over " << c.length;
}

}  // namespace
}  // namespace qbx
