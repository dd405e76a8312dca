#include "effects/noise_kernels.h"

#include "core/random.h"
#include "test_pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

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

}  // namespace
}  // namespace lenzor
