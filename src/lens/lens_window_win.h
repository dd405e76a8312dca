// The lens window on Win32: an always-on-top layered popup that shows the magnified picture
// inside a 4-pixel frame, with a red corner bracket under the frame, and never takes the focus.
#pragma once

#include "effects/bitmap.h"
#include "lens/lens_platform.h"
#include "win/gdi_win.h"
#include "win/window_win.h"

#include <memory>

namespace lenzor {

class LensWindowWin : public LensWindow, public NativeWindow {
public:
    static constexpr int kFrameWidth = 4;
    static constexpr int kMarkerSize = 30;

    // Hidden, 250 x 250, with the sizeable tool-window border until SetBorder chooses another.
    LensWindowWin();
    ~LensWindowWin() override;

    LensRect Bounds() override;
    void Move(int left, int top) override;
    void Resize(int width, int height) override;
    void Show() override;
    void Hide() override;
    bool Visible() override;
    void SetBorder(LensBorder border) override;
    void SetClickThrough(bool on) override;
    void SetAlpha(uint8_t alpha) override;
    void StayOnTopNoActivate() override;
    void ShowCornerMarker(MarkerCorner corner) override;
    int PictureWidth() override;
    int PictureHeight() override;
    LensPicture PictureBuffer(int width, int height) override;
    void Present() override;
    void SetExcludedFromCapture(bool excluded) override;
    void SetOverlay(const LensOverlay& overlay) override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    RECT PictureRect() const;
    void Paint(HDC dc);
    void PaintPicture(HDC dc);
    void PaintPictureArea(HDC dc, const RECT& area);
    void ApplyAlpha();

    std::unique_ptr<NativeWindow> owner_;
    uint8_t alpha_ = 255;
    MarkerCorner marker_ = MarkerCorner::mkNone;
    DWORD createdExStyle_ = 0;
    // The picture: 32 bits a pixel, the screen's own format, so it is shown without conversion.
    std::unique_ptr<DibSection> picture_;
    LensOverlay overlay_;
    bool overlayUnpainted_ = false;  // a paint message for the overlay's change is due
};

}  // namespace lenzor
