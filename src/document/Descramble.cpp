#include "Descramble.h"

#include <cstring>

namespace qbx {

// Kept as a plain word loop on purpose: GCC vectorises it at -O3, which keeps
// descrambling a 50 MB attachment far below the cost of inflating it.
void Descramble(uint32_t key, uint8_t* buffer, int64_t wordCount) {
    const uint32_t mask = ~key;
    for (int64_t i = 0; i < wordCount; ++i) {
        uint32_t w;
        std::memcpy(&w, buffer + 4 * i, 4);
        w ^= mask;
        std::memcpy(buffer + 4 * i, &w, 4);
    }
}

}  // namespace qbx
