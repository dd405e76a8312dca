// Decodes JPEG file data into the engine's 24-bit picture type (libjpeg, IJG API).
#pragma once

#include "effects/bitmap.h"

#include <cstddef>
#include <cstdint>

namespace lenzor {

// Pictures with more pixels are refused before any pixel memory is taken, so a forged header
// cannot ask for gigabytes.
constexpr int64_t kMaxJpegPixels = int64_t{1} << 26;

// Raises EImageError, with libjpeg's description of the fault, for data that is not a
// complete JPEG image: garbage, a truncated file, corrupt data (libjpeg's warnings count as
// errors, since it would otherwise pad a damaged picture with grey), an unsupported colour
// space, or a picture wider than the engine's rows or larger than kMaxJpegPixels.
Bitmap24 DecodeJpeg(const uint8_t* data, std::size_t size);

}  // namespace lenzor
