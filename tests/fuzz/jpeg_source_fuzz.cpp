// The JPEG source on any bytes: a picture of a sane size, or EImageError; nothing else.
#include "core/errors.h"
#include "effects/jpeg_source.h"

#include <cstdio>
#include <cstdlib>

using namespace lenzor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        const Bitmap24 picture = DecodeJpeg(data, size);
        const int64_t pixels = int64_t{picture.Width()} * picture.Height();
        if (picture.Width() <= 0 || picture.Height() <= 0 || pixels > kMaxJpegPixels) {
            std::fprintf(stderr, "decoded a %d x %d picture\n", picture.Width(), picture.Height());
            std::abort();
        }
        // Every row is readable to its end (ASan sees an overrun).
        volatile uint8_t sink = 0;
        for (int y = 0; y < picture.Height(); ++y) {
            sink = sink ^ picture.Row(y)[picture.Width() * 3 - 1];
        }
    } catch (const EImageError&) {
    }
    return 0;
}
