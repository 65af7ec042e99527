// The pictures of the contents tree: folder (1), text (2), HTML (3), recycle
// bin (70, 71), a page for any other kind; with the bookmark mark when set.
#pragma once

#include <QIcon>
#include <cstdint>

#include "shell/ShellUnit.h"

namespace qbx {

QIcon TreeIcon(int32_t iconIndex, bool bookmarked);

}  // namespace qbx
