// Sizes in 96-DPI pixels scaled to a window's real DPI, and the system's message font for it.
// Newer DPI functions are looked up at run time (Windows 7 lacks them).
#pragma once

#include <windows.h>

namespace lenzor {

inline constexpr UINT kDesignDpi = 96;

// The primary screen's DPI.
UINT SystemDpi();
// GetDpiForWindow where the system has it, else the system DPI.
UINT WindowDpi(HWND hwnd);

inline int ScaleToDpi(int value, UINT dpi) {
    return MulDiv(value, static_cast<int>(dpi), kDesignDpi);
}
inline int ScaleFromDpi(int value, UINT dpi) {
    return MulDiv(value, kDesignDpi, static_cast<int>(dpi));
}

// The message font of the non-client metrics at that DPI; one font per DPI, kept for the run.
HFONT DialogFont(UINT dpi);

}  // namespace lenzor
