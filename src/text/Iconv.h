// A thin wrapper over iconv that never fails on bad input: each byte (or, when
// reading UTF-8 or UTF-16, each broken character) that cannot be converted
// becomes a replacement in the output and the conversion goes on.
#pragma once

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace qbx {

class IconvConverter {
public:
    IconvConverter(const char* to, const char* from);
    ~IconvConverter();
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    // What one unconvertible character of the input is: a byte, a UTF-8
    // sequence or a UTF-16LE unit (a surrogate pair counting as one).
    enum class Input { Bytes, Utf8, Utf16 };

    // `replacement` is in the target encoding; `lossy` tells whether it was used.
    std::string Convert(std::string_view in, std::string_view replacement, Input input, bool* lossy = nullptr) {
        std::string out;
        out.resize(in.size() * 2 + 16);
        out.resize(ConvertInto(in, out, replacement, input, lossy));
        return out;
    }

    // Converts into a buffer the caller sized (and that can grow with
    // resize(bytes)); returns the number of bytes written. `Buffer` is a byte
    // string or a string of 16-bit units (Unit = 2).
    template <typename Buffer, size_t Unit = sizeof(*std::declval<Buffer>().data())>
    size_t ConvertInto(std::string_view in, Buffer& out, std::string_view replacement, Input input, bool* lossy) {
        Reset();
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        size_t used = 0;
        auto bytes = [&] { return reinterpret_cast<char*>(out.data()); };
        auto capacity = [&] { return static_cast<size_t>(out.size()) * Unit; };
        auto grow = [&](size_t atLeast) { out.resize((std::max(capacity() * 2, atLeast) + Unit - 1) / Unit); };
        while (srcLeft > 0) {
            char* dst = bytes() + used;
            size_t dstLeft = capacity() - used;
            const size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            used = capacity() - dstLeft;
            if (rc != static_cast<size_t>(-1)) break;
            if (errno == E2BIG) {
                grow(capacity() + 64);
                continue;
            }
            // EILSEQ, or EINVAL for a sequence cut off at the end: replace and skip.
            if (lossy) *lossy = true;
            if (capacity() < used + replacement.size()) grow(used + replacement.size() + 64);
            replacement.copy(bytes() + used, replacement.size());
            used += replacement.size();
            const size_t skip = SkipLength(input, src, srcLeft);
            src += skip;
            srcLeft -= skip;
            Reset();
        }
        return used;
    }

private:
    void Reset();
    static size_t SkipLength(Input input, const char* p, size_t left);
    iconv_t cd_;
};

}  // namespace qbx
