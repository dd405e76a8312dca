// Colour arithmetic for the lens's own colours ($00BBGGRR values, red in the low byte): a
// two-colour blend and a five-stop gradient over positions 0..100.
#pragma once

#include <cstdint>

namespace lenzor {

// A + (B - A) * percent / 100 per channel (percent clamped to 0..100, integer division).
uint32_t BlendColor(uint32_t a, uint32_t b, int percent);

// Position 0 gives c0; 1..30 blends c1 into c2, 31..80 c2 into c3, 81..100 c3 into c4; any
// other position gives c4.
uint32_t GradientColor(uint32_t c0, uint32_t c1, uint32_t c2, uint32_t c3, uint32_t c4,
                       int position);

// The lens window's frame colour (a light red, $008C8CFF) and its corner bracket (pure red).
inline uint32_t LensFrameColor() {
    return GradientColor(0x0000FF, 0x0000FF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 17);
}
inline uint32_t LensBracketColor() {
    return GradientColor(0x0000FF, 0x0000FF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0);
}

}  // namespace lenzor
