// System-wide hot keys: registers key combinations for a hidden window and reports their presses
// through OnHotKey.
#pragma once

#include "hotkey/hot_key_mods.h"
#include "win/window_win.h"

#include <functional>
#include <set>

namespace lenzor {

class THotKeyCtrl : public NativeWindow {
public:
    using THKeyEvent =
        std::function<void(THotKeyCtrl& sender, THKeyID id, THKeyMods modifiers, std::uint8_t key)>;

    THotKeyCtrl();
    ~THotKeyCtrl() override;

    // Registers key (a virtual-key code) with modifiers under id; true on success. A combination
    // registered earlier under the same id is released first, so it does not stay active beside
    // the new one. An id above kMaxHKeyID is refused.
    bool AddHotKey(THKeyID id, THKeyMods modifiers, std::uint8_t key);
    // Releases what is registered under id, if anything; the key then reaches other programs.
    void RemoveHotKey(THKeyID id);

    // Successful registrations so far.
    int HKeyCount() const { return FHKeyCount; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled) { FEnabled = enabled; }

    THKeyEvent OnHotKey;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int FHKeyCount = 0;
    bool FEnabled = true;
    std::set<THKeyID> FRegistered;
};

}  // namespace lenzor
