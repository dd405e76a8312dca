// The user's number and date-time conventions that text forms follow: read from the locale
// at start on Windows, replaceable in tests.
#pragma once

#include <string>

namespace lenzor {

// Date and time formats use the Windows locale picture syntax: d dd ddd dddd, M MM MMM MMMM,
// y yy yyyy, h hh (12-hour), H HH (24-hour), m mm, s ss, t tt (AM/PM marker) and 'quoted'
// literal text.
struct FormatSettings {
    char decimalSeparator = '.';
    std::string shortDateFormat = "yyyy-MM-dd";
    std::string longTimeFormat = "HH:mm:ss";
    std::string timeAMString = "AM";
    std::string timePMString = "PM";
};

const FormatSettings& CurrentFormatSettings();
void SetCurrentFormatSettings(const FormatSettings& settings);

}  // namespace lenzor
