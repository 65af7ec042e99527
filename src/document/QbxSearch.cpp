#include "QbxSearch.h"

#include <algorithm>

namespace qbx {

std::string AsciiLower(std::string_view bytes) {
    std::string out(bytes);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool ContainsAsciiCaseless(std::string_view haystack, std::string_view lowerNeedle) {
    return AsciiLower(haystack).find(lowerNeedle) != std::string::npos;
}

std::vector<int> TitleSearch(const TQbxCatalog& catalog, std::string_view text) {
    const std::string needle = AsciiLower(text);
    std::vector<int> hits;
    for (int i = 0; i < catalog.Count(); ++i)
        if (ContainsAsciiCaseless(catalog.Title(i), needle)) hits.push_back(i);
    return hits;
}

}  // namespace qbx
