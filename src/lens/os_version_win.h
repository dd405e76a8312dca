// The system's version, read once by the lens to decide whether layered windows exist.
#pragma once

#include <windows.h>

namespace lenzor {

// GetVersionExW with the record's size set from its type; true on success.
bool GetOSVersion(OSVERSIONINFOW& info);

// Layered windows and click-through need major version 5 or later.
bool IsWin2000OrLater();

}  // namespace lenzor
