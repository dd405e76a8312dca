// Bitmap24 at the GDI edge: its rows already have the layout of a top-down 24-bit DIB.
#pragma once

#include "effects/bitmap.h"
#include "win/gdi_win.h"

#include <windows.h>

namespace lenzor {

// Paints the bitmap 1:1 with its top-left corner at (x, y).
inline void PaintBitmap24(HDC dc, int x, int y, const Bitmap24& picture) {
    const BITMAPINFO info = TopDownDibInfo(picture.Width(), picture.Height(), 24);
    StretchDIBits(dc, x, y, picture.Width(), picture.Height(), 0, 0, picture.Width(),
                  picture.Height(), picture.Data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

}  // namespace lenzor
