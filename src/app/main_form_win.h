// TForm1: the main form. It owns the lens for the whole run and drives it from Timer1, switches
// it with "Show glass" (tray menu, double click on the tray icon, hot key), and ends the program
// on "Exit". Hidden unless shown; it will carry the settings dialog.
#pragma once

#include "hotkey/hot_key_ctrl_win.h"
#include "lens/lenzor.h"
#include "tray/tray_icon_win.h"
#include "ui/image_list_win.h"
#include "ui/menu.h"
#include "ui/shortcut.h"
#include "ui/window_win.h"

#include <memory>

namespace lenzor {

class TForm1 : public NativeWindow, public TrayOwnerForm {
public:
    static constexpr UINT_PTR kTimer1Id = 1;
    static constexpr UINT kTimer1Interval = 10;
    // Ctrl+Alt+G, the show/hide hot key until it becomes a setting.
    static constexpr TShortCut kShowGlassShortCut = 49223;

    // system must outlive the form.
    explicit TForm1(LensSystem& system);
    ~TForm1() override;

    TLenzor& Lens() { return *FLens; }
    TPopupMenu& PopupMenuTray() { return FPopupMenuTray; }
    TMenuItem& Showglass1() { return *FShowglass1; }
    TTrayIcon& TrayIcon() { return *FTrayIcon; }
    THotKeyCtrl& HotKeyCtrl() { return *FHotKeyCtrl; }

    bool FormVisible() const { return IsWindowVisible(Handle()) != FALSE; }
    void ShowForm();

    // Event handlers, public so that tests can run them like the user would.
    void Timer1Timer();
    void Showglass1Click();
    void MenuOptions1Click();
    void Exit1Click();
    void HotKeyPressed();

    // TrayOwnerForm
    HWND FormHandle() const override { return Handle(); }
    void SetFormVisible(bool visible) override;
    bool Terminating() const override { return FExiting || FSessionEnding; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateFormWindow();
    void BuildTrayMenu();
    void RegisterShowHotKey(TShortCut shortCut);
    // Ends the message loop when the user chose Exit or Windows ends the session; otherwise a
    // close request only hides the form.
    void Close();

    TPopupMenu FPopupMenuTray{"PopupMenuTray"};
    TMenuItem* FShowglass1 = nullptr;
    TImageList FImageList1;
    std::unique_ptr<THotKeyCtrl> FHotKeyCtrl;
    std::unique_ptr<TTrayIcon> FTrayIcon;
    std::unique_ptr<TLenzor> FLens;
    bool FExiting = false;
    bool FSessionEnding = false;
};

}  // namespace lenzor
