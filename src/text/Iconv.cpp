#include "Iconv.h"

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

std::string IconvConverter::Convert(std::string_view in, std::string_view replacement, Input input, bool* lossy) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string out(in.size() * 2 + 16, '\0');
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    size_t used = 0;
    while (srcLeft > 0) {
        char* dst = out.data() + used;
        size_t dstLeft = out.size() - used;
        const size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
        used = out.size() - dstLeft;
        if (rc != static_cast<size_t>(-1)) break;
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        // EILSEQ, or EINVAL for a sequence cut off at the end: replace and skip.
        if (lossy) *lossy = true;
        if (out.size() < used + replacement.size() + 16) out.resize(out.size() * 2 + replacement.size() + 16);
        out.replace(used, replacement.size(), replacement);
        used += replacement.size();
        const size_t skip = input == Input::Utf8    ? Utf8SkipLength(src, srcLeft)
                            : input == Input::Utf16 ? Utf16SkipLength(src, srcLeft)
                                                    : 1;
        src += skip;
        srcLeft -= skip;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(used);
    return out;
}

}  // namespace qbx
