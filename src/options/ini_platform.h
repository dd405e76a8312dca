// The INI layer's edge to the system: whole-file reads, atomic replacement of a file, and the
// conversion between the system ANSI code page of 8-bit files and the program's UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lenzor {

enum class FileReadResult { Read, Missing, Unreadable };

// Paths are UTF-8. (With the other file reads in file_system.h.)
FileReadResult ReadFileBytes(const std::string& path, std::string& bytes);

// Writes the bytes to a new file beside the target and moves it over the target in one step,
// so the target is always either the old or the new complete file. Refuses a read-only
// target. Throws EIniFileException "Unable to write to <path>" and leaves the target as it was
// on any failure.
void ReplaceFileContents(const std::string& path, std::string_view bytes);

// Called after each block written to the new file with the bytes written so far; returning
// false fails the write there as a full disk would. Tests only; none in the program.
using WriteProgressHook = bool (*)(std::size_t bytesWritten);
void SetWriteProgressHookForTesting(WriteProgressHook hook);
constexpr std::size_t kWriteBlockSize = 4096;

// Conversion of 8-bit file text; the identity where the system code page is UTF-8.
struct TextCodec {
    std::string (*toUtf8)(std::string_view text);
    std::string (*fromUtf8)(std::string_view text);
};
const TextCodec& SystemAnsiCodec();

}  // namespace lenzor
