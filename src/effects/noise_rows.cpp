#include "effects/noise_rows.h"

#include "core/numeric.h"
#include "core/random.h"

#include <initializer_list>

namespace lenzor {
namespace {

// high 32 bits of seed * n, as Random(n) gives them
uint8_t NoiseByte(uint32_t seed, int n) {
    const auto draw =
        static_cast<int32_t>((static_cast<uint64_t>(seed) * static_cast<uint32_t>(n)) >> 32);
    return static_cast<uint8_t>(ClampByte(draw - (n >> 1)));
}

}  // namespace

void NoiseRowReference(NoiseKind kind, uint8_t* row, int width, int n, uint32_t& seed) {
    for (int x = 0; x < width; ++x, row += 3) {
        if (kind == NoiseKind::Color) {
            for (int byte : {2, 1, 0}) {
                seed = seed * 134775813u + 1u;
                row[byte] = NoiseByte(seed, n);
            }
        } else {
            seed = seed * 134775813u + 1u;
            row[0] = row[1] = row[2] = NoiseByte(seed, n);
        }
    }
}

void NoiseRow(SimdLevel level, NoiseKind kind, uint8_t* row, int width, int n, uint32_t& seed) {
    switch (level) {
    case SimdLevel::Reference:
        NoiseRowReference(kind, row, width, n, seed);
        break;
    case SimdLevel::Sse2:
        NoiseRowSse2(kind, row, width, n, seed);
        break;
    case SimdLevel::Avx2:
        NoiseRowAvx2(kind, row, width, n, seed);
        break;
    }
}

namespace noise_lanes {

namespace {

// Where each lane starts and how far a block moves it, as steps of the generator; the same for
// every row.
struct LaneSteps {
    RandomStep start[kBlockBytes];
    RandomStep block;
};

LaneSteps StepsFor(NoiseKind kind) {
    LaneSteps steps;
    for (int i = 0; i < kBlockBytes; ++i) {
        // Colour noise draws red (byte 2) first; mono noise draws once for three bytes.
        const int draw = kind == NoiseKind::Color ? 3 * (i / 3) + 2 - i % 3 : i / 3;
        steps.start[i] = RandomStepOf(static_cast<uint64_t>(draw) + 1);
    }
    steps.block = RandomStepOf(DrawsFor(kind, kBlockPixels));
    return steps;
}

}  // namespace

Lanes LanesFor(NoiseKind kind, uint32_t seed) {
    static const LaneSteps kColor = StepsFor(NoiseKind::Color);
    static const LaneSteps kMono = StepsFor(NoiseKind::Mono);
    const LaneSteps& steps = kind == NoiseKind::Color ? kColor : kMono;
    Lanes lanes{};
    for (int i = 0; i < kBlockBytes; ++i) {
        lanes.start[i] = steps.start[i].Apply(seed);
    }
    lanes.blockMultiplier = steps.block.multiplier;
    lanes.blockIncrement = steps.block.increment;
    return lanes;
}

uint64_t DrawsFor(NoiseKind kind, int pixels) {
    return static_cast<uint64_t>(pixels) * (kind == NoiseKind::Color ? 3 : 1);
}

}  // namespace noise_lanes
}  // namespace lenzor
