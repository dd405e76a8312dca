// The lens's contrast stage: turns a screen grab into the lens picture by the contrast mode,
// directly for "None" and "Negative", through the effect engine for the two filter modes.
#pragma once

#include "effects/bitmap.h"
#include "effects/or_image.h"

namespace lenzor {

struct ContrastSettings {
    int fixedBrightness = 0;
    int fixedContrast = 0;
    int fixedSaturation = 0;
    int breakageTVLevel = 3;
};

// Sets the effect properties of the mode on an engine that already holds the new grab: the
// three fixed values for cmFixedGamma, a random glitch and fresh noise for cmBrokenTV (drawn
// from the process-wide Random), nothing for the other modes.
void ApplyContrastEffects(TOrImage& image, int mode, const ContrastSettings& settings);

// The width x height lens picture for the grab. Modes other than the four known ones paint
// like cmNone.
void RenderContrastStage(int mode, const ContrastSettings& settings, TOrImage& engine,
                         const Bitmap24& grab, int width, int height, Bitmap24& picture);

}  // namespace lenzor
