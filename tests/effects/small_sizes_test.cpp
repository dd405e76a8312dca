// Every kernel and the whole chain on the smallest pictures; the sanitizer build proves that
// nothing reads or writes outside them.
#include "effects/blur_kernels.h"
#include "effects/noise_kernels.h"
#include "effects/or_image.h"
#include "effects/resample.h"
#include "effects/shape_kernels.h"
#include "test_pictures.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace lenzor {
namespace {

std::vector<std::pair<int, int>> SmallSizes() {
    std::vector<std::pair<int, int>> sizes;
    for (int w = 0; w <= 5; ++w) {
        for (int h = 0; h <= 5; ++h) {
            sizes.emplace_back(w, h);
        }
    }
    for (int n : {7, 13, 21, 25}) {
        sizes.emplace_back(1, n);
        sizes.emplace_back(n, 1);
        sizes.emplace_back(2, n);
        sizes.emplace_back(n, 2);
    }
    return sizes;
}

TEST(SmallSizes, KernelsStayInsideAndLeaveTooSmallPicturesAlone) {
    for (auto [w, h] : SmallSizes()) {
        SCOPED_TRACE(testing::Message() << w << "x" << h);
        const Bitmap24 original = test::RandomPicture(w, h, 17 * w + h);
        Bitmap24 p = original;
        for (int k : {1, 2, 3, 5, 13, 20}) {
            SplitBlurBitmap(p, k);
        }
        GaussianBlurBitmap(p, 2);

        p = original;
        AntiAliasRect(p, -5, -5, w + 5, h + 5);
        if (w < 3 || h < 3) {
            EXPECT_EQ(p, original);
        }
        p = original;
        EmbossBitmap(p);
        if (w < 3 || h < 2) {
            EXPECT_EQ(p, original);
        }
        p = original;
        TraceBitmap(p, 3);
        if (w < 3 || h < 2) {
            EXPECT_EQ(p, original);
        }
        for (int s : {1, 2, 3, 20}) {
            MosaicBitmap(p, s);
        }
        FillColorNoise(p, 50);
        FillMonoNoise(p, 50);
        Bitmap24 tile(10, 10);
        ResampleBilinear(original, tile);
        ResampleBilinear(tile, p);
        TileBitmap(p, original, 10, 10);
    }
}

TEST(SmallSizes, EveryEffectOfTheEngineRunsOnTinyPictures) {
    for (auto [w, h] : SmallSizes()) {
        SCOPED_TRACE(testing::Message() << w << "x" << h);
        TOrImageEngine image;
        image.SetPicColorNoise(20);
        image.SetPicGrayScale(true);
        image.SetPicSplitlight(2);
        image.SetPictureOriginal(test::RandomPicture(w, h, 3));
        image.SetPicEmboss(true);
        for (int value : {1, 4, 20}) {
            image.SetPicMosaic(value);
            image.SetPicSplitBlur(value);
            image.SetPicGaussianBlur(value);
            image.SetPicAntiAlias(value);
            image.SetPicTrace(value);
            image.SetPicTile(value);
        }
        image.SetPicMonoNoise(300);
        EXPECT_EQ(image.DisplayPicture().Width(), w == 0 || h == 0 ? 0 : w);
    }
}

}  // namespace
}  // namespace lenzor
