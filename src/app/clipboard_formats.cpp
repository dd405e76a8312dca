#include "app/clipboard_formats.h"

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

#include <cstring>

namespace lenzor {
namespace {

constexpr uint32_t kInfoHeaderSize = 40;

void Put16(std::vector<uint8_t>& out, uint16_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<uint8_t>(value >> shift));
    }
}

void AppendBytes(void* context, void* data, int size) {
    auto& out = *static_cast<std::vector<uint8_t>*>(context);
    const auto* bytes = static_cast<const uint8_t*>(data);
    out.insert(out.end(), bytes, bytes + size);
}

}  // namespace

std::vector<uint8_t> DibBytes(const Bitmap24& picture) {
    if (picture.Empty()) {
        return {};
    }
    const std::size_t stride = Bitmap24::StrideFor(picture.Width());
    const std::size_t imageSize = stride * static_cast<std::size_t>(picture.Height());
    std::vector<uint8_t> out;
    out.reserve(kInfoHeaderSize + imageSize);
    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<uint32_t>(picture.Width()));
    Put32(out, static_cast<uint32_t>(picture.Height()));  // positive: bottom-up
    Put16(out, 1);                                        // planes
    Put16(out, 24);                                       // bits per pixel
    Put32(out, 0);                                        // BI_RGB
    Put32(out, static_cast<uint32_t>(imageSize));
    Put32(out, 0);  // pixels per metre, horizontally and vertically: unknown
    Put32(out, 0);
    Put32(out, 0);  // colours used
    Put32(out, 0);  // important colours
    // Bitmap24's rows already have the DIB's byte order and padding; only their order turns.
    for (int y = picture.Height() - 1; y >= 0; --y) {
        out.insert(out.end(), picture.Row(y), picture.Row(y) + stride);
    }
    return out;
}

std::vector<uint8_t> PngBytes(const Bitmap24& picture) {
    if (picture.Empty()) {
        return {};
    }
    const int width = picture.Width();
    std::vector<uint8_t> rgb(static_cast<std::size_t>(width) * 3 * picture.Height());
    uint8_t* out = rgb.data();
    for (int y = 0; y < picture.Height(); ++y) {
        const uint8_t* in = picture.Row(y);
        for (int x = 0; x < width; ++x, in += 3, out += 3) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
        }
    }
    std::vector<uint8_t> png;
    if (!stbi_write_png_to_func(AppendBytes, &png, width, picture.Height(), 3, rgb.data(),
                                width * 3)) {
        return {};
    }
    return png;
}

}  // namespace lenzor
