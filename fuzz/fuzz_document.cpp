// Opens arbitrary bytes as a document and walks all of it: catalog, every node
// record and body, every attachment list and every attachment into memory.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <string>

#include "document/QbxError.h"
#include "document/QbxUnit.h"
#include "support/DocumentWalk.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const int fd = memfd_create("qbxfuzz", MFD_CLOEXEC);
    if (fd < 0) return 0;
    if (ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != static_cast<ssize_t>(size)) return 0;
    const std::string path = "/proc/self/fd/" + std::to_string(fd);
    try {
        qbx::TQbxObject doc(path, 0);
        qbx::testing::WalkDocument(doc);
    } catch (const qbx::QbxError&) {
    }
    return 0;
}
