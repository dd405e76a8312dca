// The model lays out in 96-DPI pixels; win/dpi_win.h scales to a window's real DPI and gives the
// system's dialog font for it, this adds the model's rectangles and window frames.
#pragma once

#include "ui/control.h"
#include "win/dpi_win.h"

#include <windows.h>

namespace lenzor {

// Edges scale one by one, so neighbouring controls still meet after scaling.
RECT ScaleRect(const TRect& rect, UINT dpi);

// AdjustWindowRectExForDpi where present.
void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, UINT dpi);

}  // namespace lenzor
