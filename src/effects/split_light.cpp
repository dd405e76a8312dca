#include "effects/split_light.h"

#include "core/numeric.h"

#include <cmath>
#include <numbers>

namespace lenzor {
namespace {

std::array<uint8_t, 256> BuildSplitLightTable() {
    std::array<uint8_t, 256> table{};
    for (int c = 0; c < 256; ++c) {
        // Left to right as written; c = 85 lands just below the tie (127.49999999999999).
        const double lifted = std::sin(c / 255.0 * std::numbers::pi / 2.0) * 255.0;
        table[c] = static_cast<uint8_t>(RoundHalfEven(lifted));
    }
    return table;
}

}  // namespace

const std::array<uint8_t, 256>& SplitLightTable() {
    static const std::array<uint8_t, 256> table = BuildSplitLightTable();
    return table;
}

}  // namespace lenzor
