#include "ui/graphic_peers_win.h"

#include "ui/or_image.h"
#include "ui/std_controls.h"
#include "win/gdi_win.h"
#include "win/unicode_win.h"

#include <windowsx.h>

#include <cstring>
#include <stdexcept>

namespace lenzor {

// Graphic controls

HWND GraphicPeer::CreateHandle(HWND parent) {
    return CreateOwnWindow(L"LenzorGraphic", WS_CHILD | WS_CLIPSIBLINGS, ExStyle(), parent);
}

LRESULT GraphicPeer::OwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // WM_PAINT covers everything
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        RECT client;
        GetClientRect(hwnd, &client);
        {
            // Off screen first: a picture painted over its background would flicker.
            const DoubleBuffer buffer(dc, client);
            FillRect(buffer.Dc(), &client, GetSysColorBrush(COLOR_BTNFACE));
            Paint(buffer.Dc(), client);
        }
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_NCHITTEST:
        if (ClickThrough()) {
            return HTTRANSPARENT;
        }
        break;
    case WM_LBUTTONDOWN:
        pressed_ = true;
        SetCapture(hwnd);
        return 0;
    case WM_LBUTTONUP: {
        if (!pressed_) {
            return 0;
        }
        pressed_ = false;
        ReleaseCapture();
        RECT client;
        GetClientRect(hwnd, &client);
        const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (PtInRect(&client, at)) {
            Control().Click();  // the model may destroy the peer: nothing after this
        }
        return 0;
    }
    case WM_CAPTURECHANGED:
        pressed_ = false;
        return 0;
    default:
        break;
    }
    return WinPeer::OwnMessage(hwnd, message, wParam, lParam);
}

// Pictures

void PaintPicture(HDC dc, const Bitmap24& picture, const RECT& destination, bool transparent) {
    if (picture.Empty()) {
        return;
    }
    const int width = destination.right - destination.left;
    const int height = destination.bottom - destination.top;
    if (!transparent) {
        const BITMAPINFO info = TopDownDibInfo(picture.Width(), picture.Height(), 24);
        SetStretchBltMode(dc, COLORONCOLOR);  // nearest pixel, like the lens
        StretchDIBits(dc, destination.left, destination.top, width, height, 0, 0, picture.Width(),
                      picture.Height(), picture.Data(), &info, DIB_RGB_COLORS, SRCCOPY);
        return;
    }
    try {
        const DibSection source(picture.Width(), picture.Height(), 24);
        // The rows of a Bitmap24 already have the DIB's padding.
        std::memcpy(source.Bits(), picture.Data(), picture.SizeInBytes());
        TransparentBlt(dc, destination.left, destination.top, width, height, source.Dc(), 0, 0,
                       picture.Width(), picture.Height(),
                       picture.PixelColor(0, picture.Height() - 1));
    } catch (const std::runtime_error&) {
        // Out of GDI memory: the picture is left out of this paint, the next one tries again.
    }
}

PicturePeer::PicturePeer(TControl& control, std::function<PictureView()> view)
    : GraphicPeer(control), view_(std::move(view)) {}

PicturePeer::~PicturePeer() {
    if (icon_) {
        DestroyIcon(icon_);
    }
}

void PicturePeer::Update(ControlChange what) {
    if (what == ControlChange::Picture || what == ControlChange::RepaintNow) {
        InvalidateRect(Handle(), nullptr, FALSE);
    }
    if (what == ControlChange::RepaintNow) {
        UpdateWindow(Handle());
    }
}

HICON PicturePeer::Icon(const std::string& name, int width, int height) {
    if (icon_ && name == iconName_ && iconSize_.cx == width && iconSize_.cy == height) {
        return icon_;
    }
    if (icon_) {
        DestroyIcon(icon_);
    }
    // Loaded at the size it is drawn, so the icon's own image for that size is used.
    icon_ = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), Widen(name).c_str(),
                                          IMAGE_ICON, width, height, LR_DEFAULTCOLOR));
    iconName_ = name;
    iconSize_ = {width, height};
    return icon_;
}

void PicturePeer::Paint(HDC dc, const RECT&) {
    const PictureView view = view_();
    const RECT destination = ScaleRect(view.destination, Dpi());
    const int width = destination.right - destination.left;
    const int height = destination.bottom - destination.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    if (view.bitmap) {
        PaintPicture(dc, *view.bitmap, destination, view.transparent);
    } else if (!view.iconResource.empty()) {
        if (HICON icon = Icon(view.iconResource, width, height)) {
            DrawIconEx(dc, destination.left, destination.top, icon, width, height, 0, nullptr,
                       DI_NORMAL);
        }
    }
}

// Effect image

LRESULT EffectImagePeer::OwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto& image = static_cast<TOrImage&>(Control());
    switch (message) {
    case WM_MOUSEMOVE:
        if (!tracking_) {
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd, 0};
            tracking_ = TrackMouseEvent(&track) != FALSE;
            image.MouseEnter();
        }
        image.MouseMove(ScaleFromDpi(GET_X_LPARAM(lParam), Dpi()),
                        ScaleFromDpi(GET_Y_LPARAM(lParam), Dpi()));
        break;
    case WM_MOUSELEAVE:
        tracking_ = false;
        image.MouseExit();
        return 0;
    default:
        break;
    }
    return PicturePeer::OwnMessage(hwnd, message, wParam, lParam);
}

// Paint box

LRESULT PaintBoxPeer::OwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        ValidateRect(hwnd, nullptr);
        return 0;
    }
    return GraphicPeer::OwnMessage(hwnd, message, wParam, lParam);
}

// Bevel

void BevelPeer::Paint(HDC dc, const RECT& client) {
    RECT r = client;
    DrawEdge(dc, &r, EDGE_ETCHED, BF_RECT);
}

}  // namespace lenzor
