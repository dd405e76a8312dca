// Test-only host for the whole-program tests: covers the screen with a known picture, keeps the
// focus (so hot keys typed with xdotool reach Wine and the pointer image is the host's arrow),
// starts Lenzor.exe in the same Wine session, and ends it when the test asks.
//   e2e_host.exe LENZOR_EXE READY_FILE STOP_FILE [PICTURE.bmp]
// READY_FILE is created once Lenzor's main form exists; creating STOP_FILE ends both programs.
// A picture file, when given, replaces the test pattern (docs/make_lens_png.sh uses one).
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kLifetimeMs = 120000;  // a forgotten test must not keep Wine running

// White squares (for the negative mode) between areas where every pixel differs from its
// neighbours; no channel of the coloured areas is 0 or 255.
COLORREF PatternColor(int x, int y) {
    if ((x / 32 + y / 32) % 4 == 0) {
        return RGB(255, 255, 255);
    }
    return RGB(16 + (x * 37 + y * 11) % 224, 16 + (x * 13 + y * 29) % 224,
               16 + ((x ^ y) * 7) % 224);
}

HBITMAP MakePattern(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* pixels = static_cast<DWORD*>(bits);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = PatternColor(x, y);
            pixels[y * width + x] = GetBValue(c) | GetGValue(c) << 8 | GetRValue(c) << 16;
        }
    }
    return bitmap;
}

HBITMAP g_pattern = nullptr;

LRESULT CALLBACK HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(memory, g_pattern);
        RECT r;
        GetClientRect(hwnd, &r);
        BitBlt(dc, 0, 0, r.right, r.bottom, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
        EndPaint(hwnd, &ps);
        return 0;
    }
    if (message == WM_ERASEBKGND) {
        return 1;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool FileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Touch(const std::wstring& path) {
    CloseHandle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
}

void PumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&msg);
        }
        Sleep(20);
    } while (GetTickCount() - start < milliseconds);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc != 4 && argc != 5) {
        return 2;
    }
    const std::wstring lenzor = argv[1], readyFile = argv[2], stopFile = argv[3];

    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    g_pattern = argc == 5 ? static_cast<HBITMAP>(
                                LoadImageW(nullptr, argv[4], IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE))
                          : MakePattern(width, height);
    if (!g_pattern) {
        return 2;
    }
    WNDCLASSW wc{};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"LenzorE2EHost";
    RegisterClassW(&wc);
    HWND host = CreateWindowExW(0, wc.lpszClassName, L"Lenzor e2e host", WS_POPUP, 0, 0, width,
                                height, nullptr, nullptr, instance, nullptr);
    ShowWindow(host, SW_SHOW);
    SetForegroundWindow(host);
    UpdateWindow(host);

    std::wstring commandLine = L"\"" + lenzor + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(lenzor.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        return 3;
    }
    const DWORD start = GetTickCount();
    while (!FindWindowW(L"TForm1", L"Lenzor")) {
        if (GetTickCount() - start > kStartTimeoutMs) {
            TerminateProcess(process.hProcess, 1);
            return 4;
        }
        PumpFor(100);
    }
    SetForegroundWindow(host);
    PumpFor(300);
    Touch(readyFile);

    while (!FileExists(stopFile) && GetTickCount() - start < kLifetimeMs &&
           WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
        PumpFor(100);
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}
