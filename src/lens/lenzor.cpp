#include "lens/lenzor.h"

#include "lens/lens_grid.h"
#include "lens/lens_overlay_text.h"
#include "lens/lens_placement.h"
#include "lens/lens_render.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <exception>
#include <utility>
#include <vector>

namespace lenzor {
namespace {

constexpr int kDefaultSide = 250;
constexpr uint32_t kZoomBadgeMilliseconds = 1000;

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
      canExcludeFromCapture_(system.CanExcludeFromCapture()),
      frameClock_(system.CreateFrameClock([this] { DisplayFrame(); })) {
    window_->Resize(kDefaultSide, kDefaultSide);
    SetPositionMode(pmCornerTracker);
}

void TLenzor::SetShown(bool shown) {
    if (shown) {
        window_->Show();
    } else {
        window_->Hide();
        Unfreeze();
    }
}

bool TLenzor::IsShown() {
    return window_->Visible();
}

void TLenzor::Tick() {
    ExpireZoomBadge();
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
    if (!IsShown() || frozen_) {
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
    if (frozen_) {
        CopyHeldGrab(geometry.grab, grab);
    } else {
        system_.CaptureScreen(geometry.grab, true, grab);
    }
    rendered_ = {geometry.grab, pointer, zoomFactor_, contrastMode_};
    const LensPicture picture = window_->PictureBuffer(width, height);
    RenderContrastStage(contrastMode_, contrast_, *effectImage_, grab, picture);
    // The grid's box marks the pointer's pixel exactly; the marker square beside it would only
    // hide part of that pixel.
    if (pixelGrid_ && zoom >= kPixelGridMinZoom) {
        DrawPixelGrid(picture, geometry.grab.Width(), geometry.grab.Height(),
                      {pointer.x - geometry.grab.left, pointer.y - geometry.grab.top});
    } else {
        DrawMarker(picture, geometry.marker);
    }
    // A frozen lens keeps the readout of the pixel it was frozen on.
    if (!frozen_) {
        LensOverlay overlay = overlay_;
        overlay.readout = showColor_ ? ColorAt(pointer) : std::nullopt;
        ChangeOverlay(overlay);
    }
    window_->Present();
    rendered_.width = width;
    rendered_.height = height;
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
        Unfreeze();
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
        Unfreeze();
        window_->SetBorder(BorderFor(mode));
    }
    positionMode_ = mode;
    ApplyCaptureVisibility();
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

void TLenzor::SetShowColor(bool value) {
    showColor_ = value;
    if (!value && overlay_.readout) {
        LensOverlay overlay = overlay_;
        overlay.readout.reset();
        ChangeOverlay(overlay);
    }
}

void TLenzor::SetVisibleToCapture(bool value) {
    visibleToCapture_ = value;
    ApplyCaptureVisibility();
}

// Under the pointer the lens would copy itself into its own picture, whatever the setting.
// Where the system cannot leave a window out of capture, the window is never asked to: it
// stays as the system made it.
void TLenzor::ApplyCaptureVisibility() {
    if (!canExcludeFromCapture_) {
        return;
    }
    const bool exclude = positionMode_ == pmUnderCursor || !visibleToCapture_;
    if (excludedFromCapture_ != exclude) {
        window_->SetExcludedFromCapture(exclude);
        excludedFromCapture_ = exclude;
    }
}

void TLenzor::ChangeOverlay(const LensOverlay& overlay) {
    if (overlay != overlay_) {
        overlay_ = overlay;
        window_->SetOverlay(overlay_);
    }
}

void TLenzor::SetFrozen(bool frozen) {
    if (!frozen) {
        const bool wasFrozen = frozen_;
        Unfreeze();
        if (wasFrozen) {
            UpdateLens(false);
        }
        return;
    }
    if (frozen_ || !IsShown()) {
        return;
    }
    // The grab as captured: the negative inverted it in place, the filter modes keep it as the
    // engine's source.
    const bool engine =
        rendered_.contrastMode == cmFixedGamma || rendered_.contrastMode == cmBrokenTV;
    heldGrab_ = engine ? effectImage_->PictureOriginal() : grab_;
    if (rendered_.contrastMode == cmNegative) {
        InvertChannels(heldGrab_);
    }
    heldGrabRect_ = rendered_.grab;
    frozen_ = true;
    LensOverlay overlay = overlay_;
    overlay.frozen = true;
    ChangeOverlay(overlay);
}

void TLenzor::Unfreeze() {
    if (!frozen_) {
        return;
    }
    frozen_ = false;
    heldGrab_ = Bitmap24();
    LensOverlay overlay = overlay_;
    overlay.frozen = false;
    ChangeOverlay(overlay);
}

// The held grab where it overlaps rect, black elsewhere.
void TLenzor::CopyHeldGrab(const LensRect& rect, Bitmap24& out) const {
    out.SetSize(rect.Width(), rect.Height());
    const int left = std::max(rect.left, heldGrabRect_.left);
    const int right =
        std::min({rect.right, heldGrabRect_.right, heldGrabRect_.left + heldGrab_.Width()});
    const int top = std::max(rect.top, heldGrabRect_.top);
    const int bottom =
        std::min({rect.bottom, heldGrabRect_.bottom, heldGrabRect_.top + heldGrab_.Height()});
    for (int y = top; y < bottom; ++y) {
        if (left < right) {
            std::memcpy(out.Row(y - rect.top) + 3 * static_cast<std::size_t>(left - rect.left),
                        heldGrab_.Row(y - heldGrabRect_.top) +
                            3 * static_cast<std::size_t>(left - heldGrabRect_.left),
                        3 * static_cast<std::size_t>(right - left));
        }
    }
}

void TLenzor::ShowZoomBadge() {
    LensOverlay overlay = overlay_;
    overlay.badge = ZoomBadgeText(zoomFactor_);
    badgeShownAt_ = system_.TickCount();
    ChangeOverlay(overlay);
    if (frozen_ && rendered_.width > 0 && zoomFactor_ != rendered_.zoom) {
        try {
            RenderLens(rendered_.pointer);
        } catch (const std::exception& e) {
            RecordFailure(e.what());
        }
    }
}

void TLenzor::ExpireZoomBadge() {
    if (!overlay_.badge.empty() && system_.TickCount() - badgeShownAt_ >= kZoomBadgeMilliseconds) {
        LensOverlay overlay = overlay_;
        overlay.badge.clear();
        ChangeOverlay(overlay);
    }
}

Bitmap24 TLenzor::Picture() {
    if (rendered_.width <= 0 || rendered_.height <= 0) {
        return {};
    }
    // The window keeps the pixels of a buffer asked for again at the same size.
    const LensPicture shown = window_->PictureBuffer(rendered_.width, rendered_.height);
    Bitmap24 picture(shown.Width(), shown.Height());
    for (int y = 0; y < shown.Height(); ++y) {
        const uint8_t* in = shown.Row(y);
        uint8_t* out = picture.Row(y);
        for (int x = 0; x < shown.Width(); ++x, in += 4, out += 3) {
            out[0] = in[0];
            out[1] = in[1];
            out[2] = in[2];
        }
    }
    return picture;
}

std::optional<uint32_t> TLenzor::ColorUnderPointer() {
    LensPoint pointer;
    if (!system_.PointerPos(pointer)) {
        return std::nullopt;
    }
    return ColorAt(pointer);
}

std::optional<uint32_t> TLenzor::ColorAt(LensPoint point) {
    Bitmap24 pixel;
    try {
        system_.CaptureScreen({point.x, point.y, point.x + 1, point.y + 1}, false, pixel);
    } catch (const std::exception&) {
        return std::nullopt;  // the redraw's own capture reports what keeps failing
    }
    if (pixel.Empty()) {
        return std::nullopt;
    }
    return pixel.PixelColor(0, 0);
}

}  // namespace lenzor
