// The pictures of the contents tree: folder (1), text (2), HTML (3), recycle
// bin (70, 71), a page for any other kind; with the bookmark mark when set.
#pragma once

#include <QIcon>
#include <cstdint>

namespace qbx {

QIcon TreeIcon(int32_t iconIndex, bool bookmarked);
// An icon from the desktop's theme, or Adwaita's symbolic one in its place.
QIcon ThemeIcon(const char* name);

}  // namespace qbx
