// What the lens's copy commands put on the clipboard, as bytes: a picture as a device-independent
// bitmap (CF_DIB) and as a PNG. Portable; clipboard_win hands them on.
#pragma once

#include "effects/bitmap.h"

#include <cstdint>
#include <vector>

namespace lenzor {

// A BITMAPINFOHEADER (40 bytes, little-endian) and the pixels: 24 bits, bottom-up rows padded
// to 4 bytes, no colour table. Empty for an empty picture.
std::vector<uint8_t> DibBytes(const Bitmap24& picture);

// The picture as a PNG file (8-bit RGB), encoded by stb_image_write. Empty for an empty picture
// or when the encoder fails.
std::vector<uint8_t> PngBytes(const Bitmap24& picture);

}  // namespace lenzor
