// TOrImage: the effect image engine. It keeps a source picture (PictureOriginal) and rebuilds
// a display picture from it through a fixed chain of pixel effects after every change of the
// source or of an effect property. Window-free: the lens uses it purely as an engine.
#pragma once

#include "effects/bitmap.h"

#include <cstdint>
#include <memory>
#include <string>

namespace lenzor {

class TOrImage {
public:
    TOrImage();
    ~TOrImage();
    TOrImage(const TOrImage&) = delete;
    TOrImage& operator=(const TOrImage&) = delete;

    // Source picture: a copy of the given bitmap (an empty one clears the display).
    void SetPictureOriginal(const Bitmap24& picture);
    // Source picture from JPEG file bytes, converted once to a 24-bit bitmap. Throws
    // EImageError for a broken or truncated JPEG and keeps the previous picture.
    void SetPictureOriginalJpeg(const uint8_t* data, std::size_t size);
    const Bitmap24& PictureOriginal() const;
    // Lets a caller write the source pixels in place (the lens copies each screen grab
    // straight in); SourceChanged() must follow.
    Bitmap24& MutablePictureOriginal();
    void SourceChanged();

    const Bitmap24& DisplayPicture() const;

    // All effect properties back to zero/false, layers dropped, display = source.
    void ResetEffects();
    void RebuildEffects();

    // Effect properties; every setter clamps, applies its exclusions and rebuilds.
    int PicBrightness() const;      void SetPicBrightness(int v);
    int PicContrast() const;        void SetPicContrast(int v);
    bool PicGrayScale() const;      void SetPicGrayScale(bool v);
    int PicLightness() const;       void SetPicLightness(int v);
    int PicDarkness() const;        void SetPicDarkness(int v);
    int PicSaturation() const;      void SetPicSaturation(int v);
    int PicSplitlight() const;      void SetPicSplitlight(int v);
    bool PicInvert() const;         void SetPicInvert(bool v);
    int PicColorNoise() const;      void SetPicColorNoise(int v);
    int PicMonoNoise() const;       void SetPicMonoNoise(int v);
    int PicPosterize() const;       void SetPicPosterize(int v);
    int PicSolorize() const;        void SetPicSolorize(int v);
    bool PicEmboss() const;         void SetPicEmboss(bool v);
    int PicMosaic() const;          void SetPicMosaic(int v);
    int PicSplitBlur() const;       void SetPicSplitBlur(int v);
    int PicGaussianBlur() const;    void SetPicGaussianBlur(int v);
    int PicAntiAlias() const;       void SetPicAntiAlias(int v);
    int PicTrace() const;           void SetPicTrace(int v);
    int PicTile() const;            void SetPicTile(int v);

    // Layer caches, visible for tests.
    bool HasNoiseLayer() const;
    bool HasFilteredLayer() const;

private:
    struct State;
    std::unique_ptr<State> s_;
};

}  // namespace lenzor
