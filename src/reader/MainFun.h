// The open document. Opening and closing are the only places that create and free it.
#pragma once

#include <QString>
#include <memory>

#include "document/QbxUnit.h"

namespace qbx {

extern std::unique_ptr<TQbxObject> CurrentDocument;

// Date-times as the window shows them: the system's short date, and unless
// the time is midnight a blank and the long time.
QString DateTimeText(double oleDate);
QString DateText(double oleDate);

}  // namespace qbx
