// A compact picture of a QTextDocument's formatted content for assertions:
// blocks in "{...}" with their non-default paragraph formats, runs in "[...]"
// with their character formats, e.g. "{qc}[Hello|b fs20][中文|fg#ff0000]".
#pragma once

#include <QString>
#include <QTextDocument>

#include "support/QtPrinting.h"

namespace qbx::testing {

QString Describe(const QTextDocument& doc);

}  // namespace qbx::testing
