// Where a file's document starts: 0 for a plain document, or behind the
// executable that carries it as a stand-alone book.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace qbx {

// Books made on Windows keep their document at this offset.
constexpr int64_t kWindowsBookOffset = 352768;

// The end of an ELF image: the furthest of its header tables, sections and
// segments. Nothing when `bytes` is no ELF file or its headers are damaged.
std::optional<int64_t> ElfImageEnd(const std::string& path);

// The offset of the document a book carries: the end of the ELF image when
// bytes follow it; 352,768 for a file that starts with "MZ" and is larger than
// that. Nothing for any other file (and for an executable without a document).
std::optional<int64_t> BookDocumentOffset(const std::string& path);

// BookDocumentOffset, or 0 for a plain document.
int64_t DocumentBaseOffset(const std::string& path);

}  // namespace qbx
