#include "ui/form_peer_win.h"

#include "ui/form_position.h"
#include "ui/page_control.h"
#include "win/monitors_win.h"
#include "win/unicode_win.h"

#include <algorithm>
#include <vector>

namespace lenzor {
namespace {

constexpr DWORD kFormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr int kMaxTipWidth = 400;

void CollectTabStops(const TWinControl& parent, std::vector<TControl*>& order) {
    for (int i = 0; i < parent.ControlCount(); ++i) {
        TControl* control = parent.Controls(i);
        if (!control->Visible() || !control->Enabled()) {
            continue;  // nor anything inside it
        }
        auto* container = dynamic_cast<TWinControl*>(control);
        WinPeer* peer = WinPeer::Of(control);
        if (container && container->TabStop() && control->CanFocus() && peer && peer->Handle()) {
            order.push_back(control);
        }
        if (container) {
            CollectTabStops(*container, order);
        }
    }
}

TPageControl* FirstPageControl(const TWinControl& parent) {
    for (int i = 0; i < parent.ControlCount(); ++i) {
        TControl* control = parent.Controls(i);
        if (auto* pages = dynamic_cast<TPageControl*>(control)) {
            return pages;
        }
        if (auto* container = dynamic_cast<TWinControl*>(control)) {
            if (TPageControl* pages = FirstPageControl(*container)) {
                return pages;
            }
        }
    }
    return nullptr;
}

TTTOOLINFOW ToolInfo(HWND form, HWND tool) {
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;  // understood by common controls 5 and 6
    info.hwnd = form;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    return info;
}

// The monitors, primary first.
std::vector<MonitorArea> MonitorAreas() {
    auto rect = [](const RECT& r) { return TRect{r.left, r.top, r.right, r.bottom}; };
    std::vector<MonitorArea> areas;
    for (const DisplayMonitor& monitor : ListMonitors()) {
        areas.push_back(MonitorArea{rect(monitor.bounds), rect(monitor.work)});
    }
    return areas;
}

}  // namespace

FormPeer::FormPeer(TCustomForm& form) : WinPeer(form), form_(form) {}

FormPeer::~FormPeer() {
    DestroyWindows();  // the controls' tools go while the tool tip window still exists
    DestroyPeerWindow(tooltip_);
}

FormPeer* FormPeer::FromTopLevel(HWND hwnd) {
    return dynamic_cast<FormPeer*>(FromWindow(hwnd));
}

HWND FormPeer::CreateHandle(HWND) {
    dpi_ = SystemDpi();
    HWND hwnd = CreateOwnWindow(L"LenzorForm", kFormStyle, kFormExStyle, nullptr);
    dpi_ = WindowDpi(hwnd);
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, ScaleToDpi(kMaxTipWidth, dpi_));
    return hwnd;
}

void FormPeer::PlaceWindow() {
    auto frameSize = [this] {
        RECT frame{0, 0, ScaleToDpi(form_.Width(), dpi_), ScaleToDpi(form_.Height(), dpi_)};
        AdjustWindowRectForDpi(frame, kFormStyle, kFormExStyle, dpi_);
        return SIZE{frame.right - frame.left, frame.bottom - frame.top};
    };
    if (positioned_) {
        const SIZE size = frameSize();
        SetWindowPos(Handle(), nullptr, 0, 0, size.cx, size.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    positioned_ = true;
    POINT pointer{};
    if (!GetCursorPos(&pointer)) {
        pointer = {};  // the primary monitor's origin
    }
    const std::vector<MonitorArea> monitors = MonitorAreas();
    // Arriving on a monitor of another DPI rescales the form on the way (WM_DPICHANGED); it is
    // then centred again at its new size.
    for (int pass = 0; pass < 2; ++pass) {
        const UINT dpi = dpi_;
        const SIZE size = frameSize();
        const FormOrigin at = CentredFormOrigin(size.cx, size.cy, monitors, pointer.x, pointer.y);
        SetWindowPos(Handle(), nullptr, at.x, at.y, size.cx, size.cy,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (dpi_ == dpi) {
            break;
        }
    }
}

// Each opening centres the form anew, on the monitor the user now works on.
void FormPeer::ShowWindows(bool visible) {
    if (visible && !IsWindowVisible(Handle())) {
        positioned_ = false;
        PlaceWindow();
    }
    ShowWindow(Handle(), visible ? SW_SHOW : SW_HIDE);
}

void FormPeer::ApplyDpi() {
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, ScaleToDpi(kMaxTipWidth, dpi_));
    WinPeer::ApplyDpi();
}

void FormPeer::DpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, ScaleToDpi(kMaxTipWidth, dpi_));
    for (int i = 0; i < form_.ControlCount(); ++i) {
        if (WinPeer* child = Of(form_.Controls(i))) {
            child->ApplyDpi();
        }
    }
}

void FormPeer::SetTool(HWND tool, const std::string& text) {
    if (!tooltip_ || !tool) {
        return;
    }
    TTTOOLINFOW info = ToolInfo(Handle(), tool);
    const bool exists =
        SendMessageW(tooltip_, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info));
    info = ToolInfo(Handle(), tool);
    if (text.empty()) {
        if (exists) {
            SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
        }
        return;
    }
    std::wstring wide = Widen(text);
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.lpszText = wide.data();
    SendMessageW(tooltip_, exists ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, 0,
                 reinterpret_cast<LPARAM>(&info));
}

void FormPeer::RemoveTool(HWND tool) {
    if (tooltip_ && IsWindow(tooltip_)) {
        TTTOOLINFOW info = ToolInfo(Handle(), tool);
        SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    }
}

std::vector<TControl*> FormPeer::TabOrder() const {
    std::vector<TControl*> order;
    CollectTabStops(form_, order);
    return order;
}

void FormPeer::FocusNextControl(bool forward) {
    const std::vector<TControl*> order = TabOrder();
    if (order.empty()) {
        return;
    }
    WinPeer* focused = FromWindow(GetFocus());
    TControl* current = focused ? &focused->Control() : form_.ActiveControl();
    const auto found = std::find(order.begin(), order.end(), current);
    const int count = static_cast<int>(order.size());
    int next = forward ? 0 : count - 1;
    if (found != order.end()) {
        const int index = static_cast<int>(found - order.begin());
        next = (index + (forward ? 1 : count - 1)) % count;
    }
    Of(order[static_cast<std::size_t>(next)])->FocusByKeyboard();
}

void FormPeer::SelectNextPage(bool forward) {
    TPageControl* pages = nullptr;
    for (TControl* c = form_.ActiveControl(); c && !pages; c = c->Parent()) {
        pages = dynamic_cast<TPageControl*>(c);
    }
    if (!pages) {
        pages = FirstPageControl(form_);
    }
    WinPeer* pagesPeer = Of(pages);
    if (!pagesPeer) {
        return;
    }
    HWND tabs = pagesPeer->Handle();
    pages->SelectNextPage(forward);  // may end this form: only locals below
    HWND focus = GetFocus();
    if ((!focus || !IsWindowVisible(focus)) && IsWindow(tabs)) {
        ::SetFocus(tabs);  // the focused control went with its page
    }
}

void FormPeer::RestoreFocus() {
    WinPeer* active = Of(form_.ActiveControl());
    if (active && active->Handle() && IsWindowVisible(active->Handle()) &&
        IsWindowEnabled(active->Handle())) {
        ::SetFocus(active->Handle());
        return;
    }
    const std::vector<TControl*> order = TabOrder();
    if (order.empty()) {
        ::SetFocus(Handle());
    } else {
        Of(order.front())->FocusByKeyboard();
    }
}

LRESULT FormPeer::OwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (ReflectMessage(message, wParam, lParam, result)) {
        return result;
    }
    switch (message) {
    case WM_COMMAND:
        // The dialog keys: Enter asks DM_GETDEFID and sends IDOK, Esc sends IDCANCEL.
        if (LOWORD(wParam) == IDOK) {
            form_.PressDefaultButton();
            return 0;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            form_.PressCancelButton();
            return 0;
        }
        break;
    case DM_GETDEFID:
        return form_.DefaultButton() ? MAKELRESULT(IDOK, DC_HASDEFID) : 0;
    case WM_NEXTDLGCTL:
        if (lParam) {
            if (WinPeer* peer = FromWindow(reinterpret_cast<HWND>(wParam))) {
                peer->FocusByKeyboard();
            }
        } else {
            FocusNextControl(wParam == 0);
        }
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) {
            RestoreFocus();
            return 0;
        }
        break;
    case WM_CLOSE:
        form_.Close();
        return 0;
    case WM_DPICHANGED:
        DpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    default:
        break;
    }
    return WinPeer::OwnMessage(hwnd, message, wParam, lParam);
}

}  // namespace lenzor
