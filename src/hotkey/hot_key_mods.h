// Hot-key identifiers and modifier sets, and their conversions to and from the system's
// registration flags and the GUI's shift state.
#pragma once

#include "core/shift_state.h"

#include <cstdint>
#include <initializer_list>

namespace lenzor {

// Identifier of a registration: 0..0xBFFF.
using THKeyID = std::uint16_t;
inline constexpr THKeyID kMaxHKeyID = 0xBFFF;

enum THKeyMod { kmAlt, kmCtrl, kmShift, kmWin };

// A set of THKeyMod in one byte: kmAlt 1, kmCtrl 2, kmShift 4, kmWin 8, the same bits as the
// system's MOD_ALT, MOD_CONTROL, MOD_SHIFT and MOD_WIN.
class THKeyMods {
public:
    constexpr THKeyMods() = default;
    constexpr THKeyMods(std::initializer_list<THKeyMod> mods) {
        for (THKeyMod mod : mods) {
            FBits |= Bit(mod);
        }
    }
    static constexpr THKeyMods FromBits(std::uint8_t bits) {
        THKeyMods mods;
        mods.FBits = bits & 0x0F;
        return mods;
    }

    constexpr bool Contains(THKeyMod mod) const { return (FBits & Bit(mod)) != 0; }
    constexpr std::uint8_t Bits() const { return FBits; }
    friend constexpr bool operator==(THKeyMods, THKeyMods) = default;

private:
    static constexpr std::uint8_t Bit(THKeyMod mod) {
        return static_cast<std::uint8_t>(1u << static_cast<unsigned>(mod));
    }
    std::uint8_t FBits = 0;
};

unsigned ModsToFlags(THKeyMods mods);
// Keeps the four modifier bits; anything else (MOD_NOREPEAT, say) is dropped.
THKeyMods FlagsToMods(unsigned flags);
// Alt, Ctrl and Shift; never kmWin.
THKeyMods ShiftToMods(TShiftState shift);

}  // namespace lenzor
