// The one error type of the document layer: damaged data, unreadable files and
// files that cannot be written. The message names what was wrong and where.
#pragma once

#include <stdexcept>
#include <string>

namespace qbx {

class QbxError : public std::runtime_error {
public:
    enum class Kind { Damaged, Io };
    QbxError(Kind kind, const std::string& message) : std::runtime_error(message), kind_(kind) {}
    Kind kind() const { return kind_; }

private:
    Kind kind_;
};

// "damaged document: <what>"
[[noreturn]] void ThrowDamaged(const std::string& what);
// An operating-system failure on a named file, with errno's text.
[[noreturn]] void ThrowIo(const std::string& what, const std::string& path, int err);

}  // namespace qbx
