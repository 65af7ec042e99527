#include "QbxSearch.h"

#include <algorithm>

namespace qbx {

std::string AsciiLower(std::string_view bytes) {
    std::string out(bytes);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

namespace {

inline char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

// Compares on the fly: titles are short, and lowering a copy of each costs
// more than the search itself.
bool ContainsAsciiCaseless(std::string_view haystack, std::string_view lowerNeedle) {
    const size_t n = haystack.size(), m = lowerNeedle.size();
    if (m == 0) return true;
    if (m > n) return false;
    const char first = lowerNeedle[0];
    for (size_t i = 0; i + m <= n; ++i) {
        if (Lower(haystack[i]) != first) continue;
        size_t k = 1;
        while (k < m && Lower(haystack[i + k]) == lowerNeedle[k]) ++k;
        if (k == m) return true;
    }
    return false;
}

std::vector<int> TitleSearch(const TQbxCatalog& catalog, std::string_view text) {
    const std::string needle = AsciiLower(text);
    std::vector<int> hits;
    for (int i = 0; i < catalog.Count(); ++i)
        if (ContainsAsciiCaseless(catalog.Title(i), needle)) hits.push_back(i);
    return hits;
}

}  // namespace qbx
