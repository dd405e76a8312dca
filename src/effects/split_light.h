// The split-light curve: c -> Round(sin(c / 255 * pi / 2) * 255), lifting mid-tones and keeping
// 0 and 255. Evaluated once per byte value in IEEE double, so every build gets the same table.
#pragma once

#include <array>
#include <cstdint>

namespace lenzor {

const std::array<uint8_t, 256>& SplitLightTable();

}  // namespace lenzor
