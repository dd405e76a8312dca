#include "lens/lens_window_win.h"

#include "effects/bitmap24_win.h"
#include "lens/colors.h"

#include <algorithm>

namespace lenzor {
namespace {

constexpr DWORD kBorderStyles = WS_CAPTION | WS_THICKFRAME | WS_SYSMENU;
constexpr DWORD kExcludeFromCapture = 0x00000011;  // WDA_EXCLUDEFROMCAPTURE

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

// Keeps the lens out of screen copies, itself included, where the system can (Windows 10
// version 2004 and later). Elsewhere the lens may appear in its own picture when it overlaps
// the grabbed rectangle; Wine has only a failing stub.
bool ExcludeFromCapture(HWND hwnd) {
    using SetAffinityFunction = BOOL(WINAPI*)(HWND, DWORD);
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (!user32) {
        return false;
    }
    auto function = reinterpret_cast<SetAffinityFunction>(
        reinterpret_cast<void*>(GetProcAddress(user32, "SetWindowDisplayAffinity")));
    return function && function(hwnd, kExcludeFromCapture) != FALSE;
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

void FillColor(HDC dc, const RECT& rect, COLORREF color) {
    SetDCBrushColor(dc, color);
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

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
    ApplyAlpha();
    excludedFromCapture_ = ExcludeFromCapture(Handle());
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

uint32_t LensWindowWin::ExStyle() {
    return static_cast<uint32_t>(GetWindowLongW(Handle(), GWL_EXSTYLE));
}

void LensWindowWin::SetExStyle(uint32_t exStyle) {
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
    if (ExStyle() & WS_EX_LAYERED) {
        SetLayeredWindowAttributes(Handle(), 0, alpha_, LWA_ALPHA);
    }
}

void LensWindowWin::StayOnTopNoActivate() {
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

void LensWindowWin::Present(const Bitmap24& picture) {
    picture_ = picture;
    const RECT area = PictureRect();
    InvalidateRect(Handle(), &area, FALSE);
    UpdateWindow(Handle());
}

void LensWindowWin::Paint(HDC dc) {
    RECT client{};
    GetClientRect(Handle(), &client);
    const RECT area = PictureRect();

    // Frame and bracket: the bracket is a red square of which only the frame's part shows.
    SaveDC(dc);
    ExcludeClipRect(dc, area.left, area.top, area.right, area.bottom);
    FillColor(dc, client, LensFrameColor());
    if (marker_ == MarkerCorner::mkTopLeft) {
        FillColor(dc, RECT{0, 0, kMarkerSize, kMarkerSize}, LensBracketColor());
    } else if (marker_ == MarkerCorner::mkBottomRight) {
        FillColor(dc,
                  RECT{client.right - kMarkerSize, client.bottom - kMarkerSize, client.right,
                       client.bottom},
                  LensBracketColor());
    }
    RestoreDC(dc, -1);

    // The picture 1:1 at the top-left of the area; what it does not cover is panel-grey.
    SaveDC(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    const LONG shownRight = area.left + picture_.Width();
    const LONG shownBottom = area.top + picture_.Height();
    if (!picture_.Empty()) {
        PaintBitmap24(dc, area.left, area.top, picture_);
    }
    const COLORREF panel = GetSysColor(COLOR_BTNFACE);
    FillColor(dc, RECT{std::max(shownRight, area.left), area.top, area.right, area.bottom}, panel);
    FillColor(dc, RECT{area.left, std::max(shownBottom, area.top), area.right, area.bottom}, panel);
    RestoreDC(dc, -1);
}

LRESULT LensWindowWin::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
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

}  // namespace lenzor
