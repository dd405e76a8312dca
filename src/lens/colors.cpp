#include "lens/colors.h"

#include <algorithm>

namespace lenzor {

uint32_t BlendColor(uint32_t a, uint32_t b, int percent) {
    percent = std::clamp(percent, 0, 100);
    uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int from = static_cast<int>((a >> shift) & 0xFF);
        const int to = static_cast<int>((b >> shift) & 0xFF);
        result |= static_cast<uint32_t>(from + (to - from) * percent / 100) << shift;
    }
    return result;
}

uint32_t GradientColor(uint32_t c0, uint32_t c1, uint32_t c2, uint32_t c3, uint32_t c4,
                       int position) {
    if (position == 0) {
        return c0;
    }
    if (position >= 1 && position <= 30) {
        return BlendColor(c1, c2, (position - 1) * 100 / 29);
    }
    if (position >= 31 && position <= 80) {
        return BlendColor(c2, c3, (position - 31) * 100 / 49);
    }
    if (position >= 81 && position <= 100) {
        return BlendColor(c3, c4, (position - 81) * 100 / 19);
    }
    return c4;
}

}  // namespace lenzor
