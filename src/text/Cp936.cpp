#include "Cp936.h"

#include "Iconv.h"

namespace qbx {

std::string Cp936ToUtf8(std::string_view bytes) {
    thread_local IconvConverter decoder("UTF-8", "CP936");
    return decoder.Convert(bytes, "\xEF\xBF\xBD", IconvConverter::Input::Bytes);
}

std::string Utf8ToCp936(std::string_view utf8, bool* lossy) {
    thread_local IconvConverter encoder("CP936", "UTF-8");
    if (lossy) *lossy = false;
    return encoder.Convert(utf8, "?", IconvConverter::Input::Utf8, lossy);
}

}  // namespace qbx
