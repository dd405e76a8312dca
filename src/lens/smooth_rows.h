// Vector pieces of the smooth stretch: source rows across, destination rows down, in the
// arithmetic of smooth_weights.h. The Avx2 ones only where CpuHasAvx2().
#pragma once

#include "lens/smooth_weights.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lenzor {

// The rows across carry half a step of the pass down (64 in 1/128 steps) on every channel, the
// unused one too: as the weights down sum to one, the pass down then rounds without an add of
// its own.
inline constexpr int kAcrossBias = kDownHalf >> kWeightBits;

// The pass across first lays a source row out as entries of two neighbouring pixels: entry i
// holds blue(i), blue(i + 1), green(i), green(i + 1), red(i), red(i + 1) and two lanes of
// anything, 16 bits each; one multiply-add with w, w', w, w', w, w', 0, 0 then gives blue,
// green, red and 0 of a pair of taps.
struct AcrossTable {
    int width = 0;               // destination pixels
    int pairs = 0;               // pairs of taps a destination pixel
    int entries = 0;             // entries of a row the pixels read
    std::vector<int32_t> first;  // per destination pixel, the first lane of its first entry
    std::vector<int16_t> lanes;  // per destination pixel, 8 weights a pair
    std::size_t readBytes = 0;   // bytes of a source row the entries read (past its pixels they
                                 // only meet weights of 0)
    std::size_t EntryLanes() const { return 8 * (static_cast<std::size_t>(entries) + 3); }
};

// For each of rowCount (1 or 2) source rows, which share the reading of the table: out[r]
// gets 4 values a destination pixel, blue, green and red with kAcrossBits fraction bits, then 0,
// each plus kAcrossBias. entries has room for 2 * EntryLanes() values.
void SmoothAcrossSse2(const uint8_t* const* rows, int rowCount, const AcrossTable& table,
                      int16_t* entries, int16_t* const* out);
void SmoothAcrossAvx2(const uint8_t* const* rows, int rowCount, const AcrossTable& table,
                      int16_t* entries, int16_t* const* out);

// A destination row of the pass down: one weight a tap, and its bytes.
struct DownTarget {
    const int16_t* weights;
    uint8_t* out;
};

// For each of targetCount (1 or 2) destination rows that read the same rows across: out[i],
// i in [0, count), is rows[t][i] weighed by weights[t] over an even number of taps, to a byte.
// Two rows at once share the reading.
void SmoothDownSse2(const int16_t* const* rows, int taps, const DownTarget* targets,
                    int targetCount, int count);
void SmoothDownAvx2(const int16_t* const* rows, int taps, const DownTarget* targets,
                    int targetCount, int count);

// The same, one value at a time, for out[i], i in [from, count): the end of a row the vectors
// leave over.
inline void SmoothDownRest(const int16_t* const* rows, int taps, const DownTarget* targets,
                           int targetCount, int from, int count) {
    for (int i = from; i < count; ++i) {
        for (int k = 0; k < targetCount; ++k) {
            int sum = 0;
            for (int t = 0; t < taps; ++t) {
                sum += targets[k].weights[t] * rows[t][i];
            }
            targets[k].out[i] = static_cast<uint8_t>(sum >> kDownShift);
        }
    }
}

}  // namespace lenzor
