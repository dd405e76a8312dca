// JPEG file bytes made by libjpeg itself, for the tests of what decodes them.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace lenzor {

// Encodes a picture at full quality with libjpeg itself: left half red, right half blue, a
// three green bottom rows (in RGB order, as libjpeg takes it); or a grey ramp in one component.
inline std::vector<uint8_t> EncodeJpeg(int width, int height, bool grey) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = width;
    info.image_height = height;
    info.input_components = grey ? 1 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<uint8_t> row(3 * width);
    while (info.next_scanline < info.image_height) {
        const int y = static_cast<int>(info.next_scanline);
        for (int x = 0; x < width; ++x) {
            if (grey) {
                row[x] = static_cast<uint8_t>(x * 255 / (width - 1));
            } else {
                const bool green = y >= height - 3;
                row[3 * x] = !green && x < width / 2 ? 230 : 0;
                row[3 * x + 1] = green ? 230 : 0;
                row[3 * x + 2] = !green && x >= width / 2 ? 230 : 0;
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<uint8_t> bytes(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}

}  // namespace lenzor
