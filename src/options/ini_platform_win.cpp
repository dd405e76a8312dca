// Windows side of the INI layer's system edge: wide-character paths, MoveFileExW replacement
// and the ANSI code page.
#include "options/ini_platform.h"

#include "core/errors.h"
#include "win/last_error_win.h"
#include "win/unicode_win.h"

#include <windows.h>

#include <algorithm>

namespace lenzor {
namespace {

WriteProgressHook g_writeHook = nullptr;

// The system's reason, when a call failed, follows on a line of its own.
[[noreturn]] void FailWrite(const std::string& path, DWORD error) {
    std::string text = FormatMessage1("Unable to write to %s", path);
    if (error != ERROR_SUCCESS) {
        text += "\n" + SystemErrorText(error);
    }
    throw EIniFileException(text);
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        DWORD block = static_cast<DWORD>(std::min(kWriteBlockSize, bytes.size() - written));
        DWORD n = 0;
        if (!WriteFile(file, bytes.data() + written, block, &n, nullptr) || n == 0) {
            return false;
        }
        written += n;
        if (g_writeHook != nullptr && !g_writeHook(written)) {
            return false;
        }
    }
    return true;
}

HANDLE CreateUniqueTemporary(const std::string& target, DWORD attributes, std::wstring& tempPath) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = Widen(target + ".~" + std::to_string(GetCurrentProcessId()) + "-" +
                         std::to_string(++counter));
        HANDLE file = CreateFileW(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  attributes, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) {
            return file;
        }
    }
    return INVALID_HANDLE_VALUE;
}

}  // namespace

void ReplaceFileContents(const std::string& path, std::string_view bytes) {
    std::wstring target = Widen(path);
    DWORD original = GetFileAttributesW(target.c_str());
    bool exists = original != INVALID_FILE_ATTRIBUTES;
    if (exists && (original & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
        FailWrite(path, original & FILE_ATTRIBUTE_READONLY ? ERROR_ACCESS_DENIED : ERROR_SUCCESS);
    }
    DWORD kept =
        exists ? original & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE)
               : 0;
    std::wstring tempPath;
    HANDLE file = CreateUniqueTemporary(path, kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL, tempPath);
    if (file == INVALID_HANDLE_VALUE) {
        FailWrite(path, GetLastError());
    }
    bool ok = WriteAll(file, bytes) && FlushFileBuffers(file);
    DWORD error = ok ? ERROR_SUCCESS : GetLastError();
    ok = CloseHandle(file) && ok;
    if (ok && !MoveFileExW(tempPath.c_str(), target.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ok = false;
        error = GetLastError();
    }
    if (!ok) {
        DeleteFileW(tempPath.c_str());
        FailWrite(path, error);
    }
}

void SetWriteProgressHookForTesting(WriteProgressHook hook) {
    g_writeHook = hook;
}

const TextCodec& SystemAnsiCodec() {
    static const TextCodec codec{AnsiToUtf8, Utf8ToAnsi};
    return codec;
}

}  // namespace lenzor
