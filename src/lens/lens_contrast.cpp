#include "lens/lens_contrast.h"

#include "core/random.h"
#include "lens/lens_modes.h"
#include "lens/lens_render.h"
#include "lens/smooth_stretch.h"

#include <algorithm>
#include <cstring>
#include <cstdint>
#include <limits>

namespace lenzor {
namespace {

// Ranges grow with the breakage level, which a hand-edited settings file can make huge; the
// arithmetic is done in 64 bits and saturated so it can neither overflow nor turn negative
// beyond what Random treats as an empty range.
int32_t SaturateInt32(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

int64_t Draw(int64_t range) {
    return Random(SaturateInt32(range));
}

void ApplyBrokenTV(TOrImageEngine& image, int64_t level) {
    const int64_t a = Draw(level + 10);
    const int64_t b = Draw(level + 10);
    if (a == b) {
        image.SetPicAntiAlias(SaturateInt32(Draw(level + 8)));
        const int64_t c = Draw(level + 6);
        const int64_t e = Draw(level + 6);
        if (c == e) {
            image.SetPicSplitBlur(SaturateInt32(Draw(level + 10) + 1));
        }
    }
    const int64_t noise = Draw(level * 100 + 400) + level + 10;
    image.SetPicColorNoise(std::max(0, SaturateInt32(noise)));
}

bool UsesEngine(int mode) {
    return mode == cmFixedGamma || mode == cmBrokenTV;
}

void Stretch(const ContrastSettings& settings, const Bitmap24& source, const LensPicture& picture) {
    if (settings.smooth) {
        StretchSmooth(source, picture);
    } else {
        StretchNearest(source, picture);
    }
}

}  // namespace

void ApplyContrastEffects(TOrImageEngine& image, int mode, const ContrastSettings& settings) {
    if (mode == cmFixedGamma) {
        image.SetPicContrast(settings.fixedContrast);
        image.SetPicBrightness(settings.fixedBrightness);
        image.SetPicSaturation(settings.fixedSaturation);
    } else if (mode == cmBrokenTV) {
        ApplyBrokenTV(image, settings.breakageTVLevel);
    }
}

Bitmap24& PrepareGrabTarget(int mode, TOrImageEngine& engine, Bitmap24& ownGrab, int grabWidth,
                            int grabHeight) {
    if (!UsesEngine(mode)) {
        return ownGrab;
    }
    const Bitmap24& source = engine.PictureOriginal();
    if (source.Height() != grabHeight) {
        engine.SetPictureOriginalSize(source.Width(), grabHeight);
    }
    if (source.Width() != grabWidth) {
        engine.SetPictureOriginalSize(grabWidth, grabHeight);
    }
    return engine.MutablePictureOriginal();
}

void RenderContrastStage(int mode, const ContrastSettings& settings, TOrImageEngine& engine,
                         Bitmap24& grab, const LensPicture& picture) {
    if (UsesEngine(mode)) {
        if (&grab != &engine.PictureOriginal()) {
            Bitmap24& source = PrepareGrabTarget(mode, engine, grab, grab.Width(), grab.Height());
            if (!source.Empty()) {
                std::memcpy(source.Data(), grab.Data(), grab.SizeInBytes());
            }
        }
        engine.SourceChanged();
        ApplyContrastEffects(engine, mode, settings);
        Stretch(settings, engine.DisplayPicture(), picture);
        return;
    }
    if (mode == cmNegative) {
        // The stretch of the negative is the negative of the stretch (the smooth one's to
        // within rounding, as its weights sum to one), on fewer pixels.
        InvertChannels(grab);
    }
    Stretch(settings, grab, picture);
}

}  // namespace lenzor
