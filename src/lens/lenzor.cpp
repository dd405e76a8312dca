#include "lens/lenzor.h"

#include "lens/lens_placement.h"
#include "lens/lens_render.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <utility>
#include <vector>

namespace lenzor {
namespace {

constexpr int kDefaultSide = 250;

// A size from a hand-edited settings file can be anything. The window may be larger than the
// screen (it then never fits anywhere and stays put), up to what window messages can carry, so
// that its position plus its size always fits an int.
constexpr int kMaxSide = 32767;

// The picture a redraw makes is at most a screenful, and never smaller than the default lens's
// where the screen reports no size.
int PictureLimit(int screenSide) {
    return std::max(screenSide, kDefaultSide);
}

LensBorder BorderFor(int mode) {
    return mode == pmUnderCursor || mode == pmCornerTracker ? LensBorder::None
                                                            : LensBorder::ToolWindowFixed;
}

}  // namespace

TLenzor::TLenzor(LensSystem& system, std::unique_ptr<LensWindow> window)
    : system_(system), window_(AddOwned(std::move(window))),
      effectImage_(AddOwned(std::make_unique<TOrImageEngine>())),
      layeredSupported_(system.IsWin2000OrLater()),
      frameClock_(system.CreateFrameClock([this] { DisplayFrame(); })) {
    window_->Resize(kDefaultSide, kDefaultSide);
    SetPositionMode(pmCornerTracker);
}

void TLenzor::SetShown(bool shown) {
    if (shown) {
        window_->Show();
    } else {
        window_->Hide();
    }
}

bool TLenzor::IsShown() {
    return window_->Visible();
}

void TLenzor::Tick() {
    // Unsigned difference: redraws keep coming when the tick count wraps after 49.7 days.
    if (system_.TickCount() - lastRenderTick_ >= updateInterval_) {
        UpdateLens(false);
        lastRenderTick_ = system_.TickCount();
        return;
    }
    if (frameClock_->Running()) {
        return;  // the display's frames follow the pointer; reading it here would only cost
    }
    LensPoint pointer;
    if (!system_.PointerPos(pointer)) {
        return;
    }
    // The picture is redrawn at the next display refresh rather than here, so redraws never
    // come faster than the display shows them. A clock that cannot run leaves the old way.
    if (liveFollow_ && !frozen_ && pointer != drawnPointer_ && IsShown()) {
        frameClock_->Start();
        if (frameClock_->Running()) {
            return;
        }
    }
    if (pointer != lastPointer_) {
        UpdateLens(true);
    }
}

std::optional<std::string> TLenzor::TakeNewFailure() {
    return std::exchange(newFailure_, {});
}

void TLenzor::RecordFailure(const std::string& text) {
    if (!newFailure_ && reportedFailures_.insert(text).second) {
        newFailure_ = text;
    }
}

void TLenzor::UpdateLens(bool positionOnly) {
    if (!IsShown()) {
        return;
    }
    LensPoint pointer;
    if (!system_.PointerPos(pointer)) {
        return;
    }
    UpdateLensAt(pointer, positionOnly);
}

void TLenzor::UpdateLensAt(LensPoint pointer, bool positionOnly) {
    if (!positionOnly) {
        drawnPointer_ = pointer;  // a failed redraw counts too: the next one retries anyway
    }
    try {
        PlaceLens(pointer);
        if (!positionOnly) {
            RenderLens(pointer);
            window_->StayOnTopNoActivate();
        }
    } catch (const std::exception& e) {
        RecordFailure(e.what());
    }
}

void TLenzor::PlaceLens(LensPoint pointer) {
    if (holdPosition_) {
        return;
    }
    const LensRect bounds = window_->Bounds();
    lastPointer_ = pointer;
    PlacementInput in;
    in.mode = positionMode_;
    in.lens = bounds;
    in.pointer = pointer;
    in.desktop = system_.VirtualScreen();
    const std::vector<LensRect> monitors = system_.Monitors();
    in.monitors = monitors;
    in.cornerTrackOffset = cornerTrackOffset_;
    in.leftFixed = leftFixed_;
    in.topFixed = topFixed_;
    in.vacated = vacatedRect_;
    const Placement placement = PlaceForMode(in);
    vacatedRect_ = placement.vacated;
    if (placement.topLeft != LensPoint{bounds.left, bounds.top}) {
        window_->Move(placement.topLeft.x, placement.topLeft.y);
    }
    ShowMarker(placement.marker);
}

// The bracket is only touched when it changes, so that following the pointer does not make it
// flicker; the window keeps it in its corner when it is resized.
void TLenzor::ShowMarker(MarkerCorner corner) {
    if (corner != marker_) {
        window_->ShowCornerMarker(corner);
        marker_ = corner;
    }
}

void TLenzor::RenderLens(LensPoint pointer) {
    window_->SetAlpha(static_cast<uint8_t>(alpha_));
    // What a redraw allocates stays within a screenful, however large the window was made.
    const LensRect screen = system_.VirtualScreen();
    const int width = std::min(window_->PictureWidth(), PictureLimit(screen.Width()));
    const int height = std::min(window_->PictureHeight(), PictureLimit(screen.Height()));
    if (width <= 0 || height <= 0) {
        return;  // a lens too small for a picture area has nothing to paint
    }
    // Nor does it grab more than a screenful: a zoom that would is raised just enough.
    const double zoom = std::max({zoomFactor_, double(width) / PictureLimit(screen.Width()),
                                  double(height) / PictureLimit(screen.Height())});
    const RenderGeometry geometry = ComputeRenderGeometry(width, height, zoom, pointer);
    Bitmap24& grab = PrepareGrabTarget(contrastMode_, *effectImage_, grab_, geometry.grab.Width(),
                                       geometry.grab.Height());
    system_.CaptureScreen(geometry.grab, true, grab);
    const LensPicture picture = window_->PictureBuffer(width, height);
    RenderContrastStage(contrastMode_, contrast_, *effectImage_, grab, picture);
    DrawMarker(picture, geometry.marker);
    window_->Present();
}

bool TLenzor::ContainsPoint(LensPoint pointer) {
    return lenzor::ContainsPoint(window_->Bounds(), pointer);
}

void TLenzor::SetZoomFactor(double factor) {
    if (std::isfinite(factor) && factor > 0) {
        zoomFactor_ = factor;
    }
}

void TLenzor::SetAlpha(int alpha) {
    alpha_ = std::clamp(alpha, 0, 255);
}

void TLenzor::SetContrastMode(int mode) {
    if (mode != contrastMode_) {
        effectImage_->ResetEffects();
    }
    contrastMode_ = mode;
}

// The border follows the mode: none for the two pointer-following modes, the fixed tool-window
// border (a thin caption to drag the lens by) otherwise. Click-through is then what that mode,
// MouseThrough and HoldPosition call for.
void TLenzor::SetPositionMode(int mode) {
    if (mode == pmUnderCursor && !layeredSupported_) {
        mode = pmCornerTracker;  // click-through needs layered windows
    }
    if (mode != positionMode_) {
        window_->SetBorder(BorderFor(mode));
    }
    positionMode_ = mode;
    // The preview applies every setting every 10 ms: an unchanged style must not touch the
    // window, or it would flicker and redraw its frame each time.
    const bool clickThrough = ClickThroughFor(mode);
    if (clickThrough != clickThrough_) {
        window_->SetClickThrough(clickThrough);
        clickThrough_ = clickThrough;
    }
}

// A pure function of the state rather than of the transition, so the order in which a caller
// sets mode and HoldPosition cannot leave an under-cursor lens that swallows every click.
bool TLenzor::ClickThroughFor(int mode) const {
    if (mode == pmUnderCursor) {
        return !holdPosition_;
    }
    if (mode == pmFixedElusive || mode == pmFixed) {
        return !holdPosition_ && mouseThrough_ && layeredSupported_;
    }
    return false;
}

void TLenzor::SetMouseThrough(bool value) {
    mouseThrough_ = value;
    SetPositionMode(positionMode_);
}

void TLenzor::SetHoldPosition(bool value) {
    holdPosition_ = value;
    SetPositionMode(positionMode_);
}

int TLenzor::Width() {
    return window_->Bounds().Width();
}
void TLenzor::SetWidth(int width) {
    width = std::clamp(width, 0, kMaxSide);
    if (width != Width()) {
        window_->Resize(width, Height());
    }
}
int TLenzor::Height() {
    return window_->Bounds().Height();
}
void TLenzor::SetHeight(int height) {
    height = std::clamp(height, 0, kMaxSide);
    if (height != Height()) {
        window_->Resize(Width(), height);
    }
}

void TLenzor::SetLiveFollow(bool value) {
    liveFollow_ = value;
    if (!value) {
        frameClock_->Stop();
    }
}

// A frame redraws only for a pointer that moved since the last redraw; the redraw also renews
// the interval, so that at rest the next one comes UpdateInterval after it, not at once. The
// clock keeps running through short pauses of the pointer (a mouse reports less often than a
// fast display refreshes) and stops after a rest, when the timer takes over again.
void TLenzor::DisplayFrame() {
    LensPoint pointer;
    if (!liveFollow_ || frozen_ || !IsShown() || !system_.PointerPos(pointer)) {
        frameClock_->Stop();
        return;
    }
    if (pointer != drawnPointer_) {
        UpdateLensAt(pointer, false);
        lastRenderTick_ = lastMoveTick_ = system_.TickCount();
    } else if (system_.TickCount() - lastMoveTick_ >= kRestMs) {
        frameClock_->Stop();
    }
}

// Filled in by the pixel-tools work.
void TLenzor::SetShowColor(bool value) {
    showColor_ = value;
}

void TLenzor::SetVisibleToCapture(bool value) {
    visibleToCapture_ = value;
}

void TLenzor::SetFrozen(bool frozen) {
    frozen_ = frozen;
}

void TLenzor::ShowZoomBadge() {}

Bitmap24 TLenzor::Picture() {
    return {};
}

std::optional<uint32_t> TLenzor::ColorUnderPointer() {
    return std::nullopt;
}

}  // namespace lenzor
