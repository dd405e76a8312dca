#include "lens/lens_render.h"

#include <gtest/gtest.h>

namespace lenzor {
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
    Bitmap24 out;
    StretchNearest(Row({0x111111, 0x222222, 0x333333}), 7, 2, out);
    const uint32_t expected[7] = {0x111111, 0x111111, 0x111111, 0x222222,
                                  0x222222, 0x333333, 0x333333};  // floor(d * 3 / 7)
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 7; ++x) {
            EXPECT_EQ(out.PixelColor(x, y), expected[x]) << x << "," << y;
        }
    }
    // black and white stripes halved keep only the white ones: no grey, no darkening
    StretchNearest(Row({0xFFFFFF, 0, 0xFFFFFF, 0, 0xFFFFFF, 0}), 3, 1, out);
    for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(out.PixelColor(x, 0), 0xFFFFFFu);
    }
    StretchNearest(Bitmap24(), 4, 4, out);
    EXPECT_EQ(out.PixelColor(3, 3), 0u) << "an empty grab gives a black picture of the size";
}

TEST(NegativeAndMarkerTest, InvertEveryChannelAndClipTheMarker) {
    Bitmap24 picture = Row({0xFFFFFF, 0x000000, 0x10C8FF});
    InvertChannels(picture);
    EXPECT_EQ(picture.PixelColor(0, 0), 0u);
    EXPECT_EQ(picture.PixelColor(1, 0), 0xFFFFFFu);
    EXPECT_EQ(picture.PixelColor(2, 0), 0xEF3700u);

    picture.SetSize(10, 10);  // the unclipped square is checked on a whole redraw
    picture.Fill(0x123456);
    DrawMarker(picture, {7, -2});  // clipped at the edges, the rest still drawn
    EXPECT_EQ(picture.PixelColor(6, 2), 0x123456u);
    EXPECT_EQ(picture.PixelColor(8, 2), 0xFFFFFFu);
    EXPECT_EQ(picture.PixelColor(9, 0), 0xFFFFFFu);
    EXPECT_EQ(picture.PixelColor(9, 3), 0u);
    EXPECT_EQ(picture.PixelColor(7, 0), 0u);
}

}  // namespace
}  // namespace lenzor
