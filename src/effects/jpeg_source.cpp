#include "effects/jpeg_source.h"

#include "core/errors.h"
#include "effects/row_bound.h"

#include <climits>
#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE declared first
#include <utility>

#include <jpeglib.h>

namespace lenzor {
namespace {

// libjpeg's default error handler ends the process; this one jumps back to the decoder.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void JumpOnError(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void JumpOnWarning(j_common_ptr info, int level) {
    if (level < 0) {
        JumpOnError(info);
    }
}

// Runs the decompression into picture. Returns false when libjpeg reported a fault (the text
// is in errors.message) or the picture is too large (reason set). Objects with destructors
// are all owned by the caller: a libjpeg fault leaves this function through longjmp.
bool Decompress(jpeg_decompress_struct& info, ErrorManager& errors, const uint8_t* data,
                unsigned long size, Bitmap24& picture, const char*& reason) {
    if (setjmp(errors.jump) != 0) {
        reason = errors.message;
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_calc_output_dimensions(&info);
    const int64_t width = info.output_width;
    const int64_t height = info.output_height;
    if (width > kMaxPixelRowPixels || width * height > kMaxJpegPixels) {
        reason = "picture too large";
        return false;
    }
    picture.SetSize(static_cast<int>(width), static_cast<int>(height));
    jpeg_start_decompress(&info);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = picture.Row(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

class DecompressGuard {
public:
    explicit DecompressGuard(jpeg_decompress_struct& info) : info_(info) {}
    ~DecompressGuard() { jpeg_destroy_decompress(&info_); }
    DecompressGuard(const DecompressGuard&) = delete;
    DecompressGuard& operator=(const DecompressGuard&) = delete;

private:
    jpeg_decompress_struct& info_;
};

}  // namespace

Bitmap24 DecodeJpeg(const uint8_t* data, std::size_t size) {
    if (size > ULONG_MAX) {
        throw EImageError("Invalid JPEG image: picture too large");
    }
    ErrorManager errors{};
    jpeg_decompress_struct info{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpOnError;
    errors.base.emit_message = JumpOnWarning;
    DecompressGuard guard(info);
    Bitmap24 picture;
    const char* reason = nullptr;
    if (!Decompress(info, errors, data, static_cast<unsigned long>(size), picture, reason)) {
        throw EImageError(FormatMessage1("Invalid JPEG image: %s", reason));
    }
    // libjpeg writes red, green, blue; the picture keeps blue, green, red.
    for (int y = 0; y < picture.Height(); ++y) {
        uint8_t* pixel = picture.Row(y);
        for (int x = 0; x < picture.Width(); ++x, pixel += 3) {
            std::swap(pixel[0], pixel[2]);
        }
    }
    return picture;
}

}  // namespace lenzor
