// Helpers of the lens's Win32 tests: known pictures put on the real screen, and a message pump
// that gives Wine the time to paint them.
#pragma once

#include "effects/bitmap.h"
#include "lens/lens_platform.h"
#include "win/window_win.h"

#include <functional>

namespace lenzor::test {

// Every pixel differs from its neighbours; no channel is 0 or 255, so neither the pointer's
// black and white nor an inverted copy can be mistaken for it.
Bitmap24 MakePattern(int width, int height);

// A 32 x 32 monochrome pointer with its hot spot at (3, 5) and one opaque white 2 x 2 block
// whose top-left pixel lies (dx, dy) from the hot spot; everything else is transparent.
HCURSOR MakeBlockCursor(int dx, int dy);

// Dispatches messages for the given time, so windows get painted and pointer moves arrive.
void PumpMessagesFor(int milliseconds);

// Dispatches messages and takes shots of rect until one satisfies `ready` or five seconds have
// passed; returns the last shot.
Bitmap24 ShotWhen(const LensRect& rect, const std::function<bool(const Bitmap24&)>& ready);

// The part of a picture at (left, top) of the given size.
Bitmap24 Crop(const Bitmap24& picture, int left, int top, int width, int height);

// A borderless popup that shows a picture 1:1 and, if given, sets its own pointer image.
class PictureWindow : public NativeWindow {
public:
    PictureWindow(const Bitmap24& picture, int left, int top, HCURSOR cursor = nullptr);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Bitmap24 picture_;
    HCURSOR cursor_;
};

}  // namespace lenzor::test
