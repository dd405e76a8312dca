#include "ui/range_peers_win.h"

#include <algorithm>

namespace lenzor {
namespace {

constexpr DWORD kTabStop = WS_TABSTOP | WS_GROUP;
constexpr int kUpDownWidth = 17;  // 96-DPI pixels

// Keys the hot-key control names differently with the extended flag (cursor block, not keypad).
bool IsExtendedKey(std::uint16_t key) {
    return (key >= VK_PRIOR && key <= VK_DOWN) || key == VK_INSERT || key == VK_DELETE ||
           key == VK_DIVIDE || key == VK_NUMLOCK;
}

}  // namespace

TShortCut HotKeyValueToShortCut(WORD value) {
    const std::uint16_t key = LOBYTE(value);
    const BYTE flags = HIBYTE(value);
    if (key == 0) {
        return 0;
    }
    TShiftState shift = 0;
    if (flags & HOTKEYF_SHIFT) {
        shift |= ssShift;
    }
    if (flags & HOTKEYF_CONTROL) {
        shift |= ssCtrl;
    }
    if (flags & HOTKEYF_ALT) {
        shift |= ssAlt;
    }
    return ShortCut(key, shift);
}

WORD ShortCutToHotKeyValue(TShortCut shortCut) {
    const TShortCutParts parts = ShortCutToKey(shortCut);
    if (parts.key == 0 || parts.key > 0xFF) {
        return 0;
    }
    BYTE flags = 0;
    if (parts.shift & ssShift) {
        flags |= HOTKEYF_SHIFT;
    }
    if (parts.shift & ssCtrl) {
        flags |= HOTKEYF_CONTROL;
    }
    if (parts.shift & ssAlt) {
        flags |= HOTKEYF_ALT;
    }
    if (IsExtendedKey(parts.key)) {
        flags |= HOTKEYF_EXT;
    }
    return MAKEWORD(parts.key, flags);
}

// Track bar

HWND TrackBarPeer::CreateHandle(HWND parent) {
    const DWORD ticks = bar_.TickMarks() ? TBS_AUTOTICKS | TBS_BOTTOM : TBS_NOTICKS;
    return CreateStandardWindow(TRACKBAR_CLASSW, kTabStop | TBS_HORZ | ticks, 0, parent);
}

void TrackBarPeer::Refresh() {
    SendMessageW(Handle(), TBM_SETRANGEMIN, FALSE, bar_.Min());
    SendMessageW(Handle(), TBM_SETRANGEMAX, FALSE, bar_.Max());
    SendMessageW(Handle(), TBM_SETPOS, TRUE, bar_.Position());
}

void TrackBarPeer::Update(ControlChange what) {
    switch (what) {
    case ControlChange::Range:
    case ControlChange::Position:
        Refresh();
        break;
    case ControlChange::Style: {
        const bool hasTicks = !(GetWindowLongPtrW(Handle(), GWL_STYLE) & TBS_NOTICKS);
        if (hasTicks != bar_.TickMarks()) {
            Recreate();
        } else {
            Refresh();
        }
        break;
    }
    default:
        break;
    }
}

bool TrackBarPeer::OnScroll() {
    if (!Updating()) {
        bar_.SetPosition(static_cast<int>(SendMessageW(Handle(), TBM_GETPOS, 0, 0)));
    }
    return true;
}

// Spin edit

HWND SpinEditPeer::CreateHandle(HWND parent) {
    HWND edit = EditPeer::CreateHandle(parent);
    // The model does the arithmetic: the up-down only reports presses (UDN_DELTAPOS), from a
    // position in the middle of an ascending range so that up always means +1.
    upDown_ = CreateStandardWindow(UPDOWN_CLASSW, UDS_ARROWKEYS | UDS_NOTHOUSANDS | UDS_HOTTRACK, 0,
                                   parent);
    if (upDown_) {
        SendMessageW(upDown_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
        SendMessageW(upDown_, UDM_SETRANGE32, 0, 100);
        SendMessageW(upDown_, UDM_SETPOS32, 0, 50);
        Adopt(upDown_, true);
    }
    return edit;
}

void SpinEditPeer::PlaceWindow() {
    const RECT r = ScaledBounds();
    const int buttons = ScaleToDpi(kUpDownWidth, Dpi());
    const int editWidth = std::max<int>(r.right - r.left - buttons, 0);
    SetWindowPos(Handle(), nullptr, r.left, r.top, editWidth, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(upDown_, nullptr, r.left + editWidth, r.top, buttons, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

bool SpinEditPeer::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.hwndFrom != upDown_ || header.code != UDN_DELTAPOS) {
        return false;
    }
    result = 1;  // the up-down's own position stays
    const int delta = reinterpret_cast<const NMUPDOWN&>(header).iDelta;
    if (delta > 0) {
        spin_.Up();
    } else if (delta < 0) {
        spin_.Down();
    }
    return true;
}

// Hot-key edit

HWND HotKeyPeer::CreateHandle(HWND parent) {
    HWND hwnd = CreateStandardWindow(HOTKEY_CLASSW, kTabStop, WS_EX_CLIENTEDGE, parent);
    // A key typed without Shift, Ctrl or Alt gets Ctrl+Alt.
    SendMessageW(hwnd, HKM_SETRULES, HKCOMB_NONE, MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
    return hwnd;
}

void HotKeyPeer::Refresh() {
    const auto shown = static_cast<WORD>(SendMessageW(Handle(), HKM_GETHOTKEY, 0, 0));
    if (HotKeyValueToShortCut(shown) != hotKey_.HotKey()) {
        SendMessageW(Handle(), HKM_SETHOTKEY, ShortCutToHotKeyValue(hotKey_.HotKey()), 0);
    }
}

void HotKeyPeer::Update(ControlChange what) {
    if (what == ControlChange::HotKey) {
        Refresh();
    }
}

bool HotKeyPeer::OnCommand(WORD code) {
    if (code != EN_CHANGE) {
        return false;
    }
    if (!Updating()) {
        const TShortCutParts typed = ShortCutToKey(
            HotKeyValueToShortCut(static_cast<WORD>(SendMessageW(Handle(), HKM_GETHOTKEY, 0, 0))));
        hotKey_.TypeKey(typed.key, typed.shift);
    }
    return true;
}

}  // namespace lenzor
