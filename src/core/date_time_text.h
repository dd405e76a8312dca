// Text forms of date-time values in the locale's short date and long time formats, and the
// reading of such texts (numeric dates in the format's day-month-year order).
#pragma once

#include "core/format_settings.h"

#include <string>
#include <string_view>

namespace lenzor {

// Short date, a blank and the long time; the time is left out at midnight (milliseconds do
// not count). Values outside years 1..9999, and NaN, give empty text.
std::string DateTimeToText(double value, const FormatSettings& settings = CurrentFormatSettings());
std::string DateToText(double value, const FormatSettings& settings = CurrentFormatSettings());
std::string TimeToText(double value, const FormatSettings& settings = CurrentFormatSettings());

// A date ("5/3/2024" for a month-day-year format), a time ("14:05", "2:05:09 PM"), or a date,
// blanks and a time. A year of one or two digits falls within 50 years before or after the
// current year. Blanks around the parts are allowed.
bool TryTextToDateTime(std::string_view text, double& out,
                       const FormatSettings& settings = CurrentFormatSettings());
bool TryTextToDate(std::string_view text, double& out,
                   const FormatSettings& settings = CurrentFormatSettings());
bool TryTextToTime(std::string_view text, double& out,
                   const FormatSettings& settings = CurrentFormatSettings());

}  // namespace lenzor
