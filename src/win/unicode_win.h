// Conversions at the Win32 edge: UTF-8 inside the program, UTF-16 for the W functions, and the
// system ANSI code page for the 8-bit files.
#pragma once

#include <string>
#include <string_view>

namespace lenzor {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);
std::string AnsiToUtf8(std::string_view ansi);
std::string Utf8ToAnsi(std::string_view utf8);

}  // namespace lenzor
