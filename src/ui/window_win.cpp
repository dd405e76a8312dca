#include "ui/window_win.h"

#include <stdexcept>
#include <string>

namespace lenzor {
namespace {
std::exception_ptr g_parked;
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
            throw std::runtime_error("RegisterClassEx failed");
        }
    }
    HWND hwnd = CreateWindowExW(params.exStyle, params.className, params.title, params.style,
                                params.x, params.y, params.width, params.height, params.parent,
                                nullptr, instance, this);
    if (!hwnd) {
        throw std::runtime_error("CreateWindowEx failed");
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
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        ParkException(std::current_exception());
        return 0;
    }
}

}  // namespace lenzor
