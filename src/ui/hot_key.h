// The hot-key edit: shows and takes a key combination as a shortcut value.
#pragma once

#include "core/shift_state.h"
#include "ui/shortcut.h"
#include "ui/std_controls.h"

#include <cstdint>

namespace lenzor {

// A key typed without Shift, Ctrl or Alt gets Ctrl+Alt, the way the system control's rules are
// set.
class THotKey : public TWinControl {
public:
    explicit THotKey(TComponent* owner, std::string name = {});
    bool CanFocus() const override { return true; }
    TShortCut HotKey() const { return FHotKey; }
    void SetHotKey(TShortCut value);
    // What a user's key press makes of it (0 clears).
    void TypeKey(std::uint16_t key, TShiftState shift);

    TNotifyEvent OnChange;

private:
    TShortCut FHotKey = 0;
};

}  // namespace lenzor
