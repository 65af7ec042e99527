// Scrambling XORs each whole little-endian 32-bit word with NOT key; the same
// call undoes it. Trailing bytes of a length that is not a multiple of 4 stay.
#pragma once

#include <cstdint>

namespace qbx {

void Descramble(uint32_t key, uint8_t* buffer, int64_t wordCount);

}  // namespace qbx
