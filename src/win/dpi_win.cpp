#include "win/dpi_win.h"

#include "win/dll_function_win.h"

#include <map>

namespace lenzor {
namespace {

template <class Function> Function User32Function(const char* name) {
    return SystemFunction<Function>(L"user32.dll", name);
}

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);

}  // namespace

UINT SystemDpi() {
    static const UINT dpi = [] {
        HDC screen = GetDC(nullptr);
        const int value = GetDeviceCaps(screen, LOGPIXELSX);
        ReleaseDC(nullptr, screen);
        return value > 0 ? static_cast<UINT>(value) : kDesignDpi;
    }();
    return dpi;
}

UINT WindowDpi(HWND hwnd) {
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    if (getDpiForWindow && hwnd) {
        if (const UINT dpi = getDpiForWindow(hwnd); dpi != 0) {
            return dpi;
        }
    }
    return SystemDpi();
}

HFONT DialogFont(UINT dpi) {
    static std::map<UINT, HFONT> fonts;
    if (auto found = fonts.find(dpi); found != fonts.end()) {
        return found->second;
    }
    static const auto forDpi =
        User32Function<SystemParametersInfoForDpiFn>("SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (forDpi && forDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi)) {
        // already at that DPI
    } else if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        metrics.lfMessageFont.lfHeight =
            MulDiv(metrics.lfMessageFont.lfHeight, static_cast<int>(dpi), SystemDpi());
    } else {
        metrics.lfMessageFont = LOGFONTW{};
        metrics.lfMessageFont.lfHeight = -MulDiv(9, static_cast<int>(dpi), 72);
        lstrcpynW(metrics.lfMessageFont.lfFaceName, L"Segoe UI", LF_FACESIZE);
    }
    HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
    if (!font) {
        font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }
    fonts.emplace(dpi, font);
    return font;
}

}  // namespace lenzor
