// Draws the lens window's marks over its picture: the colour readout strip along the bottom,
// the zoom badge top left and the frozen mark top right, all inside the picture area and
// scaled from 96 DPI to the window's.
#pragma once

#include "lens/lens_platform.h"

#include <windows.h>

namespace lenzor {

bool HasMarks(const LensOverlay& overlay);

void DrawLensOverlay(HDC dc, const RECT& area, const LensOverlay& overlay, UINT dpi);

}  // namespace lenzor
