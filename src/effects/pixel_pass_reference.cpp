#include "effects/pixel_pass.h"

#include "effects/pixel_steps.h"
#include "effects/row_bound.h"

namespace lenzor {

void RunPixelPassReference(const Bitmap24& source, const Bitmap24* noise,
                           const PixelEffects& effects, Bitmap24& display) {
    using namespace pixel_steps;
    CheckRowWidth(source, kMaxPixelRowPixels);
    for (int y = 0; y < source.Height(); ++y) {
        for (int x = 0; x < source.Width(); ++x) {
            const uint8_t* in = source.Row(y) + 3 * x;
            int64_t channel[3] = {in[0], in[1], in[2]};  // blue, green, red

            if (effects.posterize != 0) {
                for (int64_t& c : channel) {
                    c = Posterized(c, effects.posterize);
                }
            } else if (effects.solorize != 0 &&
                       Mean(in[2], in[1], in[0]) > 255 - effects.solorize) {
                for (int64_t& c : channel) {
                    c = 255 - c;
                }
            }

            uint8_t out[3];
            for (int i = 0; i < 3; ++i) {
                const int n = noise != nullptr ? noise->Row(y)[3 * x + i] : 0;
                out[i] = static_cast<uint8_t>(ClampByte(Summed(channel[i], effects) + n));
                out[i] = SplitLit(out[i], effects.splitlight);
            }

            if (effects.grayScale) {
                out[0] = out[1] = out[2] = Grey(out[2], out[1], out[0]);
            } else if (effects.saturation != 0) {
                const int mean = Mean(out[2], out[1], out[0]);
                for (uint8_t& c : out) {
                    c = static_cast<uint8_t>(
                        ClampByte(mean + SaturationDelta(c - mean, effects.saturation)));
                }
            }

            uint8_t* target = display.Row(y) + 3 * x;
            for (int i = 0; i < 3; ++i) {
                target[i] = effects.invert ? static_cast<uint8_t>(255 - out[i]) : out[i];
            }
        }
    }
}

}  // namespace lenzor
