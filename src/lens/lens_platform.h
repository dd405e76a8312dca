// What the lens logic needs from the operating system, as two small interfaces the logic owns.
// The Win32 layer implements them (lens_window_win, lens_system_win); tests use fakes.
#pragma once

#include "effects/bitmap.h"
#include "lens/lens_picture.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lenzor {

struct LensPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const LensPoint&, const LensPoint&) = default;
};

// Right and bottom exclusive, virtual-screen coordinates.
struct LensRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const LensRect&, const LensRect&) = default;
};

enum class LensBorder { None, ToolWindowFixed, ToolWindowSizeable };
enum class MarkerCorner { mkNone, mkTopLeft, mkBottomRight };

// Paces the lens's redraws by the display while the pointer moves. Once started it calls back
// on the GUI thread once per display refresh until stopped; a refresh that comes while the
// previous call has not been handled yet is dropped, never queued.
class FrameClock {
public:
    virtual ~FrameClock() = default;
    virtual void Start() = 0;
    virtual void Stop() = 0;
    virtual bool Running() const = 0;
};

// Marks the window draws over the picture whenever it shows it; they are not part of the
// picture (a copy of the picture leaves them out).
struct LensOverlay {
    std::string badge;                // a short text in a corner, such as the zoom ("x2.5")
    bool frozen = false;              // the mark of a frozen lens
    std::optional<uint32_t> readout;  // $00BBGGRR under the pointer: the colour strip
    friend bool operator==(const LensOverlay&, const LensOverlay&) = default;
};

// The system services: time, pointer, desktop, version, screen capture.
class LensSystem {
public:
    virtual ~LensSystem() = default;
    virtual uint32_t TickCount() = 0;                  // milliseconds, wraps after ~49.7 days
    virtual bool PointerPos(LensPoint& position) = 0;  // false when it cannot be read
    virtual LensRect VirtualScreen() = 0;              // bounding rectangle of all monitors
    virtual bool IsWin2000OrLater() = 0;               // layered windows available
    // The monitors' rectangles, primary first. Where their bounding rectangle holds parts that
    // no monitor shows, a window there is not seen; a system that does not tell has just one.
    virtual std::vector<LensRect> Monitors() { return {VirtualScreen()}; }
    // The screen contents of rect into a bitmap of exactly its size, black where no monitor
    // shows, with the pointer image drawn in (hot spot on the pointer's pixel) when withPointer
    // and the pointer is showing.
    virtual void CaptureScreen(const LensRect& rect, bool withPointer, Bitmap24& out) = 0;
    // A display-paced clock for one lens, calling onFrame on the GUI thread.
    virtual std::unique_ptr<FrameClock> CreateFrameClock(std::function<void()> onFrame) = 0;
    // Whether a window can be left out of screen capture (Windows 10 version 2004 and later).
    virtual bool CanExcludeFromCapture() = 0;
};

// The lens window: a top-level, always-on-top, layered window with a 4-pixel frame in its
// own colour around the picture area, and a red corner bracket under the frame.
class LensWindow {
public:
    virtual ~LensWindow() = default;
    virtual LensRect Bounds() = 0;  // outer rectangle on the screen
    virtual void Move(int left, int top) = 0;
    virtual void Resize(int width, int height) = 0;  // outer size
    virtual void Show() = 0;                         // show, topmost, repaint
    virtual void Hide() = 0;
    virtual bool Visible() = 0;
    virtual void SetBorder(LensBorder border) = 0;
    // Click-through: every click passes to what lies under the lens. Off gives the window its
    // style as created back.
    virtual void SetClickThrough(bool on) = 0;
    virtual void SetAlpha(uint8_t alpha) = 0;
    virtual void
    StayOnTopNoActivate() = 0;  // SWP_NOSIZE|NOMOVE|NOACTIVATE|SHOWWINDOW|NOOWNERZORDER
    virtual void ShowCornerMarker(MarkerCorner corner) = 0;
    virtual int PictureWidth() = 0;  // current size of the picture area
    virtual int PictureHeight() = 0;
    // The picture the window shows, width x height: the lens renders each new one straight
    // into it and then calls Present, which paints it 1:1 into the picture area (the window
    // also repaints from it). Valid until the next call or the window's end; a call with the
    // size of the one before gives the same pixels, a change of size leaves them unspecified.
    virtual LensPicture PictureBuffer(int width, int height) = 0;
    virtual void Present() = 0;
    // Leaves the window out of screen capture, or lets capture see it again.
    virtual void SetExcludedFromCapture(bool excluded) = 0;
    // The marks drawn over the picture from now on, by every Present and repaint; the window
    // shows them at once (a Present that follows may be the showing).
    virtual void SetOverlay(const LensOverlay& overlay) = 0;
};

}  // namespace lenzor
