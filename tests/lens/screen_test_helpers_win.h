// Helpers of the lens's Win32 tests: known pictures put on the real screen, and waits for what
// the screen must come to show. Wine paints and hands windows to the display in its own time, so
// a test reads the screen once the picture it expects has arrived, or a generous time-out has
// passed; it never relies on a fixed pause.
#pragma once

#include "effects/bitmap.h"
#include "lens/lens_platform.h"
#include "win/window_win.h"

#include <functional>
#include <string>

namespace lenzor::test {

// Every pixel differs from its neighbours; no channel is 0 or 255, so neither the pointer's
// black and white nor an inverted copy can be mistaken for it.
Bitmap24 MakePattern(int width, int height);

// A 32 x 32 monochrome pointer with its hot spot at (3, 5) and one opaque white 2 x 2 block
// whose top-left pixel lies (dx, dy) from the hot spot; everything else is transparent.
HCURSOR MakeBlockCursor(int dx, int dy);

// The pointer image the system shows now, or nullptr.
HCURSOR ShownPointer();

// Handles this thread's messages and copies the rectangle from the screen until `shows` accepts
// the copy or the time-out passes; returns the last copy.
Bitmap24 WaitForScreen(const LensRect& rect, const std::function<bool(const Bitmap24&)>& shows);

// Handles this thread's messages until `done` holds or the time-out passes; whether it held.
bool WaitFor(const std::function<bool()>& done);

// How a border-less 250 x 250 lens looks on the screen: a 4-pixel frame in the frame colour, red
// where the corner's 30-pixel bracket lies under it, the picture at the top left of the area
// inside, panel grey where the picture does not reach.
Bitmap24 LensLook(const Bitmap24& picture, MarkerCorner corner);

// Where `got` differs from `want` (their sizes, or the first pixel that differs), or "".
std::string FirstDifference(const Bitmap24& got, const Bitmap24& want);

// The part of a picture at (left, top) of the given size.
Bitmap24 Crop(const Bitmap24& picture, int left, int top, int width, int height);

// A borderless popup that shows a picture 1:1 and, if given, sets its own pointer image.
class PictureWindow : public NativeWindow {
public:
    PictureWindow(const Bitmap24& picture, int left, int top, HCURSOR cursor = nullptr);

    // Waits until the screen shows the picture where the window stands.
    bool WaitUntilOnScreen();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Bitmap24 picture_;
    HCURSOR cursor_;
    int left_;
    int top_;
};

}  // namespace lenzor::test
