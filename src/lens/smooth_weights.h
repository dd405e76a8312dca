// The smooth stretch's filter along one axis, and its fixed-point arithmetic: which source
// pixels each destination pixel reads and with what integer weights. Every path of the stretch
// computes exactly this, so they all give the same bytes.
#pragma once

#include <cstdint>
#include <vector>

namespace lenzor {

// The weights of one destination pixel sum to exactly kWeightOne, so a uniform picture stays
// uniform and a reduction neither drops nor darkens anything.
inline constexpr int kWeightBits = 14;
inline constexpr int kWeightOne = 1 << kWeightBits;

// The pass across keeps kAcrossBits fraction bits of each channel (a value below 2^15, so the
// pass down can multiply it by a weight in signed 16-bit lanes): across = floor(sum(w * byte) /
// 2^(kWeightBits - kAcrossBits)). The pass down rounds half up to a byte: out = floor((sum(w *
// across) + kDownHalf) / 2^kDownShift). A 2 x 2 mean, for example, is (a + b + c + d + 2) / 4.
inline constexpr int kAcrossBits = 7;
inline constexpr int kAcrossShift = kWeightBits - kAcrossBits;
inline constexpr int kDownShift = kWeightBits + kAcrossBits;
inline constexpr int kDownHalf = 1 << (kDownShift - 1);

struct AxisWeights {
    int taps = 0;                  // weights per destination index: even, at least 2
    std::vector<int> first;        // per destination index, the source index of its first weight
    std::vector<int16_t> weights;  // taps per destination index; none is negative
};

// For sizes of at least 1. Enlarging: bilinear with pixel centres aligned, source position
// (d + 0.5) * sourceSize / destSize - 0.5 clamped to the picture, so an integer zoom puts the
// middle of each block on its source pixel. Reducing: each source pixel weighs by the share of
// it the destination pixel covers. Equal sizes: each index reads its own. A weight on an index
// past the source's end is 0.
AxisWeights WeightsFor(int sourceSize, int destSize);

}  // namespace lenzor
