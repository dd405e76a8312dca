// The system's version, read by the lens to decide whether layered windows exist and whether a
// window can be left out of screen capture.
#pragma once

#include <windows.h>

namespace lenzor {

// GetVersionExW with the record's size set from its type; true on success.
bool GetOSVersion(OSVERSIONINFOW& info);

// Layered windows and click-through need major version 5 or later.
bool IsWin2000OrLater();

// Windows 10 version 2004 (build 19041) or later, as ntdll's RtlGetVersion tells it: unlike
// GetVersionEx, its answer does not depend on the program's manifest.
bool IsWin10Build19041OrLater();

}  // namespace lenzor
