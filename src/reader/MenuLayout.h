// The main menu, the context menus and the toolbars as data, in the design's
// order: an entry is an action name, "-" for a separator, or ">Name" for a
// submenu laid out by its own table.
#pragma once

#include <vector>

namespace qbx {

struct TMenuRow {
    const char* name;   // component name
    const char* title;  // UTF-8; empty for context menus
    std::vector<const char*> entries;
};

struct TToolbarRow {
    const char* name;
    const char* caption;
    int left, top, width;  // design place in the control bar
    std::vector<const char*> entries;
};

// Top-level menus of the menu bar, in order.
const std::vector<TMenuRow>& MainMenuTable();
// Submenus and context menus, found by name.
const std::vector<TMenuRow>& OtherMenuTable();
const std::vector<TToolbarRow>& ToolbarTable();

// The toolbar reset: name, left, top, width; height is always 24.
struct TToolbarReset {
    const char* name;
    int left, top, width;
};
const std::vector<TToolbarReset>& ToolbarResetTable();

}  // namespace qbx
