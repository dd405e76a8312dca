#include "hotkey/hot_key_mods.h"

namespace lenzor {

unsigned ModsToFlags(THKeyMods mods) {
    return mods.Bits();
}

THKeyMods FlagsToMods(unsigned flags) {
    return THKeyMods::FromBits(static_cast<std::uint8_t>(flags & 0x0F));
}

THKeyMods ShiftToMods(TShiftState shift) {
    std::uint8_t bits = 0;
    if (shift & ssAlt) {
        bits |= THKeyMods{kmAlt}.Bits();
    }
    if (shift & ssCtrl) {
        bits |= THKeyMods{kmCtrl}.Bits();
    }
    if (shift & ssShift) {
        bits |= THKeyMods{kmShift}.Bits();
    }
    return THKeyMods::FromBits(bits);
}

}  // namespace lenzor
