#include "ui/dpi_win.h"

#include "win/dll_function_win.h"

namespace lenzor {
namespace {

template <class Function> Function User32Function(const char* name) {
    return SystemFunction<Function>(L"user32.dll", name);
}

using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

}  // namespace

RECT ScaleRect(const TRect& rect, UINT dpi) {
    return {ScaleToDpi(rect.Left, dpi), ScaleToDpi(rect.Top, dpi), ScaleToDpi(rect.Right, dpi),
            ScaleToDpi(rect.Bottom, dpi)};
}

void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, UINT dpi) {
    static const auto forDpi =
        User32Function<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    if (!forDpi || !forDpi(&rect, style, FALSE, exStyle, dpi)) {
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    }
}

}  // namespace lenzor
