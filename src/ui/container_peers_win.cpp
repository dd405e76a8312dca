#include "ui/container_peers_win.h"

#include "ui/page_control.h"
#include "ui/page_peers_win.h"
#include "ui/std_controls.h"
#include "win/unicode_win.h"

#include <algorithm>

#include <uxtheme.h>
#include <vssym32.h>

namespace lenzor {
namespace {

// Draws with the control's font, transparent behind the text, and restores the DC.
class TextScope {
public:
    TextScope(HDC dc, HFONT font, COLORREF color)
        : dc_(dc), font_(SelectObject(dc, font)), mode_(SetBkMode(dc, TRANSPARENT)),
          color_(SetTextColor(dc, color)) {}
    ~TextScope() {
        SetTextColor(dc_, color_);
        SetBkMode(dc_, mode_);
        SelectObject(dc_, font_);
    }
    TextScope(const TextScope&) = delete;
    TextScope& operator=(const TextScope&) = delete;

private:
    HDC dc_;
    HGDIOBJ font_;
    int mode_;
    COLORREF color_;
};

}  // namespace

HWND ContainerPeer::CreateHandle(HWND parent) {
    return CreateOwnWindow(L"LenzorContainer", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                           WS_EX_CONTROLPARENT, parent);
}

void ContainerPeer::Update(ControlChange what) {
    if (what == ControlChange::Caption || what == ControlChange::Style ||
        what == ControlChange::Enabled) {
        InvalidateRect(Handle(), nullptr, TRUE);
    }
}

LRESULT ContainerPeer::OwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (ReflectMessage(message, wParam, lParam, result)) {
        return result;
    }
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        RECT client;
        GetClientRect(hwnd, &client);
        PaintDecoration(hwnd, dc, client);
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_CLOSE:
        // Only forms close; a multi-line edit sends its parent WM_CLOSE on Esc.
        return 0;
    default:
        break;
    }
    return WinPeer::OwnMessage(hwnd, message, wParam, lParam);
}

void PanelPeer::PaintDecoration(HWND, HDC dc, const RECT& client) {
    const auto& panel = static_cast<const TPanel&>(Control());
    RECT r = client;
    if (panel.BevelOuter() != TBevelCut::bvNone) {
        DrawEdge(dc, &r,
                 panel.BevelOuter() == TBevelCut::bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER,
                 BF_RECT | BF_ADJUST);
    }
    if (!panel.Caption().empty()) {
        TextScope text(dc, Font(), GetSysColor(panel.Enabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        std::wstring caption = Widen(panel.Caption());
        DrawTextW(dc, caption.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

void GroupBoxPeer::PaintDecoration(HWND hwnd, HDC dc, const RECT& client) {
    const TControl& box = Control();
    const std::wstring caption = Widen(box.Caption());
    HTHEME theme = IsAppThemed() ? OpenThemeData(hwnd, L"BUTTON") : nullptr;
    COLORREF color = GetSysColor(box.Enabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
    if (theme) {
        GetThemeColor(theme, BP_GROUPBOX, box.Enabled() ? GBS_NORMAL : GBS_DISABLED, TMT_TEXTCOLOR,
                      &color);
    }
    TextScope text(dc, Font(), color);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT frame = client;
    frame.top += metrics.tmHeight / 2;
    if (theme) {
        DrawThemeBackground(theme, dc, BP_GROUPBOX, box.Enabled() ? GBS_NORMAL : GBS_DISABLED,
                            &frame, nullptr);
        CloseThemeData(theme);
    } else {
        DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    }
    if (caption.empty()) {
        return;
    }
    const int indent = ScaleToDpi(8, Dpi());
    RECT label{client.left + indent, client.top, client.right - indent,
               client.top + metrics.tmHeight};
    DrawTextW(dc, caption.c_str(), -1, &label, DT_SINGLELINE | DT_CALCRECT);
    label.right = std::min(label.right, client.right - indent);
    RECT gap = label;
    InflateRect(&gap, ScaleToDpi(2, Dpi()), 0);
    FillRect(dc, &gap, GetSysColorBrush(COLOR_BTNFACE));
    DrawTextW(dc, caption.c_str(), -1, &label, DT_SINGLELINE | DT_END_ELLIPSIS);
}

void TabSheetPeer::Update(ControlChange what) {
    ContainerPeer::Update(what);
    if (what == ControlChange::Caption) {
        const auto& sheet = static_cast<const TTabSheet&>(Control());
        if (auto* pages = dynamic_cast<PageControlPeer*>(Of(sheet.PageControl()))) {
            pages->RebuildTabs();
        }
    }
}

}  // namespace lenzor
