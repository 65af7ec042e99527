// A compressed block is a u32 length N followed by a zlib stream; its content
// is the first N bytes the stream inflates to.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qbx {

// Deflate cannot expand data by more than this factor, so a block's declared
// length is only believed up to this bound (plus a little slack).
constexpr uint64_t kMaxInflateRatio = 1032;
constexpr uint64_t kInflateSlack = 64 * 1024;

// Replaces the block that starts at `offset` in `stream` by its N inflated
// bytes. `what` names the block in error messages ("body of node at 1234").
// Throws QbxError when fewer than 4 bytes are left, when the zlib data is
// invalid or breaks off, or when the stream ends before producing N bytes.
void InflateStream(std::vector<uint8_t>& stream, const std::string& what, size_t offset = 0);

}  // namespace qbx
