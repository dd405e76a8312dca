// The smooth stretch pixel by pixel: the definition the vector paths are held to.
#include "lens/lens_render.h"
#include "lens/smooth_stretch.h"
#include "lens/smooth_weights.h"

#include <cstddef>
#include <vector>

namespace lenzor {

void StretchSmoothReference(const Bitmap24& source, const LensPicture& dest) {
    if (dest.Empty() || source.Empty()) {
        StretchNearest(source, dest);  // nothing, or black
        return;
    }
    const int width = dest.Width();
    const AxisWeights across = WeightsFor(source.Width(), width);
    const AxisWeights down = WeightsFor(source.Height(), dest.Height());
    // Every source row across: three channels a destination pixel, kAcrossBits fraction bits.
    std::vector<int> rows(static_cast<std::size_t>(source.Height()) * width * 3);
    for (int y = 0; y < source.Height(); ++y) {
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < 3; ++c) {
                int sum = 0;
                for (int t = 0; t < across.taps; ++t) {
                    const int weight = across.weights[x * across.taps + t];
                    if (weight != 0) {
                        sum += weight * source.Row(y)[3 * (across.first[x] + t) + c];
                    }
                }
                rows[(static_cast<std::size_t>(y) * width + x) * 3 + c] = sum >> kAcrossShift;
            }
        }
    }
    for (int y = 0; y < dest.Height(); ++y) {
        uint8_t* out = dest.Row(y);
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < 3; ++c) {
                int sum = kDownHalf;
                for (int t = 0; t < down.taps; ++t) {
                    const int weight = down.weights[y * down.taps + t];
                    if (weight != 0) {
                        const std::size_t row = down.first[y] + t;
                        sum += weight * rows[(row * width + x) * 3 + c];
                    }
                }
                out[4 * x + c] = static_cast<uint8_t>(sum >> kDownShift);
            }
            out[4 * x + 3] = 0;
        }
    }
}

}  // namespace lenzor
