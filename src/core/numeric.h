// Small numeric helpers shared by every subsystem: byte clamping and the one rounding rule.
#pragma once

#include <cmath>
#include <cstdint>

namespace lenzor {

// 0 below 0, 255 above 255, else the value.
constexpr int ClampByte(int value) {
    return value < 0 ? 0 : (value > 255 ? 255 : value);
}
constexpr int ClampByte(int64_t value) {
    return value < 0 ? 0 : (value > 255 ? 255 : static_cast<int>(value));
}

// Round to nearest, ties to even (the default floating-point rounding mode).
inline double RoundHalfEven(double value) {
    return std::nearbyint(value);
}

// Rounds ties-to-even into a 32-bit integer; raises ERangeError when the result does not fit
// (or the value is not a number).
int32_t RoundToInt32(double value);

}  // namespace lenzor
