#include "effects/jpeg_source.h"

#include "core/errors.h"
#include "effects/or_image.h"
#include "jpeg_encode.h"
#include "test_pictures.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

namespace lenzor {
namespace {

void ExpectNear(test::Rgb actual, test::Rgb expected) {
    EXPECT_NEAR(actual.r, expected.r, 12);
    EXPECT_NEAR(actual.g, expected.g, 12);
    EXPECT_NEAR(actual.b, expected.b, 12);
}

TEST(DecodeJpeg, GivesA24BitPictureInBlueGreenRedOrder) {
    const std::vector<uint8_t> jpeg = EncodeJpeg(37, 19, false);
    const Bitmap24 picture = DecodeJpeg(jpeg.data(), jpeg.size());
    ASSERT_EQ(picture.Width(), 37);
    ASSERT_EQ(picture.Height(), 19);
    ExpectNear(test::PixelOf(picture, 3, 4), {230, 0, 0});
    ExpectNear(test::PixelOf(picture, 33, 4), {0, 0, 230});
    ExpectNear(test::PixelOf(picture, 10, 17), {0, 230, 0});

    const std::vector<uint8_t> grey = EncodeJpeg(16, 3, true);
    const Bitmap24 ramp = DecodeJpeg(grey.data(), grey.size());
    for (int x : {0, 7, 15}) {
        const test::Rgb pixel = test::PixelOf(ramp, x, 1);
        EXPECT_TRUE(pixel.r == pixel.g && pixel.g == pixel.b);
        EXPECT_NEAR(pixel.r, x * 255 / 15, 3);
    }
}

TEST(DecodeJpeg, EveryTruncationAndGarbageIsAnImageError) {
    const std::vector<uint8_t> jpeg = EncodeJpeg(24, 16, false);
    for (std::size_t size = 0; size < jpeg.size(); ++size) {
        EXPECT_THROW(DecodeJpeg(jpeg.data(), size), EImageError) << size;
    }
    // Scrambled scan data behind a valid header, and random bytes behind a start marker.
    std::vector<uint8_t> scrambled = jpeg;
    std::size_t scan = 0;
    while (!(scrambled[scan] == 0xFF && scrambled[scan + 1] == 0xDA)) {
        ++scan;
    }
    for (std::size_t i = scan + 16; i + 2 < scrambled.size(); ++i) {
        scrambled[i] = static_cast<uint8_t>(i * 37 + 11);
    }
    EXPECT_THROW(DecodeJpeg(scrambled.data(), scrambled.size()), EImageError);
    Bitmap24 noise = test::RandomPicture(50, 1, 9);
    noise.Row(0)[0] = 0xFF;
    noise.Row(0)[1] = 0xD8;
    EXPECT_THROW(DecodeJpeg(noise.Data(), 150), EImageError);
    const uint8_t text[] = "GIF89a, not a JPEG at all";
    EXPECT_THROW(DecodeJpeg(text, sizeof text), EImageError);
    EXPECT_THROW(DecodeJpeg(nullptr, 0), EImageError);
}

TEST(DecodeJpeg, TheEffectImageConvertsOnceAndKeepsItsPictureOnFailure) {
    TOrImageEngine image;
    image.SetPicInvert(true);
    const std::vector<uint8_t> jpeg = EncodeJpeg(37, 19, false);
    image.SetPictureOriginalJpeg(jpeg.data(), jpeg.size());
    ExpectNear(test::PixelOf(image.PictureOriginal(), 3, 4), {230, 0, 0});
    ExpectNear(test::PixelOf(image.DisplayPicture(), 3, 4), {25, 255, 255});

    const Bitmap24 before = image.PictureOriginal();
    EXPECT_THROW(image.SetPictureOriginalJpeg(jpeg.data(), jpeg.size() / 2), EImageError);
    EXPECT_EQ(image.PictureOriginal(), before);
}

}  // namespace
}  // namespace lenzor
