#include "lens/smooth_weights.h"

#include <algorithm>

namespace lenzor {
namespace {

// part / whole of kWeightOne, halves rounded up.
int RoundedShare(int64_t part, int64_t whole) {
    return static_cast<int>((2 * part * kWeightOne + whole) / (2 * whole));
}

void Bilinear(int64_t size, int64_t destSize, AxisWeights& axis) {
    axis.taps = 2;
    axis.first.resize(destSize);
    axis.weights.resize(2 * destSize);
    for (int64_t d = 0; d < destSize; ++d) {
        // The source position (d + 0.5) * size / destSize - 0.5 is numerator / (2 * destSize).
        const int64_t numerator = (2 * d + 1) * size - destSize;
        int64_t index = 0;
        int fraction = 0;
        if (numerator > 0) {
            index = numerator / (2 * destSize);
            fraction = RoundedShare(numerator % (2 * destSize), 2 * destSize);
            if (fraction == kWeightOne) {
                ++index;
                fraction = 0;
            }
        }
        if (index >= size - 1) {
            index = size - 1;
            fraction = 0;
        }
        axis.first[d] = static_cast<int>(index);
        axis.weights[2 * d] = static_cast<int16_t>(kWeightOne - fraction);
        axis.weights[2 * d + 1] = static_cast<int16_t>(fraction);
    }
}

// Destination pixel d covers [d * size, (d + 1) * size) where a source pixel is destSize wide.
// Each weight is the difference of rounded running shares, so they sum to exactly kWeightOne.
void Area(int64_t size, int64_t destSize, AxisWeights& axis) {
    axis.first.resize(destSize);
    int most = 0;
    for (int64_t d = 0; d < destSize; ++d) {
        axis.first[d] = static_cast<int>(d * size / destSize);
        const int last = static_cast<int>(((d + 1) * size - 1) / destSize);
        most = std::max(most, last - axis.first[d] + 1);
    }
    axis.taps = (most + 1) / 2 * 2;
    axis.weights.assign(static_cast<std::size_t>(axis.taps) * destSize, 0);
    for (int64_t d = 0; d < destSize; ++d) {
        const int64_t begin = d * size, end = (d + 1) * size;
        int64_t covered = 0;
        int previous = 0;
        for (int64_t i = axis.first[d], t = 0; i * destSize < end; ++i, ++t) {
            covered += std::min((i + 1) * destSize, end) - std::max(i * destSize, begin);
            const int share = RoundedShare(covered, size);
            axis.weights[d * axis.taps + t] = static_cast<int16_t>(share - previous);
            previous = share;
        }
    }
}

}  // namespace

AxisWeights WeightsFor(int sourceSize, int destSize) {
    AxisWeights axis;
    if (sourceSize > destSize) {
        Area(sourceSize, destSize, axis);
    } else {
        Bilinear(sourceSize, destSize, axis);  // equal sizes: numerator / (2 * size) = d exactly
    }
    return axis;
}

}  // namespace lenzor
