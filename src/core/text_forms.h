// Text forms of numbers (and, through date_time_text.h, of dates and times) as settings files
// and the user see them: no thousands separators, the locale's decimal separator.
#pragma once

#include "core/date_time_text.h"
#include "core/format_settings.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace lenzor {

// Decimal digits, a leading "-" for negatives.
std::string IntToText(int32_t value);

// Decimal ("-12", "+7") or hexadecimal after "$", "0x" or "0X" ("$1F"); blanks around the
// number are allowed. Refuses anything else and every value outside the 32-bit range.
bool TryTextToInt32(std::string_view text, int32_t& out);

// The nearest number with at most 15 significant digits, trailing zeros removed: fixed
// notation from 0.0001 up to 15 digits before the separator ("2", "0.0001", "-2.5"), otherwise
// scientific ("1E-5", "1.5E20"). Not-a-number and infinities give "NAN", "INF", "-INF".
std::string FloatToText(double value, const FormatSettings& settings = CurrentFormatSettings());

// Sign, digits with at most one decimal separator (the locale's, no other), an optional
// exponent; blanks around the number are allowed. Refuses anything else, thousands
// separators, and numbers beyond the double range.
bool TryTextToFloat(std::string_view text, double& out,
                    const FormatSettings& settings = CurrentFormatSettings());

}  // namespace lenzor
