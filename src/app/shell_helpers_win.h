// Reaching the Windows shell (opening files and web addresses) and the start-with-Windows entry
// in the registry's Run keys.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace lenzor {

// The running program's full path, and its folder with the trailing backslash, as UTF-8: the
// settings file and the autorun value take the real path whatever characters (outside the ANSI

// Opens a file, folder or web address with its default action. A target of 260 characters or
// more is refused rather than cut (a cut one could open something else). Returns whether the
// shell reported success; callers may ignore it.
bool OpenWithShell(std::string_view target, HWND owner = nullptr);

// Whether the machine-wide or the user's Run key holds a value `name` whose text contains `path`,
// ignoring case (so quotes or arguments around it still count). A missing key, a missing value
// or a value that is not a string reads as not set.
bool IsAutoRunSet(std::string_view name, std::string_view path);

// Enabling writes the path (quoted when it contains blanks) under the machine-wide Run key, or,
// when that key cannot be written, under the user's Run key. Disabling removes the value from
// both. Returns whether the choice took effect, that is whether IsAutoRunSet now agrees with
// `enable`.
bool SetAutoRun(std::string_view name, std::string_view path, bool enable);

}  // namespace lenzor
