#include "lens/colors.h"

#include <gtest/gtest.h>

namespace lenzor {
namespace {

TEST(BlendColorTest, BlendsEachChannelWithTruncationAndClampsThePercentage) {
    // red 10 -> 20, green 200 -> 100, blue 0 -> 255
    const uint32_t a = 0x0000C80A, b = 0x00FF6414;
    EXPECT_EQ(BlendColor(a, b, 0), a);
    EXPECT_EQ(BlendColor(a, b, 100), b);
    // 33%: 10 + 3.3 -> 13; 200 - 33 -> 167; 0 + 84.15 -> 84; the negative step truncates too
    EXPECT_EQ(BlendColor(a, b, 33), 0x0054A70Du);
    EXPECT_EQ(BlendColor(a, b, -20), a);
    EXPECT_EQ(BlendColor(a, b, 250), b);
    EXPECT_EQ(BlendColor(0xFF000000, 0xFF000000, 50), 0u) << "the top byte is always 0";
}

TEST(GradientColorTest, GivesTheLensItsFrameAndBracketColours) {
    EXPECT_EQ(GradientColor(0xFF, 0xFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 17), 0x008C8CFFu);
    EXPECT_EQ(LensFrameColor(), 0x008C8CFFu);
    EXPECT_EQ(LensBracketColor(), 0x000000FFu);
}

TEST(GradientColorTest, EachStretchStartsAndEndsOnItsStops) {
    const uint32_t c0 = 0x000001, c1 = 0x000010, c2 = 0x0000F0, c3 = 0x00F000, c4 = 0xF00000;
    auto at = [&](int position) { return GradientColor(c0, c1, c2, c3, c4, position); };
    EXPECT_EQ(at(0), c0);
    EXPECT_EQ(at(1), c1);
    EXPECT_EQ(at(30), c2);
    EXPECT_EQ(at(31), c2);
    EXPECT_EQ(at(80), c3);
    EXPECT_EQ(at(81), c3);
    EXPECT_EQ(at(100), c4);
    EXPECT_EQ(at(101), c4);
    EXPECT_EQ(at(-1), c4);
    // position 16: percent 15 * 100 / 29 = 51, red 16 + 224 * 51 / 100 = 130
    EXPECT_EQ(at(16), 0x000082u);
}

}  // namespace
}  // namespace lenzor
