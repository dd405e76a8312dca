#include "lens/lens_render.h"

#include "lens_fakes.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

namespace lenzor::testing {
namespace {

TEST(RenderGeometryTest, GrabsAroundThePointerAndMarksItsSpot) {
    // zoom 2: HalfW = Round(60.5) = 60 (ties to even), width Round(121) = 121
    RenderGeometry g = ComputeRenderGeometry(242, 242, 2.0, {500, 400});
    EXPECT_EQ(g.grab, (LensRect{440, 340, 561, 461}));
    EXPECT_EQ(g.marker, (LensPoint{120, 120}));
    // zoom 3: HalfW = Round(40.33) = 40, width Round(80.67) = 81
    g = ComputeRenderGeometry(242, 242, 3.0, {500, 400});
    EXPECT_EQ(g.grab, (LensRect{460, 360, 541, 441}));
    EXPECT_EQ(g.marker, (LensPoint{120, 120}));
    // zoom 1 grabs the picture's size; 0.7 a larger rectangle (Round(345.71) = 346)
    EXPECT_EQ(ComputeRenderGeometry(242, 100, 1.0, {0, 0}).grab, (LensRect{-121, -50, 121, 50}));
    EXPECT_EQ(ComputeRenderGeometry(242, 242, 0.7, {0, 0}).grab.Width(), 346);
}

TEST(RenderGeometryTest, ExtremeZoomsStayWithinWhatTheEngineAndTheScreenAllow) {
    // 2000 / 0.01 would be 200,000 pixels wide: the zoom is raised until the grab fits
    RenderGeometry g = ComputeRenderGeometry(2000, 500, 0.01, {5000, 5000});
    EXPECT_EQ(g.grab.Width(), kMaxGrabSide);
    EXPECT_EQ(g.grab.Height(), 2730);  // the same raised zoom: Round(2730.5)
    EXPECT_EQ(g.grab.left, 5000 - kMaxGrabSide / 2);
    EXPECT_EQ(g.marker, (LensPoint{1000, 250}));
    // a zoom far above the picture size still grabs the pointer's own pixel
    g = ComputeRenderGeometry(242, 242, 1e6, {500, 400});
    EXPECT_EQ(g.grab, (LensRect{500, 400, 501, 401}));
    EXPECT_EQ(g.marker, (LensPoint{0, 0}));
}

Bitmap24 Row(std::initializer_list<uint32_t> colors) {
    Bitmap24 b(static_cast<int>(colors.size()), 1);
    int x = 0;
    for (uint32_t c : colors) {
        b.SetPixelColor(x++, 0, c);
    }
    return b;
}

TEST(StretchNearestTest, EnlargesIntoBlocksAndReducesByDroppingPixels) {
    PictureMemory memory;
    LensPicture out = memory.Resize(7, 2);
    StretchNearest(Row({0x111111, 0x222222, 0x333333}), out);
    const uint32_t expected[7] = {0x111111, 0x111111, 0x111111, 0x222222,
                                  0x222222, 0x333333, 0x333333};  // floor(d * 3 / 7)
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 7; ++x) {
            EXPECT_EQ(out.PixelColor(x, y), expected[x]) << x << "," << y;
        }
    }
    // black and white stripes halved keep only the white ones: no grey, no darkening
    out = memory.Resize(3, 1);
    StretchNearest(Row({0xFFFFFF, 0, 0xFFFFFF, 0, 0xFFFFFF, 0}), out);
    for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(out.PixelColor(x, 0), 0xFFFFFFu);
    }
    out = memory.Resize(4, 4);
    StretchNearest(Bitmap24(), out);
    EXPECT_EQ(out.PixelColor(3, 3), 0u) << "an empty grab gives a black picture of the size";
}

// Sources with and without row padding, enlargements and reductions: every pixel is the one the
// formula names, with its unused byte 0.
TEST(StretchNearestTest, EveryPixelIsTheSourcePixelTheFormulaNames) {
    std::mt19937 random(5);
    PictureMemory memory;
    for (auto [sourceW, sourceH, width, height] : {std::array{4, 4, 8, 8},
                                                   {4, 3, 9, 7},
                                                   {121, 121, 242, 242},
                                                   {81, 81, 242, 242},
                                                   {346, 346, 242, 242},
                                                   {5, 1, 4, 1},
                                                   {1, 5, 3, 11},
                                                   {8, 8, 8, 8},
                                                   {8, 8, 8, 8}}) {
        Bitmap24 source(sourceW, sourceH);
        for (int y = 0; y < sourceH; ++y) {
            for (int x = 0; x < sourceW; ++x) {
                source.SetPixelColor(x, y, random() & 0xFFFFFF);
            }
        }
        const LensPicture out = memory.Resize(width, height);
        StretchNearest(source, out);
        ASSERT_NO_THROW(ToBitmap24(out));
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                ASSERT_EQ(out.PixelColor(x, y),
                          source.PixelColor(x * sourceW / width, y * sourceH / height))
                    << sourceW << "x" << sourceH << " -> " << width << "x" << height << " at " << x
                    << "," << y;
            }
        }
    }
}

TEST(NegativeAndMarkerTest, InvertEveryChannelAndClipTheMarker) {
    Bitmap24 picture = Row({0xFFFFFF, 0x000000, 0x10C8FF});
    InvertChannels(picture);
    EXPECT_EQ(picture.PixelColor(0, 0), 0u);
    EXPECT_EQ(picture.PixelColor(1, 0), 0xFFFFFFu);
    EXPECT_EQ(picture.PixelColor(2, 0), 0xEF3700u);

    PictureMemory memory;  // the unclipped square is checked on a whole redraw
    const LensPicture lens = memory.Resize(10, 10);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            lens.SetPixelColor(x, y, 0x123456);
        }
    }
    DrawMarker(lens, {7, -2});  // clipped at the edges, the rest still drawn
    EXPECT_EQ(lens.PixelColor(6, 2), 0x123456u);
    EXPECT_EQ(lens.PixelColor(8, 2), 0xFFFFFFu);
    EXPECT_EQ(lens.PixelColor(9, 0), 0xFFFFFFu);
    EXPECT_EQ(lens.PixelColor(9, 3), 0u);
    EXPECT_EQ(lens.PixelColor(7, 0), 0u);
}

}  // namespace
}  // namespace lenzor::testing
