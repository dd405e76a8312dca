// Shortcut values (a virtual-key code with Shift, Ctrl and Alt bits in 16 bits) and the key text
// a menu shows for them, such as "Ctrl+Alt+G".
#pragma once

#include "core/shift_state.h"

#include <cstdint>
#include <string>

namespace lenzor {

using TShortCut = std::uint16_t;

inline constexpr TShortCut scKeyMask = 0x1FFF;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;

struct TShortCutParts {
    std::uint16_t key = 0;
    TShiftState shift = 0;  // only ssShift, ssCtrl, ssAlt
};

TShortCutParts ShortCutToKey(TShortCut shortCut);
TShortCut ShortCut(std::uint16_t key, TShiftState shift);

// Empty when the value is 0 or its key has no name.
std::string ShortCutToText(TShortCut shortCut);

}  // namespace lenzor
