#include "ui/hot_key.h"

#include <utility>

namespace lenzor {

THotKey::THotKey(TComponent* owner, std::string name) : TWinControl(owner, std::move(name)) {
    SetTabStop(true);
}

void THotKey::SetHotKey(TShortCut value) {
    if (value == FHotKey) {
        return;
    }
    FHotKey = value;
    Changed(ControlChange::HotKey);
    if (OnChange) {
        OnChange(*this);
    }
}

void THotKey::TypeKey(std::uint16_t key, TShiftState shift) {
    shift &= ssShift | ssCtrl | ssAlt;
    if (key != 0 && shift == 0) {
        shift = ssCtrl | ssAlt;
    }
    SetHotKey(key == 0 ? 0 : ShortCut(key, shift));
}

}  // namespace lenzor
