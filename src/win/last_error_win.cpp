#include "win/last_error_win.h"

#include "win/unicode_win.h"

#include <stdexcept>

namespace lenzor {

std::string SystemErrorText(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer ? buffer : L"", length);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) {
        text.pop_back();
    }
    return text.empty() ? "error " + std::to_string(code) : Narrow(text);
}

void ThrowLastError(std::string_view what) {
    const DWORD code = GetLastError();
    throw std::runtime_error(std::string(what) + ": " + SystemErrorText(code));
}

}  // namespace lenzor
