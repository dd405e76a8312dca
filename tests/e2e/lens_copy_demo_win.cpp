// For docs/make_tools_png.sh, not a test: shows a BMP over the screen and a lens at fixed
// coordinates with the colour readout and the pixel grid at zoom 8, puts the lens's picture on
// the clipboard as the copy command does, and writes the clipboard's CF_DIB back out as a BMP
// file, to be set beside a screenshot of the lens.
//   lens_copy_demo.exe PICTURE.bmp OUT.bmp READY_FILE POINTER_X POINTER_Y LENS_LEFT LENS_TOP
// READY_FILE appears once OUT.bmp is written; the lens then stays on screen for ten seconds.
#include "app/clipboard_win.h"
#include "lens/lens_system_win.h"
#include "lens/lens_window_win.h"
#include "lens/lenzor.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <memory>
#include <vector>

namespace {

class PictureWindow : public lenzor::NativeWindow {
public:
    explicit PictureWindow(HBITMAP picture) : picture_(picture) {
        CreateParams params{L"LenzorCopyDemoPicture"};
        params.width = GetSystemMetrics(SM_CXSCREEN);
        params.height = GetSystemMetrics(SM_CYSCREEN);
        CreateNativeWindow(params);
        ShowWindow(Handle(), SW_SHOW);
        SetForegroundWindow(Handle());
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_PAINT) {
            return NativeWindow::HandleMessage(message, wParam, lParam);
        }
        PAINTSTRUCT ps{};
        HDC dc = BeginPaint(Handle(), &ps);
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(memory, picture_);
        BitBlt(dc, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), memory, 0, 0,
               SRCCOPY);
        SelectObject(memory, previous);
        DeleteDC(memory);
        EndPaint(Handle(), &ps);
        return 0;
    }

private:
    HBITMAP picture_;
};

void RunFor(lenzor::TLenzor& lens, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&msg);
        }
        lens.Tick();
        Sleep(10);
    }
}

bool WriteClipboardDib(const wchar_t* path) {
    if (!OpenClipboard(nullptr)) {
        return false;
    }
    bool written = false;
    HANDLE data = GetClipboardData(CF_DIB);
    if (const auto* dib = data ? static_cast<const BYTE*>(GlobalLock(data)) : nullptr) {
        const auto size = static_cast<DWORD>(GlobalSize(data));
        BITMAPFILEHEADER file{};
        file.bfType = 0x4D42;  // "BM"
        file.bfSize = sizeof(file) + size;
        file.bfOffBits = sizeof(file) + reinterpret_cast<const BITMAPINFOHEADER*>(dib)->biSize;
        if (FILE* out = _wfopen(path, L"wb")) {
            written = fwrite(&file, sizeof(file), 1, out) == 1 && fwrite(dib, size, 1, out) == 1;
            written = fclose(out) == 0 && written;
        }
        GlobalUnlock(data);
    }
    CloseClipboard();
    return written;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 8) {
        std::fputs("usage: lens_copy_demo PICTURE.bmp OUT.bmp READY X Y LEFT TOP\n", stderr);
        return 2;
    }
    auto picture = static_cast<HBITMAP>(
        LoadImageW(nullptr, argv[1], IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (!picture) {
        std::fputs("cannot read the picture\n", stderr);
        return 1;
    }
    PictureWindow screen(picture);
    SetCursorPos(_wtoi(argv[4]), _wtoi(argv[5]));

    lenzor::LensSystemWin system;
    lenzor::TLenzor lens(system, std::make_unique<lenzor::LensWindowWin>());
    lens.SetPositionMode(lenzor::pmFixed);
    lens.SetLeftFixed(_wtoi(argv[6]));
    lens.SetTopFixed(_wtoi(argv[7]));
    lens.SetWidth(380);
    lens.SetHeight(300);
    lens.SetAlpha(255);
    lens.SetZoomFactor(8);
    lens.SetShowColor(true);
    lens.SetPixelGrid(true);
    lens.SetShown(true);
    RunFor(lens, 1500);
    // The clipboard's owner: any window of this program.
    if (!lenzor::PutPictureOnClipboard(screen.Handle(), lens.Picture()) ||
        !WriteClipboardDib(argv[2])) {
        std::fputs("the clipboard did not take the picture\n", stderr);
        return 1;
    }
    if (FILE* ready = _wfopen(argv[3], L"wb")) {
        fclose(ready);
    }
    RunFor(lens, 10000);
    DeleteObject(picture);
    return 0;
}
