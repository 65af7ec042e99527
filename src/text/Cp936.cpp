#include "Cp936.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace qbx {
namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `in`; at each byte that cannot be converted, appends
    // `replacement`, skips the byte (or the whole undecodable UTF-8 sequence
    // for the encoder) and goes on.
    std::string Run(std::string_view in, std::string_view replacement, bool skipUtf8Sequence, bool* lossy) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string out;
        out.resize(in.size() * 2 + 16);
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
            // EILSEQ or EINVAL (a sequence cut off at the end): replace and skip.
            if (lossy) *lossy = true;
            out.replace(used, replacement.size(), replacement);
            used += replacement.size();
            if (out.size() < used + 16) out.resize(out.size() * 2 + 16);
            size_t skip = 1;
            if (skipUtf8Sequence) {
                const unsigned char lead = static_cast<unsigned char>(*src);
                const size_t want = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
                skip = want;
                for (size_t k = 1; k < want; ++k) {
                    if (k >= srcLeft || (static_cast<unsigned char>(src[k]) & 0xC0) != 0x80) {
                        skip = k;
                        break;
                    }
                }
            }
            src += skip;
            srcLeft -= skip;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        out.resize(used);
        return out;
    }

private:
    iconv_t cd_;
};

}  // namespace

std::string Cp936ToUtf8(std::string_view bytes) {
    thread_local Converter decoder("UTF-8", "CP936");
    return decoder.Run(bytes, "\xEF\xBF\xBD", false, nullptr);
}

std::string Utf8ToCp936(std::string_view utf8, bool* lossy) {
    thread_local Converter encoder("CP936", "UTF-8");
    if (lossy) *lossy = false;
    return encoder.Run(utf8, "?", true, lossy);
}

}  // namespace qbx
