// The clipboard's formats of a lens picture, checked by reading them back: the DIB by its
// header's fields and its bottom-up rows, the PNG through stb_image's decoder.
#include "app/clipboard_formats.h"

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#include <stb_image.h>

#include <gtest/gtest.h>

namespace lenzor {
namespace {

// Odd sizes, so that DIB rows carry padding; every channel value differs along a row.
Bitmap24 Picture(int width, int height) {
    Bitmap24 picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t red = (x * 3 + y) & 0xFF, green = (x * 7 + 50) & 0xFF;
            const uint32_t blue = (y * 11 + x) & 0xFF;
            picture.SetPixelColor(x, y, red | green << 8 | blue << 16);
        }
    }
    return picture;
}

uint32_t Read32(const std::vector<uint8_t>& bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | uint32_t{bytes[at + 3]} << 24;
}

TEST(ClipboardFormatsTest, TheDibIsABottomUp24BitBitmapOfThePicture) {
    const Bitmap24 picture = Picture(13, 5);
    const std::vector<uint8_t> dib = DibBytes(picture);
    const std::size_t stride = 40;  // 13 * 3 = 39, padded to 4 bytes
    ASSERT_EQ(dib.size(), 40 + stride * 5);
    EXPECT_EQ(Read32(dib, 0), 40u);
    EXPECT_EQ(Read32(dib, 4), 13u);
    EXPECT_EQ(Read32(dib, 8), 5u);
    EXPECT_EQ(dib[12] | dib[13] << 8, 1);   // planes
    EXPECT_EQ(dib[14] | dib[15] << 8, 24);  // bits per pixel
    EXPECT_EQ(Read32(dib, 16), 0u);         // BI_RGB
    EXPECT_EQ(Read32(dib, 20), stride * 5);
    for (int y = 0; y < 5; ++y) {
        const uint8_t* row = dib.data() + 40 + stride * (4 - y);
        for (int x = 0; x < 13; ++x) {
            const uint32_t color = row[3 * x + 2] | row[3 * x + 1] << 8 | row[3 * x] << 16;
            ASSERT_EQ(color, picture.PixelColor(x, y)) << x << "," << y;
        }
    }
    EXPECT_TRUE(DibBytes(Bitmap24()).empty());
}

TEST(ClipboardFormatsTest, ThePngDecodesToThePicture) {
    const Bitmap24 picture = Picture(37, 11);
    const std::vector<uint8_t> png = PngBytes(picture);
    int width = 0, height = 0, channels = 0;
    stbi_uc* pixels = stbi_load_from_memory(png.data(), static_cast<int>(png.size()), &width,
                                            &height, &channels, 3);
    ASSERT_NE(pixels, nullptr) << stbi_failure_reason();
    EXPECT_EQ(width, 37);
    EXPECT_EQ(height, 11);
    EXPECT_EQ(channels, 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const stbi_uc* p = pixels + 3 * (y * width + x);
            ASSERT_EQ(p[0] | p[1] << 8 | p[2] << 16, static_cast<int>(picture.PixelColor(x, y)))
                << x << "," << y;
        }
    }
    stbi_image_free(pixels);
    EXPECT_TRUE(PngBytes(Bitmap24()).empty());
}

TEST(ClipboardFormatsTest, ColourTextIsUpperCaseHexInRedGreenBlueOrder) {
    EXPECT_EQ(ColorText(0x00C0FFEE), "#EEFFC0");
    EXPECT_EQ(ColorText(0x0000000A), "#0A0000");
}

}  // namespace
}  // namespace lenzor
