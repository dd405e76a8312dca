// A fixed, seeded run through every effect. Its fingerprint is a constant that the native, the
// 64-bit and the 32-bit Windows builds must all produce: the floating-point formulas, the noise
// draws and the kernels give the same bytes everywhere.
#include "core/random.h"
#include "effects/or_image.h"
#include "test_pictures.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace lenzor {
namespace {

// FNV-1a over the pixel bytes of every row, folded into the running value.
uint64_t Fold(uint64_t hash, const Bitmap24& picture) {
    for (int y = 0; y < picture.Height(); ++y) {
        for (int i = 0; i < 3 * picture.Width(); ++i) {
            hash = (hash ^ picture.Row(y)[i]) * 0x100000001B3ull;
        }
    }
    return hash;
}

TEST(SameBytes, SeededRunThroughEveryEffectHasTheKnownFingerprint) {
    const uint32_t savedSeed = RandomSeed();
    SetRandomSeed(20240601);
    TOrImageEngine image;
    const std::vector<std::function<void()>> steps = {
        [&] { image.SetPictureOriginal(test::RandomPicture(41, 29, 123)); },
        [&] { image.SetPicColorNoise(300); },
        [&] { image.SetPicSplitBlur(4); },
        [&] { image.SetPicContrast(120); },
        [&] { image.SetPicSaturation(90); },
        [&] { image.SetPicSplitlight(2); },
        [&] { image.SetPicAntiAlias(3); },
        [&] { image.SetPicLightness(40); },
        [&] { image.SetPicDarkness(-30); },
        [&] { image.SetPicBrightness(-20); },
        [&] { image.SetPicGaussianBlur(2); },
        [&] { image.SetPicPosterize(24); },
        [&] { image.SetPicEmboss(true); },
        [&] { image.SetPicSolorize(60); },
        [&] { image.SetPicMonoNoise(90); },
        [&] { image.SetPicMosaic(3); },
        [&] { image.SetPicTrace(2); },
        [&] { image.SetPicGrayScale(true); },
        [&] { image.SetPicTile(4); },
        [&] { image.SetPicInvert(true); },
        [&] { image.SetPictureOriginal(test::RandomPicture(33, 17, 321)); },
    };
    uint64_t hash = 0xCBF29CE484222325ull;
    for (const auto& step : steps) {
        step();
        hash = Fold(hash, image.DisplayPicture());
    }
    SetRandomSeed(savedSeed);
    EXPECT_EQ(hash, 0x0CB9A07AA06D8938ull) << std::hex << hash;
}

}  // namespace
}  // namespace lenzor
