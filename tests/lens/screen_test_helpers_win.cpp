#include "screen_test_helpers_win.h"

#include "effects/bitmap24_win.h"
#include "lens/screen_capture_win.h"

#include <array>

namespace lenzor::test {

Bitmap24 MakePattern(int width, int height) {
    Bitmap24 pattern(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t r = 16 + (x * 37 + y * 11) % 224;
            const uint32_t g = 16 + (x * 13 + y * 29) % 224;
            const uint32_t b = 16 + ((x ^ y) * 7) % 224;
            pattern.SetPixelColor(x, y, r | (g << 8) | (b << 16));
        }
    }
    return pattern;
}

HCURSOR MakeBlockCursor(int dx, int dy) {
    constexpr int kHotX = 3;
    constexpr int kHotY = 5;
    constexpr int kRowBytes = 4;
    std::array<BYTE, 32 * kRowBytes> andPlane;
    std::array<BYTE, 32 * kRowBytes> xorPlane{};
    andPlane.fill(0xFF);  // transparent
    for (int y = kHotY + dy; y < kHotY + dy + 2; ++y) {
        for (int x = kHotX + dx; x < kHotX + dx + 2; ++x) {
            const BYTE bit = static_cast<BYTE>(0x80 >> (x % 8));
            andPlane[y * kRowBytes + x / 8] &= static_cast<BYTE>(~bit);  // opaque
            xorPlane[y * kRowBytes + x / 8] |= bit;                      // white
        }
    }
    return CreateCursor(GetModuleHandleW(nullptr), kHotX, kHotY, 32, 32, andPlane.data(),
                        xorPlane.data());
}

void PumpMessagesFor(int milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < static_cast<DWORD>(milliseconds)) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(10);
    }
}

Bitmap24 ShotWhen(const LensRect& rect, const std::function<bool(const Bitmap24&)>& ready) {
    const DWORD start = GetTickCount();
    Bitmap24 shot;
    do {
        PumpMessagesFor(20);
        CaptureScreenRect(rect, shot);
    } while (!ready(shot) && GetTickCount() - start < 5000);
    return shot;
}

Bitmap24 Crop(const Bitmap24& picture, int left, int top, int width, int height) {
    Bitmap24 part(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            part.SetPixelColor(x, y, picture.PixelColor(left + x, top + y));
        }
    }
    return part;
}

PictureWindow::PictureWindow(const Bitmap24& picture, int left, int top, HCURSOR cursor)
    : picture_(picture), cursor_(cursor) {
    CreateParams params{};
    params.className = L"LenzorTestPicture";
    params.style = WS_POPUP;
    params.x = left;
    params.y = top;
    params.width = picture.Width();
    params.height = picture.Height();
    CreateNativeWindow(params);
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    UpdateWindow(Handle());
}

LRESULT PictureWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps{};
        HDC dc = BeginPaint(Handle(), &ps);
        PaintBitmap24(dc, 0, 0, picture_);
        EndPaint(Handle(), &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_SETCURSOR:
        if (cursor_ && LOWORD(lParam) == HTCLIENT) {
            SetCursor(cursor_);
            return TRUE;
        }
        break;
    }
    return NativeWindow::HandleMessage(message, wParam, lParam);
}

}  // namespace lenzor::test
