// Code page 936 (GBK) <-> UTF-8 through iconv, whole buffers at a time.
// Plain C++ so that qbxtool and the fuzzers need no Qt.
#pragma once

#include <string>
#include <string_view>

namespace qbx {

// Bytes that do not decode become U+FFFD, one per undecodable byte; nothing is dropped.
std::string Cp936ToUtf8(std::string_view bytes);

// Characters code page 936 lacks become "?"; `lossy` (when given) tells
// whether that happened. Invalid UTF-8 input bytes count as lacking.
std::string Utf8ToCp936(std::string_view utf8, bool* lossy = nullptr);

}  // namespace qbx
