// The program's platform for native tests: lenses on the lens fakes, the tray and the hot keys
// as records (with keys "another program holds"), the registry's autorun value as a flag,
// message boxes, opened links and the clipboard as lists.
#pragma once

#include "../lens/lens_fakes.h"
#include "app/main_platform.h"
#include "ui/forms.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace lenzor::testing {

class FakePlatform : public MainFormPlatform {
public:
    FakeSystem system;
    std::vector<FakeWindow*> lensWindows;  // [0] the main lens, then previews
    TForm* form = nullptr;
    std::function<void(THKeyID)> hotKeyPressed;
    TPopupMenu* trayMenu = nullptr;
    std::vector<std::pair<THKeyMods, std::uint8_t>> hotKeys;  // every registration, in order
    std::map<THKeyID, std::pair<THKeyMods, std::uint8_t>> registered;  // what is active now
    std::set<std::uint8_t> takenKeys;  // key codes another program holds
    std::vector<std::string> clipboard;  // "text:..." or "picture:WxH"
    std::vector<Bitmap24> clipboardPictures;
    bool autoRun = false;
    bool autoRunWritable = true;
    std::vector<std::string> opened;
    std::vector<std::string> boxes;  // "caption|text"
    bool terminated = false;

    void CreateHotKeyCtrl(std::function<void(THKeyID)> onPressed) override {
        hotKeyPressed = onPressed;
    }
    bool AddHotKey(THKeyID id, THKeyMods modifiers, std::uint8_t key) override {
        hotKeys.emplace_back(modifiers, key);
        registered.erase(id);
        if (key == 0 || takenKeys.contains(key)) {
            return false;
        }
        registered[id] = {modifiers, key};
        return true;
    }
    void RemoveHotKey(THKeyID id) override { registered.erase(id); }
    void CreateTrayIcon(TPopupMenu& menu) override { trayMenu = &menu; }
    void RestoreMainForm() override { form->Show(); }
    void SendMainFormToTray() override { form->Hide(); }
    std::unique_ptr<TLenzor> CreateLens() override {
        auto window = std::make_unique<FakeWindow>();
        lensWindows.push_back(window.get());
        return std::make_unique<TLenzor>(system, std::move(window));
    }
    bool IsAutoRunSet(std::string_view, std::string_view) override { return autoRun; }
    bool SetAutoRun(std::string_view, std::string_view, bool enable) override {
        if (autoRunWritable) {
            autoRun = enable;
        }
        return autoRunWritable;
    }
    void OpenWithShell(std::string_view target) override { opened.emplace_back(target); }
    void CopyPictureToClipboard(const Bitmap24& picture) override {
        clipboard.push_back("picture:" + std::to_string(picture.Width()) + "x" +
                            std::to_string(picture.Height()));
        clipboardPictures.push_back(picture);
    }
    void CopyTextToClipboard(const std::string& text) override {
        clipboard.push_back("text:" + text);
    }
    void ShowMessageBox(const std::string& text, const std::string& caption, MessageBoxKind) override {
        boxes.push_back(caption + "|" + text);
    }
    std::string ExecutablePath() override { return "C:\\Lenzor\\Lenzor.exe"; }
    Bitmap24 BitmapResource(std::string_view) override { return {}; }
    std::string DataResource(std::string_view) override { return {}; }
    void Terminate() override { terminated = true; }
};

}  // namespace lenzor::testing
