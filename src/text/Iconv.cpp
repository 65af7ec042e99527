#include "Iconv.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <stdexcept>

namespace qbx {
namespace {

// How many bytes of a broken UTF-8 sequence to skip: the lead byte and the
// continuation bytes that follow it, up to the sequence's length.
size_t Utf8SkipLength(const char* p, size_t left) {
    const auto lead = static_cast<unsigned char>(*p);
    const size_t want = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    for (size_t k = 1; k < want; ++k)
        if (k >= left || (static_cast<unsigned char>(p[k]) & 0xC0) != 0x80) return k;
    return want;
}

size_t Utf16SkipLength(const char* p, size_t left) {
    if (left < 2) return left;
    const auto unit = static_cast<uint16_t>(static_cast<unsigned char>(p[0]) | static_cast<unsigned char>(p[1]) << 8);
    if (unit >= 0xD800 && unit < 0xDC00 && left >= 4) {
        const auto next =
            static_cast<uint16_t>(static_cast<unsigned char>(p[2]) | static_cast<unsigned char>(p[3]) << 8);
        if (next >= 0xDC00 && next < 0xE000) return 4;
    }
    return 2;
}

}  // namespace

IconvConverter::IconvConverter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
}

IconvConverter::~IconvConverter() { iconv_close(cd_); }

void IconvConverter::Reset() { iconv(cd_, nullptr, nullptr, nullptr, nullptr); }

size_t IconvConverter::SkipLength(Input input, const char* p, size_t left) {
    switch (input) {
    case Input::Utf8:
        return Utf8SkipLength(p, left);
    case Input::Utf16:
        return Utf16SkipLength(p, left);
    default:
        return 1;
    }
}

}  // namespace qbx
