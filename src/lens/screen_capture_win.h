// Screen capture: a rectangle of the screen into a 24-bit bitmap of exactly its size, with the
// current pointer image drawn in so that its hot spot lands on the pointer's own pixel.
#pragma once

#include "effects/bitmap.h"
#include "lens/lens_platform.h"

#include <windows.h>

#include <vector>

namespace lenzor {

// The screen contents of rect (virtual-screen coordinates; what no monitor shows stays black).
// The lens always draws the pointer in; this plain capture is what the capture tests read.
void CaptureScreenRect(const LensRect& rect, Bitmap24& out);

// The bounding rectangle of all monitors.
LensRect VirtualScreenRect();

// The monitors' rectangles, primary first; the whole virtual screen when they cannot be listed.
std::vector<LensRect> MonitorRects();

// GetCursorInfo looked up at run time; false when the system lacks it or the call fails. Sets
// info.cbSize itself.
bool GetCursorInfoDynamic(CURSORINFO& info);

// Draws a copy of cursor on dc with its hot spot at pointer, dc's (0, 0) being the screen point
// origin. False when the cursor's image cannot be read (nothing is drawn then).
bool DrawPointerImage(HDC dc, HCURSOR cursor, POINT pointer, POINT origin);

// CaptureScreenRect, then the pointer image when withPointer and the pointer is showing.
void CaptureScreen(bool withPointer, const LensRect& rect, Bitmap24& out);
// The same with the monitors as MonitorRects listed them.
void CaptureScreen(bool withPointer, const LensRect& rect, const std::vector<LensRect>& monitors,
                   Bitmap24& out);

}  // namespace lenzor
