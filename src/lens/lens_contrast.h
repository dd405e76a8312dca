// The lens's contrast stage: turns a screen grab into the lens picture by the contrast mode,
// directly for "None" and "Negative", through the effect engine for the two filter modes.
#pragma once

#include "effects/bitmap.h"
#include "effects/or_image.h"
#include "lens/lens_picture.h"

namespace lenzor {

struct ContrastSettings {
    int fixedBrightness = 0;
    int fixedContrast = 0;
    int fixedSaturation = 0;
    int breakageTVLevel = 3;
    bool smooth = false;  // StretchSmooth onto the lens picture instead of StretchNearest
};

// Sets the effect properties of the mode on an engine that already holds the new grab: the
// three fixed values for cmFixedGamma, a random glitch and fresh noise for cmBrokenTV (drawn
// from the process-wide Random), nothing for the other modes.
void ApplyContrastEffects(TOrImageEngine& image, int mode, const ContrastSettings& settings);

// Where the screen grab of grabWidth x grabHeight goes: for the two filter modes straight into
// the engine's source, resized first as a bitmap is, height then width (each a change of the
// source on its own: with noise on, each refills the noise layer and draws from Random), so the
// grab is never copied; for the other modes into ownGrab.
Bitmap24& PrepareGrabTarget(int mode, TOrImageEngine& engine, Bitmap24& ownGrab, int grabWidth,
                            int grabHeight);

// The lens picture for the grab, which the stage may change (the negative
// inverts it in place); the effects work on the grab, before the stretch. For the filter modes a
// grab that is not already the engine's source (PrepareGrabTarget) is taken in as if it had been
// grabbed there. Modes other than the four known ones paint like cmNone.
void RenderContrastStage(int mode, const ContrastSettings& settings, TOrImageEngine& engine,
                         Bitmap24& grab, const LensPicture& picture);

}  // namespace lenzor
