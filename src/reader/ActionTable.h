// Every command of the main window, declared once: name, caption, hint
// ("tool tip|status text"), shortcut, tag, category, check behaviour and icon.
// Menus and toolbars are laid out from MenuLayout's tables.
#pragma once

#include <QString>
#include <vector>

namespace qbx {

struct TActionRow {
    const char* name;
    const char* caption;   // UTF-8
    const char* hint;      // UTF-8, "tool tip|status text"
    const char* shortcut;  // QKeySequence text, or ""
    int tag;               // odd: enabled without a document; even: needs one
    const char* category;
    bool checkable = false;
    bool checked = false;
    int group = 0;          // actions of one group (above 0) are exclusive
    const char* icon = "";  // freedesktop icon name
};

const std::vector<TActionRow>& ActionTable();

// Tags of the design: 3 keeps an action enabled without a document.
bool NeedsDocument(int tag);

}  // namespace qbx
