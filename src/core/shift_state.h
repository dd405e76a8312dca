// Keyboard modifiers and mouse buttons as mouse and key events report them.
#pragma once

namespace lenzor {

enum TShiftFlag : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
};

// A combination of TShiftFlag bits.
using TShiftState = unsigned;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

}  // namespace lenzor
