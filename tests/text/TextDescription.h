// A compact picture of a QTextDocument's formatted content for assertions:
// blocks in "{...}" with their non-default paragraph formats, runs in "[...]"
// with their character formats, e.g. "{qc}[Hello|b fs20][中文|fg#ff0000]".
#pragma once

#include <QString>
#include <QTextDocument>
#include <ostream>

// Shows QStrings as text in test failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << '[' << l.join(", ").toStdString() << ']'; }

namespace qbx::testing {

QString Describe(const QTextDocument& doc);

}  // namespace qbx::testing
