// Small text helpers of the format: fixed-width fields, the attachment size
// text and the OLE date-time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace qbx {

// A fixed-width field ends at its first NUL; without one, the whole width counts.
std::string FieldText(const uint8_t* field, size_t width);
template <size_t N>
std::string FieldText(const uint8_t (&field)[N]) {
    return FieldText(field, N);
}

// "1023 Bytes", "1 KB", "2 KB" for 1,536 and for 2,560 (halves go to the even neighbour).
std::string AttachmentSizeText(int32_t size);

// The part of a name from its last "." on, the dot included; empty without a dot.
std::string FileExtension(const std::string& name);

struct DateTimeParts {
    int year, month, day, hour, minute, second;
};

// OLE date-times count days since 30 December 1899; the fraction is the time of
// day (for negative values too: -1.25 is 29 December 1899, 06:00). Rounded to
// the nearest second; nothing for values that are not a date of years 100..9999.
std::optional<DateTimeParts> OleDateToParts(double oleDate);

// "YYYY-MM-DDTHH:MM:SS", or empty when the value is no date.
std::string OleDateToIso(double oleDate);

}  // namespace qbx
