#include "tray/tray_icon_win.h"

#include "tray/tray_icon_rules.h"
#include "ui/popup_menu_win.h"
#include "win/unicode_win.h"
#include "win/window_win.h"

#include <commctrl.h>

#include <algorithm>
#include <unordered_map>

namespace lenzor {

// The hidden window that receives the shell's callbacks for every icon of the process. It is a
// real (never shown) top-level window: message-only windows miss the "TaskbarCreated" broadcast.
// Icons are found through a map, because the callback's identifier is only 32 bits wide.
class TTrayIconHandler : public NativeWindow {
public:
    TTrayIconHandler() {
        CreateParams params{L"LenzorTrayIconHandler"};
        params.refuseClose = true;
        CreateNativeWindow(params);
        // An elevated process would otherwise never hear of a restarted taskbar.
        ChangeWindowMessageFilterEx(Handle(), TTrayIcon::TaskbarCreatedMessage(), MSGFLT_ALLOW,
                                    nullptr);
    }

    UINT Add(TTrayIcon* icon) {
        UINT id = FNextId++;
        FIcons[id] = icon;
        return id;
    }

    // True when the last icon is gone.
    bool Remove(UINT id) {
        FIcons.erase(id);
        return FIcons.empty();
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == TTrayIcon::kCallbackMessage) {
            auto found = FIcons.find(static_cast<UINT>(wParam));
            if (found != FIcons.end()) {
                // May free the icon: touch nothing after. This handler, should that be the last
                // icon, goes once the call is over.
                found->second->HandleCallback(static_cast<unsigned>(lParam));
            }
            return 0;
        }
        if (message != 0 && message == TTrayIcon::TaskbarCreatedMessage()) {
            for (auto& entry : FIcons) {
                entry.second->ShellRestarted();
            }
            return 0;
        }
        switch (message) {
        case WM_DESTROY:
        case WM_CLOSE:
        case WM_QUERYENDSESSION:
        case WM_QUIT:
        case WM_ENDSESSION:
        case WM_NCDESTROY:
            return 1;
        default:
            return NativeWindow::HandleMessage(message, wParam, lParam);
        }
    }

private:
    std::unordered_map<UINT, TTrayIcon*> FIcons;
    UINT FNextId = 1;
};

namespace {

std::unique_ptr<TTrayIconHandler> TrayHandler;

UINT AcquireTrayHandler(TTrayIcon* icon) {
    if (!TrayHandler) {
        TrayHandler = std::make_unique<TTrayIconHandler>();
    }
    return TrayHandler->Add(icon);
}

void ReleaseTrayHandler(UINT id) {
    if (TrayHandler && TrayHandler->Remove(id)) {
        DeleteWindowObject(std::move(TrayHandler));
    }
}

TShiftState ReadShiftState() {
    TShiftState shift = 0;
    if (GetAsyncKeyState(VK_SHIFT) & 0x8000) {
        shift |= ssShift;
    }
    if (GetAsyncKeyState(VK_CONTROL) & 0x8000) {
        shift |= ssCtrl;
    }
    if (GetAsyncKeyState(VK_MENU) & 0x8000) {
        shift |= ssAlt;
    }
    return shift;
}

TShiftState ButtonShift(TMouseButton button) {
    switch (button) {
    case mbLeft:
        return ssLeft;
    case mbRight:
        return ssRight;
    case mbMiddle:
        return ssMiddle;
    }
    return 0;
}

constexpr UINT_PTR kOwnerSubclassId = 1;

}  // namespace

UINT TTrayIcon::TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

TTrayIcon::TTrayIcon(TrayOwnerForm* owner)
    : FOwner(owner), FAnimationTimer(1000, [this](TSimpleTimer&) { AnimationTick(); }),
      FClickDelayTimer(1000, [this](TSimpleTimer&) { Run(FClickLogic.ClickDelayElapsed()); }),
      FExitPollTimer(20, [this](TSimpleTimer&) { ExitPollTick(); }) {
    FNotifyData.cbSize = sizeof(FNotifyData);
    FNotifyData.uID = AcquireTrayHandler(this);
    FNotifyData.hWnd = TrayHandler->Handle();
    FNotifyData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    FNotifyData.uCallbackMessage = kCallbackMessage;
    if (FOwner) {
        SetWindowSubclass(FOwner->FormHandle(), &TTrayIcon::OwnerSubclassProc, kOwnerSubclassId,
                          reinterpret_cast<DWORD_PTR>(this));
    }
}

TTrayIcon::~TTrayIcon() {
    FAlive.reset();
    SetIconVisible(false);
    if (FOwner) {
        RemoveWindowSubclass(FOwner->FormHandle(), &TTrayIcon::OwnerSubclassProc, kOwnerSubclassId);
    }
    FAnimationTimer.Stop(true);
    FClickDelayTimer.Stop(true);
    FExitPollTimer.Stop(true);
    ReleaseTrayHandler(FNotifyData.uID);
}

HWND TTrayIcon::HandlerWindow() const {
    return FNotifyData.hWnd;
}

void TTrayIcon::PrepareNotifyData() {
    FNotifyData.hIcon = FIcon.Handle();
    std::wstring tip = Widen(TrayTipText(FHint, FShowHint));
    std::fill(std::begin(FNotifyData.szTip), std::end(FNotifyData.szTip), L'\0');
    std::copy_n(tip.begin(), std::min(tip.size(), kTrayTipMaxUnits), FNotifyData.szTip);
}

bool TTrayIcon::AddTrayIcon() {
    FIconVisible = true;
    PrepareNotifyData();
    return Shell_NotifyIconW(NIM_ADD, &FNotifyData) != FALSE;
}

bool TTrayIcon::DeleteTrayIcon() {
    FIconVisible = false;
    PrepareNotifyData();
    return Shell_NotifyIconW(NIM_DELETE, &FNotifyData) != FALSE;
}

bool TTrayIcon::ModifyTrayIcon() {
    PrepareNotifyData();
    return Shell_NotifyIconW(NIM_MODIFY, &FNotifyData) != FALSE;
}

void TTrayIcon::SetIconList(TImageList* list) {
    FIconList = list;
    SetIconIndex(0);
}

void TTrayIcon::SetIconIndex(int index) {
    if (FIconList) {
        FIconIndex = ClampIconIndex(index, FIconList->Count());
        // An empty list has no icon to copy: the current one stays.
        if (FIconList->Count() > 0) {
            FIcon.Assign(FIconList->Icon(FIconIndex));
        }
    } else {
        FIconIndex = 0;
    }
    ModifyTrayIcon();
}

void TTrayIcon::SetCycleIcons(bool cycle) {
    FCycleIcons = cycle;
    if (cycle) {
        SetIconIndex(0);
        FAnimationTimer.SetIntervalMs(FCycleInterval);
        FAnimationTimer.Start();
    } else {
        FAnimationTimer.Stop(true);
    }
}

void TTrayIcon::SetCycleInterval(std::uint32_t intervalMs) {
    FCycleInterval = intervalMs;
    SetCycleIcons(FCycleIcons);
}

void TTrayIcon::SetIcon(HICON icon) {
    FIcon.Assign(icon);
    ModifyTrayIcon();
}

void TTrayIcon::SetIconVisible(bool visible) {
    if (visible) {
        AddTrayIcon();
    } else {
        DeleteTrayIcon();
    }
}

void TTrayIcon::SetHint(std::string hint) {
    FHint = std::move(hint);
    ModifyTrayIcon();
}

void TTrayIcon::SetShowHint(bool show) {
    FShowHint = show;
    ModifyTrayIcon();
}

void TTrayIcon::SetWantEnterExitEvents(bool want) {
    FWantEnterExitEvents = want;
    if (want) {
        FExitPollTimer.Start();
    } else {
        FExitPollTimer.Stop(true);
    }
}

void TTrayIcon::HandleCallback(unsigned code) {
    POINT pointer{};
    GetCursorPos(&pointer);
    TrayInputSettings settings;
    settings.enabled = FEnabled;
    settings.hasDblClickHandler = static_cast<bool>(OnDblClick);
    settings.leftPopup = FLeftPopup;
    settings.wantEnterExit = FWantEnterExitEvents;
    Run(FClickLogic.Callback(code, settings, {pointer.x, pointer.y}));
}

void TTrayIcon::ShellRestarted() {
    if (FIconVisible) {
        AddTrayIcon();
    }
}

void TTrayIcon::Run(const std::vector<TrayStep>& steps) {
    if (steps.empty()) {
        return;
    }
    std::weak_ptr<char> alive = FAlive;
    TShiftState shift = ReadShiftState();
    POINT pointer{};
    GetCursorPos(&pointer);
    for (const TrayStep& step : steps) {
        if (alive.expired()) {
            return;
        }
        RunStep(step, shift, pointer);
    }
}

void TTrayIcon::RunStep(const TrayStep& step, TShiftState shift, POINT pointer) {
    auto notify = [this](const TNotifyEvent& event) {
        if (event) {
            event(*this);
        }
    };
    switch (step.action) {
    case TrayAction::MouseEnter:
        notify(OnMouseEnter);
        break;
    case TrayAction::MouseExit:
        notify(OnMouseExit);
        break;
    case TrayAction::MouseMove:
        if (OnMouseMove) {
            OnMouseMove(*this, shift, pointer.x, pointer.y);
        }
        break;
    case TrayAction::MouseDown:
        if (OnMouseDown) {
            OnMouseDown(*this, step.button, shift | ButtonShift(step.button), pointer.x, pointer.y);
        }
        break;
    case TrayAction::MouseUp:
        if (OnMouseUp) {
            OnMouseUp(*this, step.button, shift | ButtonShift(step.button), pointer.x, pointer.y);
        }
        break;
    case TrayAction::Click:
        notify(OnClick);
        break;
    case TrayAction::DblClick:
        notify(OnDblClick);
        break;
    case TrayAction::StartClickDelay:
        FClickDelayTimer.SetIntervalMs(GetDoubleClickTime());
        FClickDelayTimer.Start();
        break;
    case TrayAction::StopClickDelay:
        FClickDelayTimer.Stop(true);
        break;
    case TrayAction::ShowPopup:
        ShowPopupMenu();
        break;
    case TrayAction::ClickDefaultItem:
        ClickDefaultItem();
        break;
    case TrayAction::BalloonShow:
        notify(OnBalloonHintShow);
        break;
    case TrayAction::BalloonHide:
        notify(OnBalloonHintHide);
        break;
    case TrayAction::BalloonTimeout:
        notify(OnBalloonHintTimeout);
        break;
    case TrayAction::BalloonClick:
        notify(OnBalloonHintClick);
        break;
    }
}

void TTrayIcon::ShowPopupMenu() {
    POINT at{};
    if (!FPopupMenu || !FPopupMenu->AutoPopup() || !GetCursorPos(&at)) {
        return;
    }
    // The menu only closes on a click elsewhere when its window is in the foreground.
    HWND menuOwner = FOwner ? FOwner->FormHandle() : HandlerWindow();
    SetForegroundWindow(FOwner ? FOwner->ApplicationHandle() : menuOwner);
    // The chosen item's click may free this icon: only locals are used from here on.
    TrackPopupMenuAt(*FPopupMenu, menuOwner, at);
    PostMessageW(menuOwner, WM_NULL, 0, 0);
}

void TTrayIcon::ClickDefaultItem() {
    if (FPopupMenu && FPopupMenu->AutoPopup()) {
        if (TMenuItem* item = FPopupMenu->DefaultItem()) {
            item->Click();
        }
    }
}

void TTrayIcon::AnimationTick() {
    if (!FIconList || FIconList->Count() == 0) {
        return;
    }
    if (OnCycle) {
        std::weak_ptr<char> alive = FAlive;
        OnCycle(*this, NextCycleIndex(FIconIndex, FIconList->Count()));
        if (alive.expired() || !FIconList) {
            return;
        }
    }
    SetIconIndex(NextCycleIndex(FIconIndex, FIconList->Count()));
}

void TTrayIcon::ExitPollTick() {
    POINT pointer{};
    if (GetCursorPos(&pointer)) {
        Run(FClickLogic.ExitPoll({pointer.x, pointer.y}));
    }
}

void TTrayIcon::MinimizeMainFormToTray() {
    SendMainFormToTray();
    SetIconVisible(true);
}

void TTrayIcon::SendMainFormToTray() {
    if (FOwner) {
        FOwner->SetFormVisible(false);
        HideApplicationButton();
    }
}

void TTrayIcon::HideApplicationButton() {
    if (FOwner && IsWindowVisible(FOwner->ApplicationHandle())) {
        ShowWindow(FOwner->ApplicationHandle(), SW_HIDE);
    }
}

void TTrayIcon::RestoreMainForm() {
    if (!FOwner) {
        return;
    }
    if (IsIconic(FOwner->ApplicationHandle())) {
        ShowWindow(FOwner->ApplicationHandle(), SW_RESTORE);
    }
    if (IsIconic(FOwner->FormHandle())) {
        ShowWindow(FOwner->FormHandle(), SW_RESTORE);
    }
    FOwner->SetFormVisible(true);
    SetForegroundWindow(FOwner->ApplicationHandle());
}

bool TTrayIcon::InterceptMinimize() {
    if (!FMinimizeToTray || !OnMinimizeToTray) {
        return false;
    }
    std::weak_ptr<char> alive = FAlive;
    OnMinimizeToTray(*this);
    if (!alive.expired()) {
        MinimizeMainFormToTray();
    }
    return true;
}

LRESULT TTrayIcon::OwnerWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SHOWWINDOW:
        if (wParam == TRUE && lParam == 0) {
            SetForegroundWindow(FOwner->ApplicationHandle());
            SetForegroundWindow(hwnd);
        } else if (wParam == FALSE && lParam == SW_PARENTCLOSING && !FOwner->Terminating() &&
                   InterceptMinimize()) {
            return 1;
        }
        break;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_MINIMIZE && InterceptMinimize()) {
            return 1;
        }
        if ((wParam & 0xFFF0) == SC_RESTORE) {
            FOwner->SetFormVisible(true);
        }
        break;
    case WM_SIZE:
        // The form is also the application's window: its own minimising sends it to the tray.
        if (wParam == SIZE_MINIMIZED && FMinimizeToTray) {
            MinimizeMainFormToTray();
        }
        break;
    case WM_WINDOWPOSCHANGED:
        if (FStartupPending) {
            FStartupPending = false;
            bool showMainForm = true;
            std::weak_ptr<char> alive = FAlive;
            if (OnStartup) {
                OnStartup(*this, showMainForm);
            }
            if (!alive.expired() && !showMainForm) {
                HideApplicationButton();
            }
        }
        break;
    default:
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK TTrayIcon::OwnerSubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR, DWORD_PTR refData) {
    try {
        return reinterpret_cast<TTrayIcon*>(refData)->OwnerWindowProc(hwnd, message, wParam,
                                                                      lParam);
    } catch (...) {
        ParkException(std::current_exception());
        return 0;
    }
}

}  // namespace lenzor
