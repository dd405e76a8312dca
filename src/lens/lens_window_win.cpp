#include "lens/lens_window_win.h"

#include "lens/colors.h"
#include "lens/lens_overlay_win.h"
#include "win/dll_function_win.h"
#include "win/dpi_win.h"
#include "win/gdi_win.h"

#include <algorithm>

namespace lenzor {
namespace {

constexpr DWORD kBorderStyles = WS_CAPTION | WS_THICKFRAME | WS_SYSMENU;
constexpr DWORD kExcludeFromCapture = 0x00000011;  // WDA_EXCLUDEFROMCAPTURE
constexpr DWORD kNoDisplayAffinity = 0x00000000;   // WDA_NONE

DWORD BorderStyle(LensBorder border) {
    switch (border) {
    case LensBorder::None:
        return 0;
    case LensBorder::ToolWindowFixed:
        return WS_CAPTION;  // a thin caption to drag the lens by; no close box
    case LensBorder::ToolWindowSizeable:
        return WS_CAPTION | WS_THICKFRAME;
    }
    return 0;
}

// SetWindowDisplayAffinity where the system has it (Windows 7 on); Wine has only a failing stub.
bool SetDisplayAffinity(HWND hwnd, DWORD affinity) {
    static const auto function =
        SystemFunction<BOOL(WINAPI*)(HWND, DWORD)>(L"user32.dll", "SetWindowDisplayAffinity");
    return function && function(hwnd, affinity) != FALSE;
}

// The lens's hidden owner. Closing an owner destroys the windows it owns, so it refuses a
// stray WM_CLOSE just as the lens does.
class LensOwnerWindow : public NativeWindow {
public:
    LensOwnerWindow() {
        CreateParams params{L"LenzorLensOwner"};
        params.refuseClose = true;
        CreateNativeWindow(params);
    }
};

}  // namespace

LensWindowWin::LensWindowWin() {
    // A hidden owner keeps the lens off the taskbar and out of Alt+Tab whatever extended
    // style the position mode gives it.
    owner_ = std::make_unique<LensOwnerWindow>();
    CreateParams params{};
    params.className = L"LenzorLensWindow";
    params.title = L"Lenzor";
    params.style = WS_POPUP | WS_CAPTION | WS_THICKFRAME;
    params.exStyle = WS_EX_TOPMOST | WS_EX_LAYERED | WS_EX_TOOLWINDOW;
    params.width = 250;
    params.height = 250;
    params.parent = owner_->Handle();
    params.classStyle = CS_HREDRAW | CS_VREDRAW;
    // The lens is shown and hidden only by its owner's "Show glass"; a stray WM_CLOSE would
    // destroy it behind that switch's back.
    params.refuseClose = true;
    CreateNativeWindow(params);
    createdExStyle_ = static_cast<DWORD>(GetWindowLongW(Handle(), GWL_EXSTYLE));
    ApplyAlpha();
}

LensWindowWin::~LensWindowWin() {
    DestroyNativeWindow();
}

LensRect LensWindowWin::Bounds() {
    RECT r{};
    GetWindowRect(Handle(), &r);
    return LensRect{r.left, r.top, r.right, r.bottom};
}

void LensWindowWin::Move(int left, int top) {
    SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void LensWindowWin::Resize(int width, int height) {
    SetWindowPos(Handle(), nullptr, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void LensWindowWin::Show() {
    ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    InvalidateRect(Handle(), nullptr, FALSE);
    UpdateWindow(Handle());
}

void LensWindowWin::Hide() {
    ShowWindow(Handle(), SW_HIDE);
}

bool LensWindowWin::Visible() {
    return IsWindowVisible(Handle()) != FALSE;
}

void LensWindowWin::SetBorder(LensBorder border) {
    const DWORD style = static_cast<DWORD>(GetWindowLongW(Handle(), GWL_STYLE));
    SetWindowLongW(Handle(), GWL_STYLE,
                   static_cast<LONG>((style & ~kBorderStyles) | BorderStyle(border)));
    // The outer size stays; the client area and so the picture area change with the frame.
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    InvalidateRect(Handle(), nullptr, FALSE);
}

// The extended style is replaced whole: exactly layered and transparent for click-through, the
// style as created otherwise.
void LensWindowWin::SetClickThrough(bool on) {
    const DWORD exStyle = on ? WS_EX_LAYERED | WS_EX_TRANSPARENT : createdExStyle_;
    SetWindowLongW(Handle(), GWL_EXSTYLE, static_cast<LONG>(exStyle));
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    ApplyAlpha();  // a window that stops and starts being layered loses its alpha
}

void LensWindowWin::SetAlpha(uint8_t alpha) {
    if (alpha != alpha_) {
        alpha_ = alpha;
        ApplyAlpha();
    }
}

void LensWindowWin::ApplyAlpha() {
    if (GetWindowLongW(Handle(), GWL_EXSTYLE) & WS_EX_LAYERED) {
        SetLayeredWindowAttributes(Handle(), 0, alpha_, LWA_ALPHA);
    }
}

// Called on every redraw. A lens already shown at the very top of the z-order would not move,
// and asking where it stands is far cheaper than the window manager's restacking (under Wine
// a SetWindowPos costs a quarter of a small lens's whole redraw).
void LensWindowWin::StayOnTopNoActivate() {
    if (GetTopWindow(nullptr) == Handle() && IsWindowVisible(Handle())) {
        return;
    }
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
}

void LensWindowWin::ShowCornerMarker(MarkerCorner corner) {
    if (corner != marker_) {
        marker_ = corner;
        InvalidateRect(Handle(), nullptr, FALSE);
    }
}

RECT LensWindowWin::PictureRect() const {
    RECT client{};
    GetClientRect(Handle(), &client);
    RECT picture{kFrameWidth, kFrameWidth, client.right - kFrameWidth, client.bottom - kFrameWidth};
    picture.right = std::max(picture.right, picture.left);
    picture.bottom = std::max(picture.bottom, picture.top);
    return picture;
}

int LensWindowWin::PictureWidth() {
    const RECT r = PictureRect();
    return r.right - r.left;
}

int LensWindowWin::PictureHeight() {
    const RECT r = PictureRect();
    return r.bottom - r.top;
}

LensPicture LensWindowWin::PictureBuffer(int width, int height) {
    GdiFlush();  // no batched blit may still read the memory the lens is about to write
    if (!picture_ || width != picture_->Width() || height != picture_->Height()) {
        picture_.reset();
        if (width <= 0 || height <= 0) {
            return LensPicture();
        }
        picture_ = std::make_unique<DibSection>(width, height, 32);
    }
    return LensPicture(picture_->Bits(), width, height, picture_->Stride());
}

// Straight onto the window, no paint message, no frame repainted. An overlay change waiting
// to be painted is shown by this.
void LensWindowWin::Present() {
    const WindowDc dc(Handle());
    if (dc.Get()) {
        PaintPicture(dc.Get());
        if (overlayUnpainted_) {
            const RECT area = PictureRect();
            ValidateRect(Handle(), &area);
            overlayUnpainted_ = false;
        }
    }
}

// Without marks one blit of the picture; with them, picture and marks are put together in a
// buffer first, so that the marks never flicker.
void LensWindowWin::PaintPicture(HDC dc) {
    const RECT area = PictureRect();
    if (!HasMarks(overlay_)) {
        PaintPictureArea(dc, area);
        return;
    }
    const DoubleBuffer buffer(dc, area);
    PaintPictureArea(buffer.Dc(), area);
    DrawLensOverlay(buffer.Dc(), area, overlay_, WindowDpi(Handle()));
}

void LensWindowWin::PaintPictureArea(HDC dc, const RECT& area) {
    SaveDC(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    const int width = picture_ ? picture_->Width() : 0;
    const int height = picture_ ? picture_->Height() : 0;
    const LONG shownRight = area.left + width;
    const LONG shownBottom = area.top + height;
    if (picture_) {
        BitBlt(dc, area.left, area.top, width, height, picture_->Dc(), 0, 0, SRCCOPY);
    }
    // What the picture does not cover is panel-grey.
    const COLORREF panel = GetSysColor(COLOR_BTNFACE);
    if (shownRight < area.right) {
        FillSolid(dc, RECT{std::max(shownRight, area.left), area.top, area.right, area.bottom},
                  panel);
    }
    if (shownBottom < area.bottom) {
        FillSolid(dc, RECT{area.left, std::max(shownBottom, area.top), area.right, area.bottom},
                  panel);
    }
    RestoreDC(dc, -1);
}

void LensWindowWin::Paint(HDC dc) {
    RECT client{};
    GetClientRect(Handle(), &client);
    const RECT area = PictureRect();

    // Frame and bracket: the bracket is a red square of which only the frame's part shows.
    SaveDC(dc);
    ExcludeClipRect(dc, area.left, area.top, area.right, area.bottom);
    FillSolid(dc, client, LensFrameColor());
    if (marker_ == MarkerCorner::mkTopLeft) {
        FillSolid(dc, RECT{0, 0, kMarkerSize, kMarkerSize}, LensBracketColor());
    } else if (marker_ == MarkerCorner::mkBottomRight) {
        FillSolid(dc,
                  RECT{client.right - kMarkerSize, client.bottom - kMarkerSize, client.right,
                       client.bottom},
                  LensBracketColor());
    }
    RestoreDC(dc, -1);

    PaintPicture(dc);  // 1:1 at the top-left of the area
}

LRESULT LensWindowWin::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        overlayUnpainted_ = false;
        PAINTSTRUCT ps{};
        HDC dc = BeginPaint(Handle(), &ps);
        Paint(dc);
        EndPaint(Handle(), &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;  // WM_PAINT covers every pixel
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;  // the magnified application keeps the focus
    default:
        return NativeWindow::HandleMessage(message, wParam, lParam);
    }
}

// Where the system refuses (before Windows 10 version 2004, or Wine's stub) nothing changes.
void LensWindowWin::SetExcludedFromCapture(bool excluded) {
    SetDisplayAffinity(Handle(), excluded ? kExcludeFromCapture : kNoDisplayAffinity);
}

// Painted with the next paint message, or by a Present coming first.
void LensWindowWin::SetOverlay(const LensOverlay& overlay) {
    if (overlay != overlay_) {
        overlay_ = overlay;
        const RECT area = PictureRect();
        InvalidateRect(Handle(), &area, FALSE);
        overlayUnpainted_ = true;
    }
}

}  // namespace lenzor
