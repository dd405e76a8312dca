// Windows side of the file-system services: wide-character paths throughout.
#include "options/file_system.h"

#include "core/text_utils.h"
#include "win/unicode_win.h"

#include <windows.h>

#include <algorithm>

namespace lenzor {

std::string ProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {  // a cut path fills the buffer exactly
            path.resize(length);
            return Narrow(path);
        }
        path.resize(path.size() * 2);
    }
}

std::vector<std::string> ListFiles(const std::string& folder, const std::string& extension) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW data{};
    HANDLE find = FindFirstFileW(Widen(folder + "*" + extension).c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        std::string name = Narrow(data.cFileName);
        // The pattern also matches longer extensions through the short names ("x.inix").
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
            name.size() >= extension.size() &&
            EqualsIgnoringAsciiCase(std::string_view(name).substr(name.size() - extension.size()),
                                    extension)) {
            names.push_back(std::move(name));
        }
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return names;
}

bool IsFile(const std::string& path) {
    DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

FileReadResult ReadFileStart(const std::string& path, std::size_t maxBytes, std::string& bytes) {
    HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                   ? FileReadResult::Missing
                   : FileReadResult::Unreadable;
    }
    std::string content;
    char buffer[8192];
    bool ok = true;
    while (content.size() < maxBytes) {
        DWORD n = 0;
        DWORD want = static_cast<DWORD>(std::min(sizeof buffer, maxBytes - content.size()));
        ok = ReadFile(file, buffer, want, &n, nullptr) != 0;
        if (!ok || n == 0) {
            break;
        }
        content.append(buffer, n);
    }
    CloseHandle(file);
    if (!ok) {
        return FileReadResult::Unreadable;
    }
    bytes = std::move(content);
    return FileReadResult::Read;
}

}  // namespace lenzor
