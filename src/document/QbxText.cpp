#include "QbxText.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace qbx {

std::string FieldText(const uint8_t* field, size_t width) {
    if (width == 0) return {};
    const void* nul = std::memchr(field, 0, width);
    const size_t len = nul ? static_cast<size_t>(static_cast<const uint8_t*>(nul) - field) : width;
    return std::string(reinterpret_cast<const char*>(field), len);
}

std::string AttachmentSizeText(int32_t size) {
    if (size < 1024) return std::to_string(size) + " Bytes";
    int64_t kb = size / 1024;
    const int64_t rest = size % 1024;
    if (rest > 512 || (rest == 512 && kb % 2 == 1)) ++kb;
    return std::to_string(kb) + " KB";
}

std::string FileExtension(const std::string& name) {
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr int64_t kOleEpochToUnixDays = 25569;  // 1899-12-30 .. 1970-01-01
constexpr double kMinOleDate = -657434.0;       // 0100-01-01
constexpr double kMaxOleDate = 2958466.0;       // 10000-01-01

// Days since 1970-01-01 to a civil date (proleptic Gregorian).
void CivilFromDays(int64_t z, int& y, int& m, int& d) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
}

}  // namespace

std::optional<DateTimeParts> OleDateToParts(double oleDate) {
    if (!std::isfinite(oleDate) || oleDate <= kMinOleDate || oleDate >= kMaxOleDate) return std::nullopt;
    int64_t days = static_cast<int64_t>(std::trunc(oleDate));
    int64_t seconds = std::llround(std::fabs(oleDate - static_cast<double>(days)) * kSecondsPerDay);
    if (seconds >= 86400) {
        seconds -= 86400;
        ++days;
    }
    DateTimeParts p{};
    CivilFromDays(days - kOleEpochToUnixDays, p.year, p.month, p.day);
    if (p.year > 9999) return std::nullopt;
    p.hour = static_cast<int>(seconds / 3600);
    p.minute = static_cast<int>(seconds / 60 % 60);
    p.second = static_cast<int>(seconds % 60);
    return p;
}

std::string OleDateToIso(double oleDate) {
    const auto p = OleDateToParts(oleDate);
    if (!p) return {};
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d", p->year, p->month, p->day, p->hour, p->minute,
                  p->second);
    return buf;
}

}  // namespace qbx
