#include "win/unicode_win.h"

#include <windows.h>

namespace lenzor {
namespace {

std::wstring ToWide(UINT codePage, std::string_view text) {
    if (text.empty()) {
        return {};
    }
    int n =
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), result.data(), n);
    return result;
}

std::string FromWide(UINT codePage, std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    int n = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                nullptr, nullptr);
    std::string result(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), result.data(), n,
                        nullptr, nullptr);
    return result;
}

}  // namespace

std::wstring Widen(std::string_view utf8) {
    return ToWide(CP_UTF8, utf8);
}
std::string Narrow(std::wstring_view utf16) {
    return FromWide(CP_UTF8, utf16);
}
std::string AnsiToUtf8(std::string_view ansi) {
    return Narrow(ToWide(CP_ACP, ansi));
}
std::string Utf8ToAnsi(std::string_view utf8) {
    return FromWide(CP_ACP, Widen(utf8));
}

}  // namespace lenzor
