// A thin wrapper over iconv that never fails on bad input: each byte (or, when
// reading UTF-8, each broken sequence) that cannot be converted becomes a
// replacement in the output and the conversion goes on.
#pragma once

#include <iconv.h>

#include <string>
#include <string_view>

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
    std::string Convert(std::string_view in, std::string_view replacement, Input input, bool* lossy = nullptr);

private:
    iconv_t cd_;
};

}  // namespace qbx
