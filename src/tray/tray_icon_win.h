// Notification-area icon: shows one icon and keeps it there when the taskbar is re-created,
// turns the shell's callbacks into mouse, click and balloon events, pops up its menu, and can
// hide the main form to the tray. All icons of the process share one hidden handler window.
#pragma once

#include "win/simple_timer_win.h"
#include "tray/tray_click.h"
#include "win/icon_win.h"
#include "ui/image_list_win.h"
#include "ui/menu.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace lenzor {

// The form that owns a tray icon, as far as the icon needs it. Its window is subclassed while
// the icon lives, so that minimising can send the form to the tray.
class TrayOwnerForm {
public:
    virtual ~TrayOwnerForm() = default;
    virtual HWND FormHandle() const = 0;
    // The window whose taskbar button stands for the application.
    virtual HWND ApplicationHandle() const { return FormHandle(); }
    virtual void SetFormVisible(bool visible) = 0;
    virtual bool Terminating() const { return false; }
};

class TTrayIconHandler;

class TTrayIcon {
public:
    using TNotifyEvent = std::function<void(TTrayIcon& sender)>;
    using TMouseEvent = std::function<void(TTrayIcon& sender, TMouseButton button,
                                           TShiftState shift, int x, int y)>;
    using TMouseMoveEvent = std::function<void(TTrayIcon& sender, TShiftState shift, int x, int y)>;
    using TCycleEvent = std::function<void(TTrayIcon& sender, int nextIndex)>;
    using TStartupEvent = std::function<void(TTrayIcon& sender, bool& showMainForm)>;

    // The message the shell sends to the handler window, with CallbackId() as wParam and the
    // notification code as lParam.
    static constexpr UINT kCallbackMessage = WM_USER + 1024;
    // The broadcast of a (re)started taskbar.
    static UINT TaskbarCreatedMessage();

    // The owner, when given, must outlive the icon. So must a popup menu and icon list that are
    // set; reset them here before freeing them.
    explicit TTrayIcon(TrayOwnerForm* owner = nullptr);
    TTrayIcon(const TTrayIcon&) = delete;
    TTrayIcon& operator=(const TTrayIcon&) = delete;
    ~TTrayIcon();

    // Each returns whether the shell accepted the call.
    bool AddTrayIcon();
    bool DeleteTrayIcon();
    bool ModifyTrayIcon();

    void SendMainFormToTray();
    void RestoreMainForm();
    void HideApplicationButton();

    TImageList* IconList() const { return FIconList; }
    void SetIconList(TImageList* list);
    int IconIndex() const { return FIconIndex; }
    void SetIconIndex(int index);
    // Icon cycling, the tooltip switch and the enter/exit events belong to the tray icon
    // component; Lenzor itself shows one still icon with its tooltip.
    bool CycleIcons() const { return FCycleIcons; }
    void SetCycleIcons(bool cycle);
    std::uint32_t CycleInterval() const { return FCycleInterval; }
    void SetCycleInterval(std::uint32_t intervalMs);

    HICON Icon() const { return FIcon.Handle(); }
    void SetIcon(HICON icon);  // keeps a copy
    bool IconVisible() const { return FIconVisible; }
    void SetIconVisible(bool visible);
    const std::string& Hint() const { return FHint; }
    void SetHint(std::string hint);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool show);

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled) { FEnabled = enabled; }
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* menu) { FPopupMenu = menu; }
    bool LeftPopup() const { return FLeftPopup; }
    void SetLeftPopup(bool leftPopup) { FLeftPopup = leftPopup; }
    bool WantEnterExitEvents() const { return FWantEnterExitEvents; }
    void SetWantEnterExitEvents(bool want);
    bool MinimizeToTray() const { return FMinimizeToTray; }
    void SetMinimizeToTray(bool minimize) { FMinimizeToTray = minimize; }

    // Where the shell's callbacks for this icon arrive.
    HWND HandlerWindow() const;
    UINT CallbackId() const { return FNotifyData.uID; }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseExit;
    TCycleEvent OnCycle;
    TNotifyEvent OnBalloonHintShow;
    TNotifyEvent OnBalloonHintHide;
    TNotifyEvent OnBalloonHintTimeout;
    TNotifyEvent OnBalloonHintClick;
    TNotifyEvent OnMinimizeToTray;
    TStartupEvent OnStartup;

private:
    friend class TTrayIconHandler;

    void PrepareNotifyData();
    void HandleCallback(unsigned code);
    void ShellRestarted();
    // Runs the steps in order; stops when a handler freed this icon.
    void Run(const std::vector<TrayStep>& steps);
    void RunStep(const TrayStep& step, TShiftState shift, POINT pointer);
    void ShowPopupMenu();
    void ClickDefaultItem();
    void AnimationTick();
    void ExitPollTick();
    bool InterceptMinimize();
    void MinimizeMainFormToTray();
    LRESULT OwnerWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK OwnerSubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR subclassId, DWORD_PTR refData);

    TrayOwnerForm* FOwner;
    // Expires when the icon is freed, so a sequence of events stops if a handler frees it.
    std::shared_ptr<char> FAlive = std::make_shared<char>();
    NOTIFYICONDATAW FNotifyData{};
    TIcon FIcon;
    TImageList* FIconList = nullptr;
    int FIconIndex = 0;
    bool FCycleIcons = false;
    std::uint32_t FCycleInterval = 0;
    bool FIconVisible = false;
    std::string FHint;
    bool FShowHint = true;
    bool FEnabled = true;
    TPopupMenu* FPopupMenu = nullptr;
    bool FLeftPopup = false;
    bool FWantEnterExitEvents = false;
    bool FMinimizeToTray = false;
    bool FStartupPending = true;
    TrayClickLogic FClickLogic;
    TSimpleTimer FAnimationTimer;
    TSimpleTimer FClickDelayTimer;
    TSimpleTimer FExitPollTimer;
};

}  // namespace lenzor
