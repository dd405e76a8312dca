#include "app/shell_helpers_win.h"

#include "win/unicode_win.h"

#include <shellapi.h>

#include <optional>
#include <string>

namespace lenzor {
namespace {

constexpr wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

// The value's text, or nothing when the key or the value is missing or not a string.
std::optional<std::wstring> ReadRunValue(HKEY root, const std::wstring& name) {
    constexpr DWORD kStringTypes = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
    DWORD bytes = 0;
    if (RegGetValueW(root, kRunKey, name.c_str(), kStringTypes, nullptr, nullptr, &bytes) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegGetValueW(root, kRunKey, name.c_str(), kStringTypes, nullptr, text.data(), &bytes) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    text.resize(text.find(L'\0'));
    return text;
}

bool WriteRunValue(HKEY root, const std::wstring& name, const std::wstring& data) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    auto size = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    LONG result = RegSetValueExW(key, name.c_str(), 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(data.c_str()), size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

// True when the value is gone afterwards (also when it or its key never existed).
bool DeleteRunValue(HKEY root, const std::wstring& name) {
    HKEY key = nullptr;
    LONG opened = RegOpenKeyExW(root, kRunKey, 0, KEY_SET_VALUE, &key);
    if (opened == ERROR_FILE_NOT_FOUND) {
        return true;
    }
    if (opened != ERROR_SUCCESS) {
        return false;
    }
    LONG result = RegDeleteValueW(key, name.c_str());
    RegCloseKey(key);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

std::wstring UpperCase(std::wstring text) {
    if (!text.empty()) {
        CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    }
    return text;
}

bool HoldsPath(HKEY root, const std::wstring& name, const std::wstring& upperPath) {
    std::optional<std::wstring> text = ReadRunValue(root, name);
    return text && UpperCase(*text).find(upperPath) != std::wstring::npos;
}

// Unquoted, a path with blanks would let "C:\Program.exe" run in place of
// "C:\Program Files\...".
std::wstring RunCommand(const std::wstring& path) {
    return path.find(L' ') == std::wstring::npos ? path : L"\"" + path + L"\"";
}

}  // namespace

bool OpenWithShell(std::string_view target, HWND owner) {
    std::wstring file = Widen(target);
    if (file.empty() || file.size() >= MAX_PATH) {
        return false;
    }
    HINSTANCE result =
        ShellExecuteW(owner, nullptr, file.c_str(), nullptr, nullptr, SW_SHOWNOACTIVATE);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

bool IsAutoRunSet(std::string_view name, std::string_view path) {
    std::wstring wideName = Widen(name);
    std::wstring upperPath = UpperCase(Widen(path));
    return HoldsPath(HKEY_LOCAL_MACHINE, wideName, upperPath) ||
           HoldsPath(HKEY_CURRENT_USER, wideName, upperPath);
}

bool SetAutoRun(std::string_view name, std::string_view path, bool enable) {
    std::wstring wideName = Widen(name);
    std::wstring widePath = Widen(path);
    if (!enable) {
        DeleteRunValue(HKEY_LOCAL_MACHINE, wideName);
        DeleteRunValue(HKEY_CURRENT_USER, wideName);
        return !IsAutoRunSet(name, path);
    }
    if (WriteRunValue(HKEY_LOCAL_MACHINE, wideName, RunCommand(widePath))) {
        // One entry is enough: with both, the program would start twice at logon.
        DeleteRunValue(HKEY_CURRENT_USER, wideName);
        return true;
    }
    if (HoldsPath(HKEY_LOCAL_MACHINE, wideName, UpperCase(widePath))) {
        return true;
    }
    return WriteRunValue(HKEY_CURRENT_USER, wideName, RunCommand(widePath));
}

}  // namespace lenzor
