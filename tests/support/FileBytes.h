// A file's bytes for comparing in tests; a file that cannot be read gives a
// marker no expected content equals.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace qbx::testing {

inline QByteArray FileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

}  // namespace qbx::testing
