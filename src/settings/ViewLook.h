// Settings colours and fonts applied to Qt widgets and read back from them.
#pragma once

#include <QColor>
#include <QFont>

#include "AppIni.h"

namespace qbx {

// An RGB colour (0x00BBGGRR), or a system colour taken from the palette.
QColor ColorFromTColor(TColor color);
TColor TColorFromQColor(const QColor& color);

QFont FontFromRecord(const TFontRecord& record);
// Keeps the record's colour and character set; takes face, size and style from `font`.
TFontRecord RecordFromFont(const QFont& font, TColor color, int32_t charset);

}  // namespace qbx
