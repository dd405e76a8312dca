// Small text helpers shared by the parsers: blank trimming and ASCII case-insensitive equality.
#pragma once

#include <string_view>

namespace lenzor {

// Without leading and trailing blanks and tabs.
std::string_view TrimBlanks(std::string_view text);

// Equal after upper-casing ASCII letters (names and keywords are ASCII).
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace lenzor
