// What the program needs from the system: the hot keys, the tray icon, lens windows, the
// registry's autorun value, the shell, message boxes, its own pictures and the end of the
// message loop. The Win32 one is main_platform_win; the native tests use a fake.
#pragma once

#include "effects/bitmap.h"
#include "hotkey/hot_key_mods.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace lenzor {

class TLenzor;
class TPopupMenu;

enum class MessageBoxKind { Plain, Error, Warning };

class MainFormPlatform {
public:
    virtual ~MainFormPlatform() = default;
    // The hot-key component (a press of the key registered under an identifier calls onPressed
    // with it) and the tray icon showing the menu; both live as long as the program.
    virtual void CreateHotKeyCtrl(std::function<void(THKeyID)> onPressed) = 0;
    // Registering under an identifier first releases what it held; false when the system
    // refuses the combination (another program holds it, or it is empty).
    virtual bool AddHotKey(THKeyID id, THKeyMods modifiers, std::uint8_t key) = 0;
    virtual void RemoveHotKey(THKeyID id) = 0;
    virtual void CreateTrayIcon(TPopupMenu& menu) = 0;
    // Shows the dialog (restoring the application) / hides it and its taskbar button.
    virtual void RestoreMainForm() = 0;
    virtual void SendMainFormToTray() = 0;
    // A hidden lens on the system's screen; the main lens and the preview are made alike.
    virtual std::unique_ptr<TLenzor> CreateLens() = 0;
    virtual bool IsAutoRunSet(std::string_view name, std::string_view path) = 0;
    // Whether the choice took effect.
    virtual bool SetAutoRun(std::string_view name, std::string_view path, bool enable) = 0;
    virtual void OpenWithShell(std::string_view target) = 0;
    // The clipboard: a picture (as a bitmap and as PNG) or a text. A clipboard another program
    // holds is waited for briefly; then the clipboard stays as it was.
    virtual void CopyPictureToClipboard(const Bitmap24& picture) = 0;
    virtual void CopyTextToClipboard(const std::string& text) = 0;
    virtual void ShowMessageBox(const std::string& text, const std::string& caption,
                                MessageBoxKind kind) = 0;
    // The executable's full path (the autorun value holds it).
    virtual std::string ExecutablePath() = 0;
    // The program's own pictures: a bitmap resource, and the bytes of a data resource (the
    // JPEG banner). Empty when there is none.
    virtual Bitmap24 BitmapResource(std::string_view name) = 0;
    virtual std::string DataResource(std::string_view name) = 0;
    // Ends the message loop and so the program.
    virtual void Terminate() = 0;
};

}  // namespace lenzor
