// The lens's two stretches of a 500 x 500 grab onto a 1000 x 1000 picture (zoom 2): the crisp
// one, and the smooth one on each path this processor runs.
#include "effects/simd_level.h"
#include "lens/lens_render.h"
#include "lens/smooth_stretch.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace lenzor {
namespace {

constexpr int kGrab = 500;
constexpr int kPicture = 1000;

struct Stretch {
    Bitmap24 grab{kGrab, kGrab};
    std::vector<uint8_t> memory = std::vector<uint8_t>(4 * kPicture * kPicture);
    LensPicture picture{memory.data(), kPicture, kPicture, 4 * kPicture};
    Stretch() {
        std::mt19937 random(7);
        for (int y = 0; y < kGrab; ++y) {
            for (int i = 0; i < 3 * kGrab; ++i) {
                grab.Row(y)[i] = static_cast<uint8_t>((i / 96 + y / 32) * 40 + random() % 8);
            }
        }
    }
};

void BM_StretchCrisp(benchmark::State& state) {
    Stretch s;
    for (auto _ : state) {
        StretchNearest(s.grab, s.picture);
        benchmark::DoNotOptimize(s.memory.data());
    }
}
BENCHMARK(BM_StretchCrisp)->Unit(benchmark::kMicrosecond);

// Argument: the SimdLevel.
void BM_StretchSmooth(benchmark::State& state) {
    const auto level = static_cast<SimdLevel>(state.range(0));
    if (level == SimdLevel::Avx2 && !CpuHasAvx2()) {
        state.SkipWithError("no AVX2 on this processor");
        return;
    }
    state.SetLabel(SimdLevelName(level));
    Stretch s;
    for (auto _ : state) {
        StretchSmoothWith(level, s.grab, s.picture);
        benchmark::DoNotOptimize(s.memory.data());
    }
}
BENCHMARK(BM_StretchSmooth)
    ->Arg(static_cast<int>(SimdLevel::Reference))
    ->Arg(static_cast<int>(SimdLevel::Sse2))
    ->Arg(static_cast<int>(SimdLevel::Avx2))
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lenzor

BENCHMARK_MAIN();
