#include "lens/lens_overlay_win.h"

#include "lens/lens_overlay_text.h"
#include "win/dpi_win.h"
#include "win/gdi_win.h"
#include "win/unicode_win.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace lenzor {
namespace {

// The badge and the frozen mark: light on a dark box with a light edge, readable on any
// picture.
constexpr COLORREF kBoxFill = RGB(32, 32, 32);
constexpr COLORREF kBoxEdge = RGB(224, 224, 224);
constexpr COLORREF kBoxInk = RGB(255, 255, 255);

void DarkBox(HDC dc, const RECT& box) {
    FillSolid(dc, box, kBoxEdge);
    const RECT inner{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1};
    FillSolid(dc, inner, kBoxFill);
}

SIZE TextSize(HDC dc, const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

// The text in the font selected and its margins.
int ReadoutStripHeight(HDC dc, UINT dpi) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    return metrics.tmHeight + 2 * ScaleToDpi(3, dpi) + 1;
}

void DrawReadout(HDC dc, const RECT& area, uint32_t color, UINT dpi) {
    const int height = std::min<int>(ReadoutStripHeight(dc, dpi), area.bottom - area.top);
    const RECT strip{area.left, area.bottom - height, area.right, area.bottom};
    const COLORREF ink = ReadoutTextColor(color);
    FillSolid(dc, strip, color);
    // A line in the text's colour parts the strip from a picture of the same colour.
    FillSolid(dc, RECT{strip.left, strip.top, strip.right, strip.top + 1}, ink);
    const int margin = ScaleToDpi(6, dpi);
    RECT text{strip.left + margin, strip.top + 1, strip.right - margin, strip.bottom};
    std::wstring line = Widen(ReadoutText(color));
    if (TextSize(dc, line).cx > text.right - text.left) {
        line = Widen(HexColorText(color));  // a narrow lens still shows the code
    }
    SetTextColor(dc, ink);
    DrawTextW(dc, line.c_str(), static_cast<int>(line.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void DrawBadge(HDC dc, const RECT& area, const std::string& badge, UINT dpi) {
    const std::wstring text = Widen(badge);
    const SIZE size = TextSize(dc, text);
    const int inset = ScaleToDpi(4, dpi);
    const int padX = ScaleToDpi(5, dpi);
    const int padY = ScaleToDpi(2, dpi);
    const RECT box{area.left + inset, area.top + inset, area.left + inset + size.cx + 2 * padX,
                   area.top + inset + size.cy + 2 * padY};
    DarkBox(dc, box);
    SetTextColor(dc, kBoxInk);
    TextOutW(dc, box.left + padX, box.top + padY, text.c_str(), static_cast<int>(text.size()));
}

// A six-armed snowflake, each arm with a pair of twigs.
void DrawFrozenMark(HDC dc, const RECT& area, UINT dpi) {
    const int side = ScaleToDpi(22, dpi);
    const int inset = ScaleToDpi(4, dpi);
    const RECT box{area.right - inset - side, area.top + inset, area.right - inset,
                   area.top + inset + side};
    DarkBox(dc, box);
    HPEN pen = CreatePen(PS_SOLID, std::max(1, ScaleToDpi(2, dpi) * 3 / 4), kBoxInk);
    if (!pen) {
        return;
    }
    {
        const ScopedSelect select(dc, pen);
        const double cx = (box.left + box.right) / 2.0;
        const double cy = (box.top + box.bottom) / 2.0;
        const double arm = side * 0.36;
        const double twig = arm * 0.4;
        const auto line = [dc](double x0, double y0, double x1, double y1) {
            MoveToEx(dc, static_cast<int>(std::lround(x0)), static_cast<int>(std::lround(y0)),
                     nullptr);
            LineTo(dc, static_cast<int>(std::lround(x1)), static_cast<int>(std::lround(y1)));
        };
        constexpr double kPi = 3.14159265358979323846;
        for (int i = 0; i < 6; ++i) {
            const double a = kPi / 2 + i * kPi / 3;
            const double ex = cx + arm * std::cos(a);
            const double ey = cy - arm * std::sin(a);
            line(cx, cy, ex, ey);
            const double bx = cx + arm * 0.6 * std::cos(a);
            const double by = cy - arm * 0.6 * std::sin(a);
            for (const double turn : {kPi / 4, -kPi / 4}) {
                line(bx, by, bx + twig * std::cos(a + turn), by - twig * std::sin(a + turn));
            }
        }
    }
    DeleteObject(pen);
}

}  // namespace

bool HasMarks(const LensOverlay& overlay) {
    return !overlay.badge.empty() || overlay.frozen || overlay.readout.has_value();
}

void DrawLensOverlay(HDC dc, const RECT& area, const LensOverlay& overlay, UINT dpi) {
    if (area.right <= area.left || area.bottom <= area.top) {
        return;
    }
    SaveDC(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    SelectObject(dc, DialogFont(dpi));
    SetBkMode(dc, TRANSPARENT);
    if (overlay.readout) {
        DrawReadout(dc, area, *overlay.readout, dpi);
    }
    if (!overlay.badge.empty()) {
        DrawBadge(dc, area, overlay.badge, dpi);
    }
    if (overlay.frozen) {
        DrawFrozenMark(dc, area, dpi);
    }
    RestoreDC(dc, -1);
}

}  // namespace lenzor
