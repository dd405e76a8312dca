#include "effects/pixel_pass.h"

#include "core/errors.h"
#include "effects/pixel_vector_tables.h"
#include "effects/row_bound.h"
#include "effects/split_light.h"
#include "simd_paths.h"
#include "test_pictures.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace lenzor {
namespace {

using test::PixelOf;
using test::PixelPicture;
using test::Rgb;

// Renders one pixel with the pass and checks the reference agrees.
Rgb Render(Rgb in, const PixelEffects& effects, const Bitmap24* noise = nullptr) {
    const Bitmap24 source = PixelPicture(in);
    Bitmap24 fast(1, 1), reference(1, 1);
    RunPixelPass(source, noise, effects, fast);
    RunPixelPassReference(source, noise, effects, reference);
    EXPECT_EQ(PixelOf(fast), PixelOf(reference));
    return PixelOf(fast);
}

TEST(PixelPass, WorkedExamples) {
    EXPECT_EQ(Render({200, 100, 127}, {.contrast = 255}), (Rgb{255, 73, 127}));
    EXPECT_EQ(Render({200, 100, 50}, {.brightness = 20, .darkness = 100}), (Rgb{142, 81, 51}));
    EXPECT_EQ(Render({200, 100, 60}, {.saturation = 255}), (Rgb{255, 80, 0}));
    EXPECT_EQ(Render({128, 0, 255}, {.splitlight = 1}), (Rgb{181, 0, 255}));
    EXPECT_EQ(Render({10, 20, 30}, {.lightness = 255, .invert = true}), (Rgb{0, 0, 0}));
}

TEST(PixelPass, SplitLightTableIsTheSineCurveRoundedTiesToEven) {
    const auto& table = SplitLightTable();
    EXPECT_EQ(table[0], 0);
    EXPECT_EQ(table[1], 2);
    EXPECT_EQ(table[85], 127);  // 127.49999999999999, not the real-number tie 127.5
    EXPECT_EQ(table[128], 181);
    EXPECT_EQ(table[254], 255);
    EXPECT_EQ(table[255], 255);
}

TEST(PixelPass, PosterizeRoundsTiesToEvenAndClampsAfterwards) {
    EXPECT_EQ(Render({1, 3, 255}, {.posterize = 2}), (Rgb{0, 4, 255}));
    EXPECT_EQ(Render({250, 150, 50}, {.posterize = 100}), (Rgb{200, 200, 0}));
    // Posterize wins over a solarize value that was stored beside it.
    EXPECT_EQ(Render({250, 250, 250}, {.posterize = 100, .solorize = 255}), (Rgb{200, 200, 200}));
}

TEST(PixelPass, SolarizeInvertsPixelsWhoseMeanPassesTheThreshold) {
    EXPECT_EQ(Render({156, 156, 156}, {.solorize = 100}), (Rgb{99, 99, 99}));
    EXPECT_EQ(Render({155, 155, 155}, {.solorize = 100}), (Rgb{155, 155, 155}));
    EXPECT_EQ(Render({200, 100, 169}, {.solorize = 100}), (Rgb{55, 155, 86}));
}

TEST(PixelPass, GreyRoundsTiesToEvenAndWinsOverSaturation) {
    EXPECT_EQ(Render({0, 35, 35}, {.grayScale = true}), (Rgb{24, 24, 24}));  // 24.5
    EXPECT_EQ(Render({100, 200, 50}, {.grayScale = true, .saturation = 500}),
              (Rgb{154, 154, 154}));  // 153.5
    EXPECT_EQ(Render({100, 200, 50}, {.grayScale = true, .invert = true}), (Rgb{101, 101, 101}));
}

TEST(PixelPass, NoiseIsAddedBeforeClampingAndSplitLight) {
    const Bitmap24 noise = PixelPicture({200, 30, 0});
    EXPECT_EQ(Render({100, 100, 100}, {}, &noise), (Rgb{255, 130, 100}));
    EXPECT_EQ(Render({100, 0, 100}, {.brightness = -255, .splitlight = 1}, &noise),
              (Rgb{70, 0, 0}));
}

// Each pair straddles the value where a 32-bit product would wrap around.
TEST(PixelPass, UnboundedPropertiesAreComputedExactlyPastThirtyTwoBits) {
    for (int contrast : {16909320, 16909321}) {
        EXPECT_EQ(Render({0, 254, 127}, {.contrast = contrast}), (Rgb{0, 255, 127}));
    }
    for (int saturation : {12632001, 12632002}) {
        EXPECT_EQ(Render({255, 0, 0}, {.saturation = saturation}), (Rgb{255, 0, 0}));
    }
    for (int contrast : {5621684, 5621685}) {  // on posterized values up to 509
        EXPECT_EQ(Render({255, 0, 127}, {.contrast = contrast, .posterize = 509}),
                  (Rgb{255, 0, 0}));
    }
    EXPECT_EQ(Render({1, 128, 255}, {.lightness = INT_MIN}), (Rgb{0, 0, 255}));
    EXPECT_EQ(Render({0, 1, 255}, {.darkness = INT_MIN}), (Rgb{0, 255, 255}));
    EXPECT_EQ(Render({255, 255, 255}, {.posterize = INT_MAX}), (Rgb{0, 0, 0}));
}

int Pick(std::mt19937& random, std::initializer_list<int> choices) {
    return *(choices.begin() + random() % choices.size());
}

using Pass = std::function<void(const Bitmap24&, const Bitmap24*, const PixelEffects&, Bitmap24&)>;

// Every fast path with its name: the tables and each vector level the processor runs.
std::vector<std::pair<std::string, Pass>> FastPaths() {
    std::vector<std::pair<std::string, Pass>> paths{{"tables", RunPixelPassTables}};
    for (SimdLevel level : test::RunnableSimdLevels()) {
        paths.emplace_back(test::NameOf(level),
                           [level](const Bitmap24& s, const Bitmap24* n, const PixelEffects& e,
                                   Bitmap24& d) { RunPixelPassVector(level, s, n, e, d); });
    }
    return paths;
}

// Every fast path gives the reference's bytes for this picture and these effects.
void ExpectReferenceBytes(const Bitmap24& source, const Bitmap24* noise, const PixelEffects& e,
                          const std::string& where) {
    Bitmap24 reference(source.Width(), source.Height());
    RunPixelPassReference(source, noise, e, reference);
    for (const auto& [name, pass] : FastPaths()) {
        Bitmap24 fast(source.Width(), source.Height());
        pass(source, noise, e, fast);
        ASSERT_EQ(fast, reference) << name << ", " << where;
    }
}

// Odd sizes around the 16- and 32-pixel blocks of the vector paths, every property at its
// bounds and beyond, alone and in combination.
TEST(PixelPass, EveryFastPathGivesTheReferenceBytesOnRandomPicturesAndEffects) {
    std::mt19937 random(2024);
    for (int round = 0; round < 400; ++round) {
        const int width = Pick(random, {1, 3, 15, 16, 17, 31, 32, 33, 37, 47, 65, 97});
        const int height = Pick(random, {1, 2, 9, 23});
        const Bitmap24 source = test::RandomPicture(width, height, random());
        const Bitmap24 noise = test::RandomPicture(width, height, random());
        PixelEffects e;
        e.brightness = Pick(random, {0, 0, -255, -40, 37, 255});
        e.contrast = Pick(random, {0, 0, -255, -100, 90, 1500, INT_MAX});
        e.grayScale = random() % 4 == 0;
        e.lightness = Pick(random, {0, 0, INT_MIN, -300, 120, 255});
        e.darkness = Pick(random, {0, 0, INT_MIN, -77, 200, 255});
        e.saturation = Pick(random, {0, 0, -255, -60, 150, 1500, 65025, INT_MAX});
        e.splitlight = Pick(random, {0, 0, 1, 3, 10});
        e.invert = random() % 3 == 0;
        e.posterize = Pick(random, {0, 0, 0, 1, 2, 7, 100, 300, INT_MAX});
        e.solorize = e.posterize != 0 ? 0 : Pick(random, {0, 0, 1, 100, 254, 255});
        const Bitmap24* noiseLayer = random() % 2 == 0 ? &noise : nullptr;
        ASSERT_NO_FATAL_FAILURE(
            ExpectReferenceBytes(source, noiseLayer, e, "round " + std::to_string(round)));
    }
}

// Without posterize and split light the per-channel steps are computed in 16-bit arithmetic
// while every factor stays within kArithmeticLimit, and by the tables beyond it: factors on
// both sides of that limit and of the multiples of 255 where the quotients step.
TEST(PixelPass, EveryFastPathGivesTheReferenceBytesAroundTheArithmeticLimits) {
    constexpr int kLimit = pixel_vector::kArithmeticLimit;
    std::mt19937 random(77);
    for (int round = 0; round < 300; ++round) {
        const int width = Pick(random, {1, 5, 16, 31, 33, 64, 71});
        const int height = Pick(random, {1, 3, 8});
        const Bitmap24 source = test::RandomPicture(width, height, random());
        const Bitmap24 noise = test::RandomPicture(width, height, random());
        PixelEffects e;
        e.brightness = Pick(random, {0, -255, -1, 1, 128, 255});
        e.contrast = Pick(random, {0, -255, -254, -1, 1, 254, 255, 256, 510, kLimit, kLimit + 1});
        e.lightness = Pick(random, {0, 0, -kLimit - 1, -kLimit, -256, -1, 1, 254, 255});
        e.darkness = Pick(random, {0, 0, -kLimit - 1, -kLimit, -255, -7, 1, 200, 255});
        e.saturation = Pick(random, {0, -255, -254, -1, 1, 149, 150, 254, 255, 65024, 65025});
        e.grayScale = random() % 5 == 0;
        e.invert = random() % 3 == 0;
        e.solorize = Pick(random, {0, 0, 1, 128, 255});
        const Bitmap24* noiseLayer = random() % 2 == 0 ? &noise : nullptr;
        ASSERT_NO_FATAL_FAILURE(
            ExpectReferenceBytes(source, noiseLayer, e, "round " + std::to_string(round)));
    }
}

// Every colour whose weighted grey is a tie in real numbers (30 R + 59 G + 11 B ends in 50):
// the double result lands on .5 or just beside it, and every path must land the same way.
TEST(PixelPass, EveryFastPathRoundsEveryGreyTieAsTheDoubleFormula) {
    std::vector<uint32_t> ties;
    for (uint32_t r = 0; r < 256; ++r) {
        for (uint32_t g = 0; g < 256; ++g) {
            for (uint32_t b = 0; b < 256; ++b) {
                if ((30 * r + 59 * g + 11 * b) % 100 == 50) {
                    ties.push_back(r | g << 8 | b << 16);
                }
            }
        }
    }
    const int width = 401;
    const int height = static_cast<int>(ties.size()) / width + 1;
    Bitmap24 picture(width, height);
    for (std::size_t i = 0; i < ties.size(); ++i) {
        picture.SetPixelColor(static_cast<int>(i % width), static_cast<int>(i / width), ties[i]);
    }
    const PixelEffects grey{.grayScale = true};
    ExpectReferenceBytes(picture, nullptr, grey, "grey ties");
}

TEST(PixelPass, VectorDivisionsAreExactOverTheirRanges) {
    for (uint32_t sum = 0; sum <= 765; ++sum) {
        ASSERT_EQ((sum * pixel_vector::kThirdMultiplier) >> 16, sum / 3) << sum;
    }
    for (int64_t factor = -255; factor <= 600; ++factor) {
        const pixel_vector::ScaledBy s = pixel_vector::ScaledByFor(factor, 256);
        for (uint32_t x = 0; x <= 255; ++x) {
            const uint32_t scaled = x * s.quotient + ((x * s.multiplier) >> 16);
            ASSERT_EQ(scaled, x * static_cast<uint32_t>(factor < 0 ? -factor : factor) / 255)
                << x << " * " << factor;
        }
    }
}

TEST(PixelPass, RefusesRowsOfMoreThan32768Pixels) {
    Bitmap24 widest(kMaxPixelRowPixels, 1), wider(kMaxPixelRowPixels + 1, 1);
    Bitmap24 display = widest;
    EXPECT_NO_THROW(RunPixelPass(widest, nullptr, {}, display));
    display = wider;
    EXPECT_THROW(RunPixelPass(wider, nullptr, {}, display), ERangeError);
}

}  // namespace
}  // namespace lenzor
