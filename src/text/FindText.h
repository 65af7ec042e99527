// Matching as the content view does it: over displayed characters, downwards
// from a start over a length, ignoring case unless asked (Unicode case folding).
#pragma once

#include <QString>
#include <QStringView>

namespace qbx {

enum FindOption { FindMatchCase = 1, FindWholeWord = 2 };

// The position of the first match of `needle` that lies wholly inside
// [start, start + length) of `text`, or -1. An empty needle never matches.
qsizetype FindText(QStringView text, QStringView needle, qsizetype start, qsizetype length, int options = 0);

}  // namespace qbx
