#include "win/window_win.h"

#include "win/last_error_win.h"

#include <string>
#include <utility>
#include <vector>

namespace lenzor {
namespace {
std::exception_ptr g_parked;

// How many of the program's window procedures are on the stack, and the objects waiting for
// the last of them to return.
int g_dispatchDepth = 0;
std::vector<std::unique_ptr<NativeWindow>> g_doomed;

void DeleteDoomed() {
    while (!g_doomed.empty()) {
        // Their destructors may doom further objects.
        std::vector<std::unique_ptr<NativeWindow>> doomed = std::move(g_doomed);
        g_doomed.clear();
    }
}

}  // namespace

void DeleteWindowObject(std::unique_ptr<NativeWindow> window) {
    if (g_dispatchDepth == 0) {
        window.reset();
    } else if (window) {
        g_doomed.push_back(std::move(window));
    }
}

void ParkException(std::exception_ptr error) {
    if (!g_parked) {  // the first failure is the one worth reporting
        g_parked = error;
    }
}

std::exception_ptr TakeParkedException() {
    std::exception_ptr error = g_parked;
    g_parked = nullptr;
    return error;
}

NativeWindow::~NativeWindow() {
    DestroyNativeWindow();
}

void NativeWindow::CreateNativeWindow(const CreateParams& params) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (!GetClassInfoExW(instance, params.className, &existing)) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.style = params.classStyle;
        wc.lpfnWndProc = &NativeWindow::WindowProc;
        wc.hInstance = instance;
        wc.hCursor = params.cursor ? params.cursor : LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = params.background;
        wc.lpszClassName = params.className;
        if (!RegisterClassExW(&wc)) {
            ThrowLastError("Cannot register the window class");
        }
    }
    refuseClose_ = params.refuseClose;
    HWND hwnd = CreateWindowExW(params.exStyle, params.className, params.title, params.style,
                                params.x, params.y, params.width, params.height, params.parent,
                                nullptr, instance, this);
    if (!hwnd) {
        ThrowLastError("Cannot create a window");
    }
}

void NativeWindow::DestroyNativeWindow() {
    if (hwnd_) {
        HWND hwnd = hwnd_;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        hwnd_ = nullptr;
        DestroyWindow(hwnd);
    }
}

HWND NativeWindow::ReleaseNativeWindow() {
    HWND hwnd = hwnd_;
    if (hwnd) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        hwnd_ = nullptr;
    }
    return hwnd;
}

LRESULT NativeWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK NativeWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<NativeWindow*>(create->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<NativeWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (message == WM_CLOSE && self->refuseClose_) {
        return 0;
    }
    LRESULT result = 0;
    ++g_dispatchDepth;
    try {
        result = self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        ParkException(std::current_exception());
    }
    // (Unless the handler deleted the object, whose destructor has let go of the window.)
    if (message == WM_NCDESTROY &&
        GetWindowLongPtrW(hwnd, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(self)) {
        // The last message the window gets: from here on the object holds no handle.
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    if (--g_dispatchDepth == 0) {
        DeleteDoomed();
    }
    return result;
}

}  // namespace lenzor
