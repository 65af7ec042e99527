// The web view on the browser engine: local pages and pictures, with
// JavaScript and remote content off (old pages must not call out) and no
// context menu of its own.
#pragma once

#include "reader/WebView.h"

namespace qbx {

// Makes the main window use the browser engine for its web view.
void UseWebEngineView();

}  // namespace qbx
