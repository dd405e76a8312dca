// Speed of the effect engine at a small lens (250 x 250) and a whole screen (1920 x 1080):
// each kernel, the per-pixel pass, and the two per-redraw sequences of the lens, against a
// plain copy of the same bytes.
#include "core/random.h"
#include "effects/blur_kernels.h"
#include "effects/noise_kernels.h"
#include "effects/or_image.h"
#include "effects/pixel_pass.h"
#include "effects/resample.h"
#include "effects/shape_kernels.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <functional>
#include <random>

namespace lenzor {
namespace {

Bitmap24 ScreenLike(int width, int height) {
    std::mt19937 random(7);
    Bitmap24 picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int i = 0; i < 3 * width; ++i) {
            // Flat areas with some detail, like a desktop.
            picture.Row(y)[i] = static_cast<uint8_t>((i / 96 + y / 32) * 40 + random() % 8);
        }
    }
    return picture;
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Args({250, 250})->Args({1920, 1080});
}

void ReportBytes(benchmark::State& state, const Bitmap24& picture) {
    state.SetBytesProcessed(state.iterations() * 3 * picture.Width() * picture.Height());
}

// The physical floor: copying the picture's bytes once.
void BM_Memcpy(benchmark::State& state) {
    const Bitmap24 source = ScreenLike(state.range(0), state.range(1));
    Bitmap24 target(source.Width(), source.Height());
    for (auto _ : state) {
        std::memcpy(target.Data(), source.Data(), source.SizeInBytes());
        benchmark::DoNotOptimize(target.Data());
    }
    ReportBytes(state, source);
}
BENCHMARK(BM_Memcpy)->Apply(Sizes);

// Runs an in-place kernel on a fresh copy each time, as the engine does (copy included).
void RunKernel(benchmark::State& state, const std::function<void(Bitmap24&)>& kernel) {
    const Bitmap24 source = ScreenLike(state.range(0), state.range(1));
    Bitmap24 work;
    for (auto _ : state) {
        work = source;
        kernel(work);
        benchmark::DoNotOptimize(work.Data());
    }
    ReportBytes(state, source);
}

void BM_SplitBlur5(benchmark::State& state) {
    RunKernel(state, [](Bitmap24& p) { SplitBlurBitmap(p, 5); });
}
void BM_GaussianBlur1(benchmark::State& state) {
    RunKernel(state, [](Bitmap24& p) { GaussianBlurBitmap(p, 1); });
}
void BM_AntiAlias1Pass(benchmark::State& state) {
    RunKernel(state, [](Bitmap24& p) { AntiAliasRect(p, 0, 0, p.Width(), p.Height()); });
}
void BM_ColorNoise500(benchmark::State& state) {
    RunKernel(state, [](Bitmap24& p) { FillColorNoise(p, 500); });
}
void BM_MonoNoise500(benchmark::State& state) {
    RunKernel(state, [](Bitmap24& p) { FillMonoNoise(p, 500); });
}
void BM_Emboss(benchmark::State& state) {
    RunKernel(state, [](Bitmap24& p) { EmbossBitmap(p); });
}
void BM_Mosaic8(benchmark::State& state) {
    RunKernel(state, [](Bitmap24& p) { MosaicBitmap(p, 8); });
}
void BM_Trace2(benchmark::State& state) {
    RunKernel(state, [](Bitmap24& p) { TraceBitmap(p, 2); });
}
void BM_Tile4(benchmark::State& state) {
    RunKernel(state, [](Bitmap24& p) {
        const Bitmap24 source = p;
        const TileGeometry tile = TileFor(p.Width(), p.Height(), 4);
        TileBitmap(p, source, tile.width, tile.height);
    });
}
BENCHMARK(BM_SplitBlur5)->Apply(Sizes);
BENCHMARK(BM_GaussianBlur1)->Apply(Sizes);
BENCHMARK(BM_AntiAlias1Pass)->Apply(Sizes);
BENCHMARK(BM_ColorNoise500)->Apply(Sizes);
BENCHMARK(BM_MonoNoise500)->Apply(Sizes);
BENCHMARK(BM_Emboss)->Apply(Sizes);
BENCHMARK(BM_Mosaic8)->Apply(Sizes);
BENCHMARK(BM_Trace2)->Apply(Sizes);
BENCHMARK(BM_Tile4)->Apply(Sizes);

enum class PassPath { Best, Sse2, Tables, Reference };

void RunPass(benchmark::State& state, PassPath path, bool withNoise, const PixelEffects& effects) {
    const Bitmap24 source = ScreenLike(state.range(0), state.range(1));
    Bitmap24 noise(source.Width(), source.Height());
    FillColorNoise(noise, 500);
    const Bitmap24* noiseLayer = withNoise ? &noise : nullptr;
    Bitmap24 display(source.Width(), source.Height());
    for (auto _ : state) {
        switch (path) {
        case PassPath::Best:
            RunPixelPass(source, noiseLayer, effects, display);
            break;
        case PassPath::Sse2:
            RunPixelPassSse2(source, noiseLayer, effects, display);
            break;
        case PassPath::Tables:
            RunPixelPassTables(source, noiseLayer, effects, display);
            break;
        case PassPath::Reference:
            RunPixelPassReference(source, noiseLayer, effects, display);
            break;
        }
        benchmark::DoNotOptimize(display.Data());
    }
    ReportBytes(state, source);
}

const PixelEffects kGamma{.brightness = 20, .contrast = 100, .saturation = 150};

// The gamma settings of the lens's fixed-gamma mode, and noise alone as in broken TV; by the
// widest vector path, SSE2, the per-channel tables and the reference.
void BM_PixelPassGamma(benchmark::State& state) {
    RunPass(state, PassPath::Best, false, kGamma);
}
void BM_PixelPassNoise(benchmark::State& state) {
    RunPass(state, PassPath::Best, true, {});
}
void BM_PixelPassGammaSse2(benchmark::State& state) {
    RunPass(state, PassPath::Sse2, false, kGamma);
}
void BM_PixelPassGammaTables(benchmark::State& state) {
    RunPass(state, PassPath::Tables, false, kGamma);
}
void BM_PixelPassGammaReference(benchmark::State& state) {
    RunPass(state, PassPath::Reference, false, kGamma);
}
void BM_PixelPassNoiseReference(benchmark::State& state) {
    RunPass(state, PassPath::Reference, true, {});
}
BENCHMARK(BM_PixelPassGamma)->Apply(Sizes);
BENCHMARK(BM_PixelPassNoise)->Apply(Sizes);
BENCHMARK(BM_PixelPassGammaSse2)->Apply(Sizes);
BENCHMARK(BM_PixelPassGammaTables)->Apply(Sizes);
BENCHMARK(BM_PixelPassGammaReference)->Apply(Sizes);
BENCHMARK(BM_PixelPassNoiseReference)->Apply(Sizes);

// One lens redraw: the new grab goes into the source, then the mode's assignments follow.
void RunLens(benchmark::State& state, const std::function<void(TOrImageEngine&)>& applyEffects) {
    const Bitmap24 grab = ScreenLike(state.range(0), state.range(1));
    TOrImageEngine image;
    for (auto _ : state) {
        image.MutablePictureOriginal() = grab;
        image.SourceChanged();
        applyEffects(image);
        benchmark::DoNotOptimize(image.DisplayPicture().Data());
    }
    ReportBytes(state, grab);
}

void BM_LensFixedGamma(benchmark::State& state) {
    RunLens(state, [](TOrImageEngine& image) {
        image.SetPicContrast(kGamma.contrast);
        image.SetPicBrightness(kGamma.brightness);
        image.SetPicSaturation(kGamma.saturation);
    });
}

// Broken TV keeps the structural effect of its last glitch for the following frames, so single
// frames differ widely in cost; each iteration replays the same 26 frames (two glitch periods
// on average at level 3) from a fixed seed on a reset engine, and the rate is per frame.
void BM_LensBrokenTV3(benchmark::State& state) {
    constexpr int kLevel = 3;
    constexpr int kFrames = 26;
    const Bitmap24 grab = ScreenLike(state.range(0), state.range(1));
    TOrImageEngine image;
    for (auto _ : state) {
        SetRandomSeed(2026);
        image.ResetEffects();
        for (int frame = 0; frame < kFrames; ++frame) {
            image.MutablePictureOriginal() = grab;
            image.SourceChanged();
            const int a = Random(kLevel + 10);
            const int b = Random(kLevel + 10);
            if (a == b) {
                image.SetPicAntiAlias(Random(kLevel + 8));
                const int c = Random(kLevel + 6);
                const int e = Random(kLevel + 6);
                if (c == e) {
                    image.SetPicSplitBlur(Random(kLevel + 10) + 1);
                }
            }
            image.SetPicColorNoise(Random(kLevel * 100 + 400) + kLevel + 10);
            benchmark::DoNotOptimize(image.DisplayPicture().Data());
        }
    }
    state.counters["seconds_per_frame"] = benchmark::Counter(
        kFrames, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_LensFixedGamma)->Apply(Sizes);
BENCHMARK(BM_LensBrokenTV3)->Apply(Sizes);

}  // namespace
}  // namespace lenzor

BENCHMARK_MAIN();
