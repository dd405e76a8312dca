// TOrImageEngine: the effect image engine. It keeps a source picture (PictureOriginal) and
// rebuilds a display picture from it through a fixed chain of pixel effects after every change
// of the source or of an effect property. Window-free: the lens uses it purely as an engine; the
// TOrImage control (ui/or_image.h) shows its display picture on a form.
#pragma once

#include "effects/bitmap.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace lenzor {

class TOrImageEngine {
public:
    TOrImageEngine();
    virtual ~TOrImageEngine();
    TOrImageEngine(const TOrImageEngine&) = delete;
    TOrImageEngine& operator=(const TOrImageEngine&) = delete;

    // Source picture: a copy of the given bitmap (an empty one clears the display).
    void SetPictureOriginal(const Bitmap24& picture);
    // Source picture from JPEG file bytes, converted once to a 24-bit bitmap. Throws
    // EImageError for a broken or truncated JPEG and keeps the previous picture.
    void SetPictureOriginalJpeg(const uint8_t* data, std::size_t size);
    const Bitmap24& PictureOriginal() const;
    // Lets a caller write the source pixels in place (the lens copies each screen grab
    // straight in); SourceChanged() must follow. Drops the cached layers at once.
    Bitmap24& MutablePictureOriginal();
    // Drops the cached layers and renders the new source with the current effects.
    void SourceChanged();
    // Gives the source a new size (black pixels), a change of the source like any other: the
    // layers are rebuilt for it, so an active noise effect draws a fresh pattern.
    void SetPictureOriginalSize(int width, int height);

    // The source through the effects of the last rebuild, always the source's size. Its
    // pixels are rendered here, on the first read after a rebuild, so a caller setting
    // several properties in a row pays for one pass.
    const Bitmap24& DisplayPicture() const;

    // All effect properties back to zero/false, layers dropped, display = source.
    void ResetEffects();
    // Builds missing layers (noise draws and kernels run here, in call order) and renews the
    // display picture. Raises ERangeError for a source wider than the effects allow
    // (row_bound.h).
    void RebuildEffects();

    // Effect properties; every setter clamps, applies its exclusions and rebuilds, also when
    // the value is unchanged (a noise setter draws a new pattern every time).
    int PicBrightness() const;
    void SetPicBrightness(int value);  // -255..255
    int PicContrast() const;
    void SetPicContrast(int value);  // at least -255
    bool PicGrayScale() const;
    void SetPicGrayScale(bool value);  // wins over saturation
    int PicLightness() const;
    void SetPicLightness(int value);  // at most 255
    int PicDarkness() const;
    void SetPicDarkness(int value);  // at most 255
    int PicSaturation() const;
    void SetPicSaturation(int value);  // at least -255
    int PicSplitlight() const;
    void SetPicSplitlight(int value);  // 0..10 passes
    bool PicInvert() const;
    void SetPicInvert(bool value);
    int PicPosterize() const;
    void SetPicPosterize(int value);  // at least 0; zeroes PicSolorize
    int PicSolorize() const;
    void SetPicSolorize(int value);  // 0..255; zeroes PicPosterize

    // Noise effects, at most one on: each setter zeroes the other.
    int PicColorNoise() const;
    void SetPicColorNoise(int value);  // at least 0
    int PicMonoNoise() const;
    void SetPicMonoNoise(int value);  // at least 0

    // Structural effects, at most one on: each setter zeroes the six others.
    bool PicEmboss() const;
    void SetPicEmboss(bool value);
    int PicMosaic() const;
    void SetPicMosaic(int value);  // at least 0, at most the source's longer side
    int PicSplitBlur() const;
    void SetPicSplitBlur(int value);  // 0..255
    int PicGaussianBlur() const;
    void SetPicGaussianBlur(int value);  // 0..50
    int PicAntiAlias() const;
    void SetPicAntiAlias(int value);  // 0..50
    int PicTrace() const;
    void SetPicTrace(int value);  // 0..10
    int PicTile() const;
    void SetPicTile(int value);  // at least 0; reduced when the tiles hit their 10-pixel floor

    // Layer caches, visible for tests.
    bool HasNoiseLayer() const;
    bool HasFilteredLayer() const;

protected:
    // After every change of what the display picture shows (a new source, a rebuild, a reset);
    // a control showing the picture repaints here. Its pixels may still be pending.
    virtual void DisplayChanged() {}

private:
    struct State;
    std::unique_ptr<State> s_;
};

}  // namespace lenzor
