// The per-pixel pass reduced to per-channel tables, shared by the table path (pixel_pass.cpp)
// and the vector paths, which also hand it the pixels at the end of a row.
#pragma once

#include "effects/pixel_pass.h"

#include <array>
#include <cstdint>

namespace lenzor::pixel_tables {

// Summed values are kept clamped to -256..256: with noise of 0..255 added, ClampByte then
// gives what the unclamped sum would give. Sums plus noise span -256..511, so the tables
// indexed by them start at -256.
constexpr int kSumLimit = 256;
constexpr int kOffset = 256;
constexpr int kSpan = 768;

enum class Mix { None, Grey, Saturation };

// Index [1] of the pairs is for solarized pixels.
struct PassTables {
    std::array<int16_t, 256> summed[2];   // byte -> summed value, before noise
    std::array<uint8_t, kSpan> lit;       // summed + noise -> clamped and split lit, also
                                          // inverted when no grey or saturation follows
    std::array<uint8_t, 256> direct[2];   // byte -> lit[summed] for passes without noise
    std::array<int16_t, 511> saturation;  // channel - mean + 255 -> limited delta
    std::array<uint8_t, kSpan> clamp;     // v + 256 -> ClampByte(v)
    Mix mix = Mix::None;
    bool solarize = false;
    int solarizeAbove = 255;  // a pixel whose mean is above this is solarized
    bool invert = false;      // the invert left after grey or saturation
};

void BuildTables(const PixelEffects& effects, PassTables& tables);

// Renders `width` pixels of one row (noise null when there is no noise layer).
void RenderRow(const PassTables& tables, bool noise, const uint8_t* in, const uint8_t* noiseRow,
               uint8_t* out, int width);

}  // namespace lenzor::pixel_tables
