#include "core/random.h"

namespace lenzor {
namespace {

constexpr uint32_t kMultiplier = 134775813u;
uint32_t g_seed = 0;

constexpr int kLanes = 8;

// seed after kLanes steps = kLaneMultiplier * seed + kLaneIncrement (mod 2^32).
constexpr uint32_t LaneMultiplier() {
    uint32_t a = 1;
    for (int i = 0; i < kLanes; ++i) {
        a *= kMultiplier;
    }
    return a;
}
constexpr uint32_t LaneIncrement() {
    uint32_t c = 0;
    for (int i = 0; i < kLanes; ++i) {
        c = c * kMultiplier + 1u;
    }
    return c;
}
constexpr uint32_t kLaneMultiplier = LaneMultiplier();
constexpr uint32_t kLaneIncrement = LaneIncrement();

int32_t Scale(uint32_t seed, uint32_t n) {
    return static_cast<int32_t>((static_cast<uint64_t>(seed) * n) >> 32);
}

}  // namespace

int32_t Random(int32_t n) {
    g_seed = g_seed * kMultiplier + 1u;
    if (n <= 0) {
        return 0;
    }
    return Scale(g_seed, static_cast<uint32_t>(n));
}

void RandomDrawsFrom(uint32_t& seed, int32_t n, int32_t* out, std::size_t count) {
    std::size_t i = 0;
    if (n > 0 && count >= kLanes) {
        const uint32_t range = static_cast<uint32_t>(n);
        uint32_t lane[kLanes];
        uint32_t next = seed;
        for (int k = 0; k < kLanes; ++k) {
            next = next * kMultiplier + 1u;
            lane[k] = next;
        }
        for (; i + kLanes <= count; i += kLanes) {
            for (int k = 0; k < kLanes; ++k) {
                out[i + k] = Scale(lane[k], range);
            }
            seed = lane[kLanes - 1];  // the seed of the last value written
            for (int k = 0; k < kLanes; ++k) {
                lane[k] = lane[k] * kLaneMultiplier + kLaneIncrement;
            }
        }
    }
    for (; i < count; ++i) {
        seed = seed * kMultiplier + 1u;
        out[i] = n > 0 ? Scale(seed, static_cast<uint32_t>(n)) : 0;
    }
}

void RandomDraws(int32_t n, int32_t* out, std::size_t count) {
    RandomDrawsFrom(g_seed, n, out, count);
}

RandomStep RandomStepOf(uint64_t count) {
    // Compose the step seed -> a * seed + c with itself by squaring.
    uint32_t stepMultiplier = kMultiplier;
    uint32_t stepIncrement = 1u;
    RandomStep result;
    for (; count > 0; count >>= 1) {
        if (count & 1u) {
            result.multiplier *= stepMultiplier;
            result.increment = result.increment * stepMultiplier + stepIncrement;
        }
        stepIncrement = stepIncrement * stepMultiplier + stepIncrement;
        stepMultiplier *= stepMultiplier;
    }
    return result;
}

void SkipRandomDraws(uint64_t count) {
    g_seed = RandomStepOf(count).Apply(g_seed);
}

uint32_t RandomSeed() {
    return g_seed;
}
void SetRandomSeed(uint32_t seed) {
    g_seed = seed;
}

}  // namespace lenzor
