#include "ui/peer_win.h"

#include "ui/form_peer_win.h"
#include "win/last_error_win.h"
#include "win/unicode_win.h"
#include "win/window_win.h"

#include <algorithm>

namespace lenzor {
namespace {

constexpr wchar_t kPeerProperty[] = L"LenzorPeer";
constexpr UINT_PTR kSubclassId = 0x4C5A;

// How many of our window procedures are running; see DestroyPeerWindow.
int g_dispatchDepth = 0;

struct DispatchScope {
    DispatchScope() { ++g_dispatchDepth; }
    ~DispatchScope() { --g_dispatchDepth; }
};

// Control identifiers stay clear of IDOK and IDCANCEL, which the dialog keys send on their own.
HMENU NextControlId() {
    static UINT_PTR next = 100;
    const UINT_PTR id = next;
    next = next >= 0x7FFF ? 100 : next + 1;
    return reinterpret_cast<HMENU>(id);
}

bool IsGraphic(const TControl& control) {
    return dynamic_cast<const TGraphicControl*>(&control) != nullptr;
}

}  // namespace

// A window of our own class whose messages go to its peer.
class PeerWindow : public NativeWindow {
public:
    explicit PeerWindow(WinPeer& peer) : peer_(peer) {}
    using NativeWindow::CreateParams;
    void Create(const CreateParams& params) { CreateNativeWindow(params); }
    HWND Release() { return ReleaseNativeWindow(); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        DispatchScope scope;
        return peer_.OwnMessage(Handle(), message, wParam, lParam);
    }

private:
    WinPeer& peer_;
};

void DestroyPeerWindow(HWND hwnd) {
    if (!hwnd || !IsWindow(hwnd)) {
        return;
    }
    if (g_dispatchDepth > 0) {
        // Without its object the window's procedure is the default one, which destroys it.
        ShowWindow(hwnd, SW_HIDE);
        PostMessageW(hwnd, WM_CLOSE, 0, 0);
    } else {
        DestroyWindow(hwnd);
    }
}

WinPeer::WinPeer(TControl& control) : control_(control) {}

WinPeer::~WinPeer() {
    DestroyWindows();
}

WinPeer* WinPeer::FromWindow(HWND hwnd) {
    return hwnd ? static_cast<WinPeer*>(GetPropW(hwnd, kPeerProperty)) : nullptr;
}

WinPeer* WinPeer::Of(const TControl* control) {
    return control ? dynamic_cast<WinPeer*>(control->Peer()) : nullptr;
}

void WinPeer::Create() {
    HWND hwnd = CreateHandle(ParentHandle());
    if (!hwnd) {
        ThrowLastError("Cannot create the window of " + control_.Name());
    }
    hwnd_ = hwnd;
    Attach(hwnd, true, !own_ || own_->Handle() != hwnd, true);
    {
        Quiet quiet(*this);
        if (control_.HasCaption()) {
            SetWindowTextW(hwnd_, Widen(control_.Caption()).c_str());
        }
        Refresh();
    }
    for (const Part& part : parts_) {
        EnableWindow(part.hwnd, control_.Enabled());
    }
    PlaceInZOrder();
    PlaceWindow();
    UpdateTool();
    ShowWindows(control_.Visible());
}

void WinPeer::Attach(HWND hwnd, bool owned, bool subclass, bool first) {
    SetPropW(hwnd, kPeerProperty, this);
    if (subclass) {
        SetWindowSubclass(hwnd, &WinPeer::SubclassProc, kSubclassId,
                          reinterpret_cast<DWORD_PTR>(this));
    }
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
    const Part part{hwnd, owned, subclass};
    if (first) {
        parts_.insert(parts_.begin(), part);
    } else {
        parts_.push_back(part);
    }
}

void WinPeer::Adopt(HWND hwnd, bool owned) {
    if (hwnd) {
        Attach(hwnd, owned, true, false);
    }
}

void WinPeer::DestroyWindows() {
    HWND ownHandle = own_ ? own_->Release() : nullptr;
    for (auto part = parts_.rbegin(); part != parts_.rend(); ++part) {
        if (toolForm_) {
            toolForm_->RemoveTool(part->hwnd);
        }
        RemovePropW(part->hwnd, kPeerProperty);
        if (part->subclassed) {
            RemoveWindowSubclass(part->hwnd, &WinPeer::SubclassProc, kSubclassId);
        }
        if (part->owned) {
            DestroyPeerWindow(part->hwnd);
        }
    }
    if (ownHandle && parts_.empty()) {
        DestroyPeerWindow(ownHandle);  // created, but Create() failed before it was attached
    }
    parts_.clear();
    own_.reset();
    hwnd_ = nullptr;
    toolForm_ = nullptr;
}

void WinPeer::WindowGone(HWND hwnd) {
    // Destroyed from outside (with its parent): forget it, so nothing touches the handle again.
    RemovePropW(hwnd, kPeerProperty);
    parts_.erase(std::remove_if(parts_.begin(), parts_.end(),
                                [hwnd](const Part& part) { return part.hwnd == hwnd; }),
                 parts_.end());
    if (hwnd == hwnd_) {
        hwnd_ = nullptr;
    }
    if (own_ && own_->Handle() == hwnd) {
        own_->Release();
    }
}

void WinPeer::Recreate() {
    const bool hadFocus = std::any_of(parts_.begin(), parts_.end(),
                                      [](const Part& p) { return p.hwnd == GetFocus(); });
    DestroyWindows();
    Create();
    if (hadFocus && hwnd_) {
        ::SetFocus(hwnd_);
    }
}

HWND WinPeer::CreateStandardWindow(const wchar_t* className, DWORD style, DWORD exStyle,
                                   HWND parent) {
    return CreateWindowExW(exStyle, className, L"", style | WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                           parent, NextControlId(), GetModuleHandleW(nullptr), nullptr);
}

HWND WinPeer::CreateOwnWindow(const wchar_t* className, DWORD style, DWORD exStyle, HWND parent) {
    own_ = std::make_unique<PeerWindow>(*this);
    PeerWindow::CreateParams params{className};
    params.style = style;
    params.exStyle = exStyle;
    params.parent = parent;
    params.classStyle = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    own_->Create(params);
    if (style & WS_CHILD) {
        SetWindowLongPtrW(own_->Handle(), GWLP_ID, reinterpret_cast<LONG_PTR>(NextControlId()));
    }
    return own_->Handle();
}

LRESULT WinPeer::OwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) {
        WindowGone(hwnd);
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND WinPeer::ParentHandle() const {
    WinPeer* parent = Of(control_.Parent());
    return parent ? parent->ClientHandle() : nullptr;
}

FormPeer* WinPeer::Form() const {
    TCustomForm* form = control_.ParentForm();
    return form ? dynamic_cast<FormPeer*>(form->Peer()) : nullptr;
}

UINT WinPeer::Dpi() const {
    if (FormPeer* form = Form()) {
        return form->FormDpi();
    }
    return WindowDpi(hwnd_);
}

RECT WinPeer::ScaledBounds() const {
    return ScaleRect(control_.BoundsRect(), Dpi());
}

void WinPeer::PlaceWindow() {
    const RECT r = ScaledBounds();
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void WinPeer::ShowWindows(bool visible) {
    for (const Part& part : parts_) {
        if (part.owned) {
            ShowWindow(part.hwnd, visible ? SW_SHOWNA : SW_HIDE);
        }
    }
}

HWND WinPeer::LowestPart() const {
    HWND lowest = hwnd_;
    for (const Part& part : parts_) {
        if (part.owned) {
            lowest = part.hwnd;  // the owned parts are stacked in this order
        }
    }
    return lowest;
}

void WinPeer::PlaceInZOrder() {
    // Stacking as on a form: windowed controls above graphic ones, and within each group the
    // later control above the earlier. The tab order does not depend on it (FormPeer).
    TWinControl* parent = control_.Parent();
    if (!parent || !hwnd_) {
        return;
    }
    const bool graphic = IsGraphic(control_);
    HWND after = HWND_TOP;
    HWND lowestWindowed = nullptr;
    bool later = false;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* sibling = parent->Controls(i);
        if (sibling == &control_) {
            later = true;
            continue;
        }
        WinPeer* peer = Of(sibling);
        if (!peer || !peer->hwnd_ || GetParent(peer->hwnd_) != GetParent(hwnd_)) {
            continue;
        }
        const bool siblingGraphic = IsGraphic(*sibling);
        if (!siblingGraphic && !lowestWindowed) {
            lowestWindowed = peer->LowestPart();
        }
        if (later && siblingGraphic == graphic && after == HWND_TOP) {
            after = peer->LowestPart();  // the next later one of the same group: just below
        }
    }
    if (graphic && after == HWND_TOP && lowestWindowed) {
        after = lowestWindowed;
    }
    for (const Part& part : parts_) {
        if (part.owned) {
            SetWindowPos(part.hwnd, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            after = part.hwnd;
        }
    }
}

void WinPeer::Reparent() {
    HWND parent = ParentHandle();
    if (!parent || !hwnd_) {
        return;  // the new parent shows nothing yet
    }
    for (const Part& part : parts_) {
        if (part.owned) {
            SetParent(part.hwnd, parent);
        }
    }
    PlaceInZOrder();
    ApplyDpi();
    UpdateTool();
}

void WinPeer::UpdateTool() {
    FormPeer* form = Form();
    if (toolForm_ && toolForm_ != form) {
        for (const Part& part : parts_) {
            toolForm_->RemoveTool(part.hwnd);
        }
    }
    toolForm_ = form;
    if (form) {
        for (const Part& part : parts_) {
            form->SetTool(part.hwnd, control_.Hint());
        }
    }
}

void WinPeer::ApplyDpi() {
    for (const Part& part : parts_) {
        SendMessageW(part.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), TRUE);
    }
    PlaceWindow();
    if (auto* container = dynamic_cast<TWinControl*>(&control_)) {
        for (int i = 0; i < container->ControlCount(); ++i) {
            if (WinPeer* child = Of(container->Controls(i))) {
                child->ApplyDpi();
            }
        }
    }
}

void WinPeer::Changed(ControlChange what) {
    if (!hwnd_) {
        return;
    }
    switch (what) {
    case ControlChange::Bounds:
        PlaceWindow();
        break;
    case ControlChange::Visible:
        ShowWindows(control_.Visible());
        break;
    case ControlChange::Enabled:
        for (const Part& part : parts_) {
            EnableWindow(part.hwnd, control_.Enabled());
        }
        break;
    case ControlChange::Caption:
        if (control_.HasCaption()) {
            SetWindowTextQuietly(hwnd_, control_.Caption());
        }
        break;
    case ControlChange::Hint:
        UpdateTool();
        break;
    case ControlChange::Font:
        InvalidateRect(hwnd_, nullptr, TRUE);
        break;
    case ControlChange::Parent:
        Reparent();
        break;
    default:
        break;
    }
    Quiet quiet(*this);
    Update(what);
}

void WinPeer::SetFocus() {
    if (hwnd_ && GetFocus() != hwnd_) {
        ::SetFocus(hwnd_);
    }
}

void WinPeer::FocusByKeyboard() {
    if (!hwnd_) {
        return;
    }
    if (SendMessageW(hwnd_, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
        SendMessageW(hwnd_, EM_SETSEL, 0, -1);
    }
    ::SetFocus(hwnd_);
}

void WinPeer::FocusGained() {
    if (TCustomForm* form = control_.ParentForm()) {
        form->FocusChangedByPeer(&control_);
    }
}

std::string WinPeer::WindowText(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), length + 1)));
    return Narrow(text);
}

void WinPeer::SetWindowTextQuietly(HWND hwnd, const std::string& text) {
    if (WindowText(hwnd) != text) {
        Quiet quiet(*this);
        SetWindowTextW(hwnd, Widen(text).c_str());
    }
}

bool WinPeer::ReflectMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (message) {
    case WM_COMMAND:
        if (WinPeer* peer = FromWindow(reinterpret_cast<HWND>(lParam))) {
            return peer->OnCommand(HIWORD(wParam));
        }
        break;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (WinPeer* peer = header ? FromWindow(header->hwndFrom) : nullptr) {
            return peer->OnNotify(*header, result);
        }
        break;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (WinPeer* peer = FromWindow(reinterpret_cast<HWND>(lParam))) {
            return peer->OnScroll();
        }
        break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        if (WinPeer* peer = FromWindow(reinterpret_cast<HWND>(lParam))) {
            if (HBRUSH brush = peer->OnControlColor(reinterpret_cast<HDC>(wParam))) {
                result = reinterpret_cast<LRESULT>(brush);
                return true;
            }
        }
        break;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            WinPeer* peer = FromWindow(reinterpret_cast<HWND>(wParam));
            if (peer && peer->control_.Cursor() == TCursor::crHandPoint) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                result = TRUE;
                return true;
            }
        }
        break;
    default:
        break;
    }
    return false;
}

LRESULT CALLBACK WinPeer::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR data) {
    auto* peer = reinterpret_cast<WinPeer*>(data);
    DispatchScope scope;
    try {
        switch (message) {
        case WM_SETFOCUS: {
            const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
            peer->FocusGained();  // the model may destroy the peer: nothing after this
            return result;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(hwnd, &WinPeer::SubclassProc, kSubclassId);
            peer->WindowGone(hwnd);
            break;
        default: {
            LRESULT result = 0;
            if (peer->Intercept(hwnd, message, wParam, lParam, result)) {
                return result;
            }
            break;
        }
        }
    } catch (...) {
        ParkException(std::current_exception());
        return 0;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace lenzor
