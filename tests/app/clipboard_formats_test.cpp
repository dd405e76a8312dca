// The clipboard's formats of a lens picture, checked by reading them back: the DIB by its
// header and bottom-up rows, the PNG through stb_image's decoder.
#include "app/clipboard_formats.h"
#include "dib_reader.h"

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#include <stb_image.h>

#include <gtest/gtest.h>

namespace lenzor::testing {
namespace {

// Odd sizes, so that DIB rows carry padding; no two pixels alike.
Bitmap24 Picture(int width, int height) {
    Bitmap24 picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.SetPixelColor(x, y, (x * 3 + y) | (x * 5) << 8 | (y * 20 + x) << 16);
        }
    }
    return picture;
}

TEST(ClipboardFormatsTest, TheDibAndThePngReadBackAsThePicture) {
    const Bitmap24 picture = Picture(37, 11);
    const std::vector<uint8_t> dib = DibBytes(picture);
    EXPECT_EQ(dib.size(), 40u + 112 * 11);  // 37 * 3 = 111 bytes a row, padded to 112
    EXPECT_EQ(ReadDib(dib), picture);

    const std::vector<uint8_t> png = PngBytes(picture);
    int width = 0, height = 0, channels = 0;
    stbi_uc* rgb = stbi_load_from_memory(png.data(), static_cast<int>(png.size()), &width, &height,
                                         &channels, 3);
    ASSERT_NE(rgb, nullptr) << stbi_failure_reason();
    Bitmap24 decoded(width, height);
    for (int i = 0; i < width * height; ++i) {
        decoded.SetPixelColor(i % width, i / width,
                              rgb[3 * i] | rgb[3 * i + 1] << 8 | rgb[3 * i + 2] << 16);
    }
    stbi_image_free(rgb);
    EXPECT_EQ(channels, 3);
    EXPECT_EQ(decoded, picture);
    EXPECT_TRUE(DibBytes(Bitmap24()).empty() && PngBytes(Bitmap24()).empty());
}

}  // namespace
}  // namespace lenzor::testing
