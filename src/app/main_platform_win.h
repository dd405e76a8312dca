// The main form's platform on Win32: the real hot key, tray icon, lens windows, registry,
// shell and message boxes, the program's resources, and the end of the Windows session.
#pragma once

#include "app/main_controller.h"
#include "app/main_platform.h"
#include "hotkey/hot_key_ctrl_win.h"
#include "lens/lens_platform.h"
#include "tray/tray_icon_win.h"
#include "ui/image_list_win.h"

#include <windows.h>

#include <memory>

namespace lenzor {

class MainFormPlatformWin : public MainFormPlatform, public TrayOwnerForm {
public:
    // The lens system must outlive the platform; the form is attached once its window exists.
    explicit MainFormPlatformWin(LensSystem& system);
    ~MainFormPlatformWin() override;

    // Called after the dialog's window was created and before FormCreate: hooks the
    // session-end messages of the dialog's window.
    void Attach(TMainController& controller);

    // MainFormPlatform
    void CreateHotKeyCtrl(std::function<void(THKeyID)> onPressed) override;
    bool AddHotKey(THKeyID id, THKeyMods modifiers, std::uint8_t key) override;
    void RemoveHotKey(THKeyID id) override;
    void CreateTrayIcon(TPopupMenu& menu) override;
    void RestoreMainForm() override;
    void SendMainFormToTray() override;
    std::unique_ptr<TLenzor> CreateLens() override;
    bool IsAutoRunSet(std::string_view name, std::string_view path) override;
    bool SetAutoRun(std::string_view name, std::string_view path, bool enable) override;
    void OpenWithShell(std::string_view target) override;
    void CopyPictureToClipboard(const Bitmap24& picture) override;
    void CopyTextToClipboard(const std::string& text) override;
    void ShowMessageBox(const std::string& text, const std::string& caption,
                    MessageBoxKind kind) override;
    std::string ExecutablePath() override;
    Bitmap24 BitmapResource(std::string_view name) override;
    std::string DataResource(std::string_view name) override;
    void Terminate() override;

    // TrayOwnerForm
    HWND FormHandle() const override;
    void SetFormVisible(bool visible) override;
    bool Terminating() const override;

    THotKeyCtrl* HotKeyCtrl() const { return FHotKeyCtrl.get(); }
    TTrayIcon* TrayIcon() const { return FTrayIcon.get(); }

private:
    static LRESULT CALLBACK SessionProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR data);

    LensSystem& FSystem;
    TMainController* FController = nullptr;
    HWND FFormHandle = nullptr;
    TImageList FImageList1;
    std::unique_ptr<THotKeyCtrl> FHotKeyCtrl;
    std::unique_ptr<TTrayIcon> FTrayIcon;
};

}  // namespace lenzor
