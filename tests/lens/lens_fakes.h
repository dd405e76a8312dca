// Fakes of the lens's system and window for native tests: a screen of one or more monitors whose
// pixel colours are a known function of their coordinates, a settable clock and pointer, and a
// window that records what the lens did to it.
#pragma once

#include "lens/lens_platform.h"
#include "lens/lenzor.h"

#include <algorithm>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace lenzor {

// Readable failure messages.
inline void PrintTo(const LensPoint& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ")";
}
inline void PrintTo(const LensRect& r, std::ostream* os) {
    *os << "(" << r.left << ", " << r.top << ")-(" << r.right << ", " << r.bottom << ")";
}

}  // namespace lenzor

namespace lenzor::testing {

// Distinct, coordinate-dependent colour of every screen pixel.
inline uint32_t ScreenColor(int x, int y) {
    return static_cast<uint32_t>((x * 7 + y) & 0xFF) | static_cast<uint32_t>((y * 5) & 0xFF) << 8 |
           static_cast<uint32_t>((x + y * 3) & 0xFF) << 16;
}

// Memory for a lens picture, filled with a pattern the lens must overwrite.
struct PictureMemory {
    std::vector<uint8_t> bytes;
    LensPicture view;
    LensPicture Resize(int width, int height) {
        if (width != view.Width() || height != view.Height()) {
            bytes.assign(4 * static_cast<std::size_t>(width) * height, 0xA5);
            view = LensPicture(bytes.data(), width, height, 4 * static_cast<std::size_t>(width));
        }
        return view;
    }
};

// The colours of a lens picture; the unused fourth byte must be 0.
inline Bitmap24 ToBitmap24(const LensPicture& picture) {
    Bitmap24 result(picture.Width(), picture.Height());
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            if (picture.Row(y)[4 * x + 3] != 0) {
                throw std::logic_error("the unused byte of a lens pixel is not 0");
            }
            result.SetPixelColor(x, y, picture.PixelColor(x, y));
        }
    }
    return result;
}

// A frame clock the test drives: Fire() is one display refresh.
class FakeFrameClock : public FrameClock {
public:
    explicit FakeFrameClock(std::function<void()> onFrame) : onFrame_(std::move(onFrame)) {}
    void Start() override { running_ = true; }
    void Stop() override { running_ = false; }
    bool Running() const override { return running_; }
    // False when the clock is stopped (no refresh reaches the lens then).
    bool Fire() {
        if (running_) {
            onFrame_();
        }
        return running_;
    }

private:
    std::function<void()> onFrame_;
    bool running_ = false;
};

class FakeSystem : public LensSystem {
public:
    uint32_t tick = 0;
    LensPoint pointer{500, 400};
    bool pointerReadable = true;
    LensRect screen{0, 0, 1024, 768};
    std::vector<LensRect> monitors;  // none: one monitor, the whole screen
    bool win2000 = true;
    bool canExcludeFromCapture = true;
    FakeFrameClock* frameClock = nullptr;  // of the lens made last
    std::string captureError;              // non-empty: CaptureScreen throws this
    std::vector<LensRect> captures;
    int pixelReads = 0;  // captures of one pixel without the pointer

    uint32_t TickCount() override { return tick; }
    bool PointerPos(LensPoint& position) override {
        position = pointer;
        return pointerReadable;
    }
    LensRect VirtualScreen() override { return screen; }
    std::vector<LensRect> Monitors() override {
        return monitors.empty() ? std::vector<LensRect>{screen} : monitors;
    }
    // Monitors, primary first, and the virtual screen around them.
    void UseMonitors(std::vector<LensRect> list) {
        monitors = std::move(list);
        screen = monitors.front();
        for (const LensRect& m : monitors) {
            screen = {std::min(screen.left, m.left), std::min(screen.top, m.top),
                      std::max(screen.right, m.right), std::max(screen.bottom, m.bottom)};
        }
    }
    // As the real capture: the screen's colour where a monitor shows it, black elsewhere.
    uint32_t ColorAt(int x, int y) {
        for (const LensRect& m : Monitors()) {
            if (m.left <= x && x < m.right && m.top <= y && y < m.bottom) {
                return ScreenColor(x, y);
            }
        }
        return 0;
    }
    bool IsWin2000OrLater() override { return win2000; }
    std::unique_ptr<FrameClock> CreateFrameClock(std::function<void()> onFrame) override {
        auto clock = std::make_unique<FakeFrameClock>(std::move(onFrame));
        frameClock = clock.get();
        return clock;
    }
    bool CanExcludeFromCapture() override { return canExcludeFromCapture; }
    void CaptureScreen(const LensRect& rect, bool withPointer, Bitmap24& out) override {
        const bool pixelRead = rect.Width() == 1 && rect.Height() == 1 && !withPointer;
        if (!withPointer && !pixelRead) {
            throw std::logic_error("a redraw always grabs the pointer too");
        }
        if (!captureError.empty()) {
            throw std::runtime_error(captureError);
        }
        if (pixelRead) {
            ++pixelReads;
        } else {
            captures.push_back(rect);
        }
        out.SetSize(rect.Width(), rect.Height());
        for (int y = 0; y < out.Height(); ++y) {
            for (int x = 0; x < out.Width(); ++x) {
                out.SetPixelColor(x, y, ColorAt(rect.left + x, rect.top + y));
            }
        }
    }
};

class FakeWindow : public LensWindow {
public:
    LensRect bounds{0, 0, 250, 250};
    LensBorder border = LensBorder::ToolWindowSizeable;
    bool clickThrough = false;
    int alpha = 255;
    bool visible = false;
    MarkerCorner marker = MarkerCorner::mkNone;
    int moves = 0, borderChanges = 0, stayOnTopCalls = 0, markerCalls = 0;
    int clickThroughChanges = 0, resizes = 0;
    std::vector<Bitmap24> presented;

    LensRect Bounds() override { return bounds; }
    void Move(int left, int top) override {
        ++moves;
        bounds = {left, top, left + bounds.Width(), top + bounds.Height()};
    }
    void Resize(int width, int height) override {
        ++resizes;
        bounds.right = bounds.left + width;
        bounds.bottom = bounds.top + height;
    }
    void Show() override { visible = true; }
    void Hide() override { visible = false; }
    bool Visible() override { return visible; }
    void SetBorder(LensBorder b) override {
        ++borderChanges;
        border = b;
    }
    void SetClickThrough(bool on) override {
        ++clickThroughChanges;
        clickThrough = on;
    }
    void SetAlpha(uint8_t a) override { alpha = a; }
    void StayOnTopNoActivate() override { ++stayOnTopCalls; }
    void ShowCornerMarker(MarkerCorner corner) override {
        ++markerCalls;
        marker = corner;
    }
    int PictureWidth() override { return bounds.Width() - 8; }
    int PictureHeight() override { return bounds.Height() - 8; }
    LensPicture PictureBuffer(int width, int height) override {
        return picture.Resize(width, height);
    }
    void Present() override { presented.push_back(ToBitmap24(picture.view)); }
    void SetExcludedFromCapture(bool excluded) override {
        ++exclusionCalls;
        excludedFromCapture = excluded;
    }
    void SetOverlay(const LensOverlay& value) override {
        ++overlayChanges;
        overlay = value;
    }
    PictureMemory picture;
    std::optional<bool> excludedFromCapture;  // none: never asked
    int exclusionCalls = 0;
    LensOverlay overlay;
    int overlayChanges = 0;
};

// A lens on the fakes; the window stays reachable through `window`.
struct LensRig {
    FakeSystem system;
    FakeWindow* window = nullptr;
    std::unique_ptr<TLenzor> lens;

    LensRig() { Create(); }
    void Create() {
        auto owned = std::make_unique<FakeWindow>();
        window = owned.get();
        lens = std::make_unique<TLenzor>(system, std::move(owned));
    }
    // The clock reaches `tick` and the lens takes that timer tick.
    void TickAt(uint32_t tick) {
        system.tick = tick;
        lens->Tick();
    }
};

}  // namespace lenzor::testing
