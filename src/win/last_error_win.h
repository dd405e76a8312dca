// Failed Win32 calls as exceptions that carry the system's own words for the failure.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace lenzor {

// The system's message for an error code, in the user's language, without the trailing line
// break; "error <code>" where the system has no text for it.
std::string SystemErrorText(DWORD code);

// Throws std::runtime_error "<what>: <system text>" for GetLastError(), read before anything
// else can change it.
[[noreturn]] void ThrowLastError(std::string_view what);

}  // namespace lenzor
