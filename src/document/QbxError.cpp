#include "QbxError.h"

#include <cstring>

namespace qbx {

void ThrowDamaged(const std::string& what) { throw QbxError(QbxError::Kind::Damaged, "damaged document: " + what); }

void ThrowIo(const std::string& what, const std::string& path, int err) {
    throw QbxError(QbxError::Kind::Io, what + " \"" + path + "\": " + std::strerror(err));
}

}  // namespace qbx
