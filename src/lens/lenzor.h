// TLenzor: the magnifier. Its owner calls Tick from a 10 ms timer; the lens redraws at most once
// per UpdateInterval (grab around the pointer, contrast stage, marker) and in between only
// follows the pointer, or with LiveFollow redraws at the display's pace while the pointer moves.
// It talks to the system and its window only through lens_platform.h.
#pragma once

#include "core/ent_stat.h"
#include "effects/bitmap.h"
#include "effects/or_image.h"
#include "lens/lens_contrast.h"
#include "lens/lens_modes.h"
#include "lens/lens_platform.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>

namespace lenzor {

class TLenzor : public TStatisticEntity {
public:
    // Owns the window (destroyed first) and its effect engine, both through AddOwned.
    TLenzor(LensSystem& system, std::unique_ptr<LensWindow> window);

    void SetShown(bool shown);  // shown: topmost at its current place
    bool IsShown();
    LensWindow& LensForm() { return *window_; }

    // The periodic entry point, safe whether the lens is shown or not.
    void Tick();

    // A redraw or move that fails (a capture the system refuses, memory, an effect whose values
    // overflow) is skipped and the next one tries again; nothing escapes Tick. Each distinct
    // failure text is handed out once: the owner calls this after Tick and shows the text in
    // its error box when there is one, so the same failure never brings up a second box.
    std::optional<std::string> TakeNewFailure();

    // The steps of the update cycle; owners only need Tick.
    void UpdateLens(bool positionOnly);
    void PlaceLens(LensPoint pointer);
    void RenderLens(LensPoint pointer);
    bool ContainsPoint(LensPoint pointer);

    // Zero, negative, NaN and infinite factors are refused: the current factor stays.
    double ZoomFactor() const { return zoomFactor_; }
    void SetZoomFactor(double factor);
    // Window opacity, 0 invisible .. 255 opaque; clamped into that range when set.
    int Alpha() const { return alpha_; }
    void SetAlpha(int alpha);
    // Changing the mode resets the effect engine; setting the current mode again keeps it.
    int ContrastMode() const { return contrastMode_; }
    void SetContrastMode(int mode);
    // Sets the border and click-through style of the mode (see SetPositionMode in the .cpp).
    int PositionMode() const { return positionMode_; }
    void SetPositionMode(int mode);
    bool MouseThrough() const { return mouseThrough_; }
    void SetMouseThrough(bool value);
    bool HoldPosition() const { return holdPosition_; }
    void SetHoldPosition(bool value);

    // Outer size of the lens window, read from and written to the window itself; a size is
    // kept within 0..32767, and a redraw paints at most a screenful of it.
    int Width();
    void SetWidth(int width);
    int Height();
    void SetHeight(int height);

    // Plain values, used from the next placement or redraw on.
    uint32_t UpdateInterval() const { return updateInterval_; }
    void SetUpdateInterval(uint32_t milliseconds) { updateInterval_ = milliseconds; }
    int CornerTrackOffset() const { return cornerTrackOffset_; }
    void SetCornerTrackOffset(int pixels) { cornerTrackOffset_ = pixels; }
    int LeftFixed() const { return leftFixed_; }
    void SetLeftFixed(int x) { leftFixed_ = x; }
    int TopFixed() const { return topFixed_; }
    void SetTopFixed(int y) { topFixed_ = y; }
    int FixedBrightness() const { return contrast_.fixedBrightness; }
    void SetFixedBrightness(int value) { contrast_.fixedBrightness = value; }
    int FixedContrast() const { return contrast_.fixedContrast; }
    void SetFixedContrast(int value) { contrast_.fixedContrast = value; }
    int FixedSaturation() const { return contrast_.fixedSaturation; }
    void SetFixedSaturation(int value) { contrast_.fixedSaturation = value; }
    int BreakageTVLevel() const { return contrast_.breakageTVLevel; }
    void SetBreakageTVLevel(int level) { contrast_.breakageTVLevel = level; }
    // Smooth: bilinear enlarging and averaged reducing; otherwise crisp blocks.
    bool Smooth() const { return contrast_.smooth; }
    void SetSmooth(bool smooth) { contrast_.smooth = smooth; }

    // Live following: while the pointer moves, each display refresh redraws the picture for the
    // new place, paced by a FrameClock; at rest, redraws come every UpdateInterval as ever.
    // Off, a move between redraws only moves the window.
    bool LiveFollow() const { return liveFollow_; }
    void SetLiveFollow(bool value);
    // The frame clock's call, once per display refresh while it runs. The clock stops once the
    // pointer has rested for kRestMs, or when the lens is hidden, frozen or LiveFollow is off.
    void DisplayFrame();
    static constexpr uint32_t kRestMs = 100;

    // A strip along the bottom edge with the colour under the pointer (ColorUnderPointer, read
    // at each redraw and given to the window as the overlay's readout).
    bool ShowColor() const { return showColor_; }
    void SetShowColor(bool value);
    // Lines between the enlarged pixels and a box around the pointer's pixel, at zoom 6 and up
    // (lens_grid.h), drawn after the contrast stage; the box takes the marker square's place.
    bool PixelGrid() const { return pixelGrid_; }
    void SetPixelGrid(bool value) { pixelGrid_ = value; }
    // Screen capture (screen sharing) may show the lens where it never covers its own grab:
    // with this on, every mode but Under Cursor lets capture see the window; otherwise it is
    // left out. Where the system cannot leave windows out, the window is never asked to.
    bool VisibleToCapture() const { return visibleToCapture_; }
    void SetVisibleToCapture(bool value);

    // A frozen lens keeps its picture and place until unfrozen, and shows a frozen mark; only a
    // shown lens freezes. Hiding it or changing its position or contrast mode unfreezes it;
    // SetFrozen(false) redraws a shown lens at once. While frozen, ShowZoomBadge after a zoom
    // change re-renders the held grab at the new factor around the same pointer (black where
    // a smaller factor reaches past what was grabbed).
    bool Frozen() const { return frozen_; }
    void SetFrozen(bool frozen);
    // Shows the zoom factor ("x2.5") in a corner of the lens for about a second of TickCount;
    // Tick takes it away. Never grabs the screen itself.
    void ShowZoomBadge();
    // The picture last presented, exactly as presented (the window's marks left out); empty
    // before the first and after a redraw that failed on the way.
    Bitmap24 Picture();
    // The screen's colour at the pointer's hot spot, without the pointer's image and before any
    // contrast effect; none when the pointer or the screen cannot be read.
    std::optional<uint32_t> ColorUnderPointer();

    bool LayeredSupported() const { return layeredSupported_; }
    const LensRect& VacatedRect() const { return vacatedRect_; }
    LensPoint LastPointer() const { return lastPointer_; }
    const TOrImageEngine& EffectImage() const { return *effectImage_; }

private:
    // What the last redraw was made of, for Picture() and for re-rendering a frozen lens.
    struct RenderedFrame {
        LensRect grab;
        LensPoint pointer;
        double zoom = 0;
        int contrastMode = 0;
        int width = 0;  // 0: nothing presented
        int height = 0;
    };

    bool ClickThroughFor(int mode) const;
    void ShowMarker(MarkerCorner corner);
    void RecordFailure(const std::string& text);
    void ApplyCaptureVisibility();
    void ChangeOverlay(const LensOverlay& overlay);
    void ExpireZoomBadge();
    void Unfreeze();
    void CopyHeldGrab(const LensRect& rect, Bitmap24& out) const;
    std::optional<uint32_t> ColorAt(LensPoint point);
    void UpdateLensAt(LensPoint pointer, bool positionOnly);

    LensSystem& system_;
    LensWindow* window_;
    TOrImageEngine* effectImage_;
    bool layeredSupported_;
    bool canExcludeFromCapture_;
    std::optional<bool> excludedFromCapture_;  // as last given to the window
    bool mouseThrough_ = false;
    bool holdPosition_ = false;
    LensRect vacatedRect_;
    int leftFixed_ = 0;
    int topFixed_ = 0;
    LensPoint lastPointer_;
    uint32_t lastRenderTick_ = 0;
    bool clickThrough_ = false;  // as last given to the window
    int contrastMode_ = cmNone;
    int positionMode_ = pmUnderCursor;
    ContrastSettings contrast_;
    uint32_t updateInterval_ = 100;
    double zoomFactor_ = 2.0;
    int alpha_ = 160;
    int cornerTrackOffset_ = 5;

    bool liveFollow_ = false;
    bool showColor_ = false;
    bool pixelGrid_ = false;
    bool visibleToCapture_ = false;
    bool frozen_ = false;
    std::unique_ptr<FrameClock> frameClock_;
    std::optional<LensPoint> drawnPointer_;  // where the pointer was at the last redraw
    uint32_t lastMoveTick_ = 0;              // the last display frame that saw it move

    MarkerCorner marker_ = MarkerCorner::mkNone;
    Bitmap24 grab_;
    RenderedFrame rendered_;
    Bitmap24 heldGrab_;  // while frozen: the last redraw's grab as captured
    LensRect heldGrabRect_;
    LensOverlay overlay_;  // as last given to the window
    uint32_t badgeShownAt_ = 0;
    std::optional<std::string> newFailure_;
    std::set<std::string> reportedFailures_;
};

}  // namespace lenzor
