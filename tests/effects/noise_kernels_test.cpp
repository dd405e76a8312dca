#include "effects/noise_kernels.h"

#include "core/random.h"
#include "effects/noise_rows.h"
#include "simd_paths.h"
#include "test_pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <set>
#include <vector>

namespace lenzor {
namespace {

class NoiseFill : public ::testing::Test {
protected:
    void SetUp() override { saved_ = RandomSeed(); }
    void TearDown() override { SetRandomSeed(saved_); }

    static std::set<int> BytesOf(const Bitmap24& layer) {
        std::set<int> bytes;
        for (int y = 0; y < layer.Height(); ++y) {
            bytes.insert(layer.Row(y), layer.Row(y) + 3 * layer.Width());
        }
        return bytes;
    }
    uint32_t saved_ = 0;
};

TEST_F(NoiseFill, ColourNoiseDrawsRedGreenBluePixelByPixel) {
    SetRandomSeed(99);
    Bitmap24 layer(2, 2);
    FillColorNoise(layer, 1000);
    SetRandomSeed(99);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 2; ++x) {
            for (int byte : {2, 1, 0}) {
                EXPECT_EQ(layer.Row(y)[3 * x + byte], std::clamp(Random(1000) - 500, 0, 255));
            }
        }
    }
}

TEST_F(NoiseFill, RangesClampNegativeAndLargeDifferences) {
    Bitmap24 layer(40, 30);
    for (int n : {1, 2}) {
        FillColorNoise(layer, n);
        EXPECT_EQ(BytesOf(layer), std::set<int>{0}) << n;
    }
    FillColorNoise(layer, 3);
    EXPECT_EQ(BytesOf(layer), (std::set<int>{0, 1}));
    FillColorNoise(layer, 600);
    const std::set<int> wide = BytesOf(layer);
    EXPECT_EQ(*wide.begin(), 0);
    EXPECT_EQ(*wide.rbegin(), 255);
    EXPECT_GT(wide.size(), 250u);
}

TEST_F(NoiseFill, MonoNoiseDrawsOnceAPixelIntoAllThreeBytes) {
    SetRandomSeed(5);
    Bitmap24 layer(7, 3);
    FillMonoNoise(layer, 400);
    const uint32_t after = RandomSeed();
    SetRandomSeed(5);
    for (int i = 0; i < 21; ++i) {
        Random(400);
    }
    EXPECT_EQ(RandomSeed(), after);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 7; ++x) {
            const uint8_t* p = layer.Row(y) + 3 * x;
            EXPECT_TRUE(p[0] == p[1] && p[1] == p[2]);
        }
    }
}

// A layer wider than a vector block, several rows: each row goes on from the seed the row
// before left.
TEST_F(NoiseFill, LayersDrawRowAfterRowInOneSequence) {
    SetRandomSeed(4242);
    Bitmap24 layer(41, 3);
    FillColorNoise(layer, 700);
    const uint32_t after = RandomSeed();
    SetRandomSeed(4242);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 41; ++x) {
            for (int byte : {2, 1, 0}) {
                ASSERT_EQ(layer.Row(y)[3 * x + byte], std::clamp(Random(700) - 350, 0, 255))
                    << x << "," << y;
            }
        }
    }
    EXPECT_EQ(RandomSeed(), after);
}

// Odd widths around the 8-pixel blocks of the vector paths, ranges from the smallest to the
// largest, seeds anywhere: the same bytes as the reference and the same seed afterwards.
TEST_F(NoiseFill, VectorRowsGiveTheReferenceBytesAndSeed) {
    std::mt19937 random(11);
    for (SimdLevel level : test::RunnableSimdLevels()) {
        for (NoiseKind kind : {NoiseKind::Color, NoiseKind::Mono}) {
            for (int width : {0, 1, 7, 8, 9, 15, 16, 17, 23, 41, 250, 1921}) {
                for (int n : {1, 2, 3, 255, 513, 712, 1419, 65537, INT_MAX}) {
                    SCOPED_TRACE(test::NameOf(level) + " width " + std::to_string(width) + " n " +
                                 std::to_string(n));
                    const uint32_t start = random();
                    std::vector<uint8_t> fast(3 * width + 8, 0xA5), reference = fast;
                    uint32_t fastSeed = start, referenceSeed = start;
                    NoiseRow(level, kind, fast.data(), width, n, fastSeed);
                    NoiseRowReference(kind, reference.data(), width, n, referenceSeed);
                    ASSERT_EQ(fast, reference);  // the bytes past the row are untouched too
                    ASSERT_EQ(fastSeed, referenceSeed);
                }
            }
        }
    }
}

}  // namespace
}  // namespace lenzor
