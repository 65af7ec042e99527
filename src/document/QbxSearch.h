// Title and keyword matching on code page 936 bytes: only the ASCII capitals
// A-Z are lower-cased (second bytes of double-byte characters included), and
// the test is a plain byte substring test.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "QbxCatalog.h"

namespace qbx {

std::string AsciiLower(std::string_view bytes);

// Whether `lowerNeedle` (already lower-cased) occurs in `haystack` lower-cased.
bool ContainsAsciiCaseless(std::string_view haystack, std::string_view lowerNeedle);

// Absolute indexes of the nodes whose title holds `text`, in tree order.
std::vector<int> TitleSearch(const TQbxCatalog& catalog, std::string_view text);

}  // namespace qbx
