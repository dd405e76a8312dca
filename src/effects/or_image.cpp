#include "effects/or_image.h"

#include "core/random.h"
#include "effects/blur_kernels.h"
#include "effects/jpeg_source.h"
#include "effects/noise_kernels.h"
#include "effects/pixel_pass.h"
#include "effects/resample.h"
#include "effects/row_bound.h"
#include "effects/shape_kernels.h"

#include <algorithm>
#include <array>
#include <limits>

namespace lenzor {
namespace {

// The structural effects in the order that decides which one the rebuild uses.
enum Structural { kEmboss, kMosaic, kSplitBlur, kGaussianBlur, kAntiAlias, kTrace, kTile, kCount };
enum class Noise { Color, Mono };

int StructuralLimit(Structural kind) {
    switch (kind) {
    case kSplitBlur:
        return 255;
    case kGaussianBlur:
    case kAntiAlias:
        return 50;
    case kTrace:
        return 10;
    case kEmboss:
        return 1;
    default:
        return std::numeric_limits<int>::max();
    }
}

}  // namespace

struct TOrImageEngine::State {
    explicit State(TOrImageEngine& engine) : owner(engine) {}

    TOrImageEngine& owner;  // told after every change of what the display shows
    Bitmap24 original;
    Bitmap24 display;
    // The layers are caches of the current source; their memory is kept while they count as
    // missing, so the per-frame rebuilds of the lens allocate nothing.
    Bitmap24 noise;
    bool hasNoise = false;
    // The noise draws are taken from the process-wide sequence when a setter runs, but the
    // layer's bytes are filled only when the display is rendered: the lens sets a new noise
    // value right after every new picture, and the fill it replaces would be wasted.
    bool noisePending = false;
    uint32_t noiseSeed = 0;
    Bitmap24 filtered;
    bool hasFiltered = false;

    bool displayStale = false;  // a rebuild has run whose pixels are not rendered yet

    PixelEffects pixel;
    int colorNoise = 0;
    int monoNoise = 0;
    std::array<int, kCount> structural{};  // PicEmboss as 0 or 1

    bool HasGraphic() const { return !original.Empty(); }

    void DropLayers() {
        hasNoise = false;
        noisePending = false;
        hasFiltered = false;
    }

    void ApplyNoise(Noise kind, int value) {
        const int stored = std::max(value, 0);
        colorNoise = kind == Noise::Color ? stored : 0;
        monoNoise = kind == Noise::Mono ? stored : 0;
        hasNoise = false;
        noisePending = false;
        if (stored > 0 && HasGraphic()) {
            if (noise.Width() != original.Width() || noise.Height() != original.Height()) {
                noise.SetSize(original.Width(), original.Height());
            }
            CheckRowWidth(noise, kMaxKernelRowPixels);
            noiseSeed = RandomSeed();
            SkipRandomDraws(kind == Noise::Color ? ColorNoiseDraws(noise) : MonoNoiseDraws(noise));
            hasNoise = true;
            noisePending = true;
        }
    }

    void FillPendingNoise() {
        if (!noisePending) {
            return;
        }
        uint32_t seed = noiseSeed;
        if (colorNoise >= 1) {
            FillColorNoiseFrom(noise, colorNoise, seed);
        } else {
            FillMonoNoiseFrom(noise, monoNoise, seed);
        }
        noisePending = false;
    }

    void ApplyStructural(Structural kind, int value) {
        int stored = std::clamp(value, 0, StructuralLimit(kind));
        TileGeometry tile;
        if (stored > 0 && HasGraphic()) {
            if (kind == kMosaic) {
                stored = std::min(stored, std::max(original.Width(), original.Height()));
            } else if (kind == kTile) {
                tile = TileFor(original.Width(), original.Height(), stored);
                stored = tile.storedValue;
            }
        }
        structural.fill(0);
        structural[kind] = stored;
        hasFiltered = false;
        if (stored > 0 && HasGraphic()) {
            filtered = original;
            RunKernel(kind, stored, tile);
            hasFiltered = true;  // only once the kernel succeeded
        }
    }

    void RunKernel(Structural kind, int value, const TileGeometry& tile) {
        switch (kind) {
        case kEmboss:
            EmbossBitmap(filtered);
            break;
        case kMosaic:
            MosaicBitmap(filtered, value);
            break;
        case kSplitBlur:
            SplitBlurBitmap(filtered, value);
            break;
        case kGaussianBlur:
            GaussianBlurBitmap(filtered, value);
            break;
        case kAntiAlias:
            for (int pass = 0; pass < value; ++pass) {
                AntiAliasRect(filtered, 0, 0, filtered.Width(), filtered.Height());
            }
            break;
        case kTrace:
            TraceBitmap(filtered, value);
            break;
        case kTile:
            TileBitmap(filtered, original, tile.width, tile.height);
            break;
        case kCount:
            break;
        }
    }

    // Builds the missing layers at once (the noise draws happen in the order the setters run)
    // and refuses a picture the pass cannot take; the pixels follow when the display is read.
    void Rebuild() {
        if (!HasGraphic()) {
            return;
        }
        if (colorNoise >= 1 && !hasNoise) {
            ApplyNoise(Noise::Color, colorNoise);
        }
        if (monoNoise >= 1 && !hasNoise) {
            ApplyNoise(Noise::Mono, monoNoise);
        }
        for (int kind = 0; kind < kCount; ++kind) {
            if (structural[kind] >= 1) {
                if (!hasFiltered) {
                    ApplyStructural(static_cast<Structural>(kind), structural[kind]);
                }
                break;
            }
        }
        CheckRowWidth(original, kMaxPixelRowPixels);
        displayStale = true;
        owner.DisplayChanged();
    }

    // Renders the display from the state of the last rebuild. Deferred to here because the lens
    // sets several properties per frame, each one rebuilding, and only the last result is seen.
    void RenderIfStale() {
        if (!displayStale) {
            return;
        }
        const bool structuralOn =
            std::any_of(structural.begin(), structural.end(), [](int v) { return v >= 1; });
        const Bitmap24& layer = structuralOn && hasFiltered ? filtered : original;
        if (display.Width() != original.Width() || display.Height() != original.Height()) {
            display.SetSize(original.Width(), original.Height());
        }
        if (hasNoise) {
            FillPendingNoise();
        }
        RunPixelPass(layer, hasNoise ? &noise : nullptr, pixel, display);
        displayStale = false;
    }

    void SetStructural(Structural kind, int value) {
        ApplyStructural(kind, value);
        Rebuild();
    }

    void SetNoise(Noise kind, int value) {
        ApplyNoise(kind, value);
        Rebuild();
    }
};

TOrImageEngine::TOrImageEngine() : s_(std::make_unique<State>(*this)) {}
TOrImageEngine::~TOrImageEngine() = default;

void TOrImageEngine::SetPictureOriginal(const Bitmap24& picture) {
    s_->original = picture;
    SourceChanged();
}

void TOrImageEngine::SetPictureOriginalJpeg(const uint8_t* data, std::size_t size) {
    Bitmap24 decoded = DecodeJpeg(data, size);
    s_->original = std::move(decoded);
    SourceChanged();
}

const Bitmap24& TOrImageEngine::PictureOriginal() const {
    return s_->original;
}

Bitmap24& TOrImageEngine::MutablePictureOriginal() {
    s_->RenderIfStale();  // the pending display belongs to the picture about to be overwritten
    s_->DropLayers();
    return s_->original;
}

void TOrImageEngine::SourceChanged() {
    s_->DropLayers();
    s_->displayStale = false;
    if (!s_->HasGraphic()) {
        s_->display.SetSize(0, 0);
        DisplayChanged();
        return;
    }
    try {
        s_->Rebuild();  // the display is rendered from the new source when it is read
    } catch (...) {
        s_->display = s_->original;  // a refused picture is shown without effects
        DisplayChanged();
        throw;
    }
}

void TOrImageEngine::SetPictureOriginalSize(int width, int height) {
    MutablePictureOriginal().SetSize(width, height);
    SourceChanged();
}

const Bitmap24& TOrImageEngine::DisplayPicture() const {
    s_->RenderIfStale();
    return s_->display;
}

void TOrImageEngine::ResetEffects() {
    s_->pixel = PixelEffects{};
    s_->colorNoise = 0;
    s_->monoNoise = 0;
    s_->structural.fill(0);
    s_->DropLayers();
    s_->displayStale = false;
    s_->display = s_->original;
    DisplayChanged();
}

void TOrImageEngine::RebuildEffects() {
    s_->Rebuild();
}

int TOrImageEngine::PicBrightness() const {
    return s_->pixel.brightness;
}
void TOrImageEngine::SetPicBrightness(int value) {
    s_->pixel.brightness = std::clamp(value, -255, 255);
    s_->Rebuild();
}

int TOrImageEngine::PicContrast() const {
    return s_->pixel.contrast;
}
void TOrImageEngine::SetPicContrast(int value) {
    s_->pixel.contrast = std::max(value, -255);
    s_->Rebuild();
}

bool TOrImageEngine::PicGrayScale() const {
    return s_->pixel.grayScale;
}
void TOrImageEngine::SetPicGrayScale(bool value) {
    s_->pixel.grayScale = value;
    s_->Rebuild();
}

int TOrImageEngine::PicLightness() const {
    return s_->pixel.lightness;
}
void TOrImageEngine::SetPicLightness(int value) {
    s_->pixel.lightness = std::min(value, 255);
    s_->Rebuild();
}

int TOrImageEngine::PicDarkness() const {
    return s_->pixel.darkness;
}
void TOrImageEngine::SetPicDarkness(int value) {
    s_->pixel.darkness = std::min(value, 255);
    s_->Rebuild();
}

int TOrImageEngine::PicSaturation() const {
    return s_->pixel.saturation;
}
void TOrImageEngine::SetPicSaturation(int value) {
    s_->pixel.saturation = std::max(value, -255);
    s_->Rebuild();
}

int TOrImageEngine::PicSplitlight() const {
    return s_->pixel.splitlight;
}
void TOrImageEngine::SetPicSplitlight(int value) {
    s_->pixel.splitlight = std::clamp(value, 0, 10);
    s_->Rebuild();
}

bool TOrImageEngine::PicInvert() const {
    return s_->pixel.invert;
}
void TOrImageEngine::SetPicInvert(bool value) {
    s_->pixel.invert = value;
    s_->Rebuild();
}

int TOrImageEngine::PicPosterize() const {
    return s_->pixel.posterize;
}
void TOrImageEngine::SetPicPosterize(int value) {
    s_->pixel.posterize = std::max(value, 0);
    s_->pixel.solorize = 0;
    s_->Rebuild();
}

int TOrImageEngine::PicSolorize() const {
    return s_->pixel.solorize;
}
void TOrImageEngine::SetPicSolorize(int value) {
    s_->pixel.solorize = std::clamp(value, 0, 255);
    s_->pixel.posterize = 0;
    s_->Rebuild();
}

int TOrImageEngine::PicColorNoise() const {
    return s_->colorNoise;
}
void TOrImageEngine::SetPicColorNoise(int value) {
    s_->SetNoise(Noise::Color, value);
}

int TOrImageEngine::PicMonoNoise() const {
    return s_->monoNoise;
}
void TOrImageEngine::SetPicMonoNoise(int value) {
    s_->SetNoise(Noise::Mono, value);
}

bool TOrImageEngine::PicEmboss() const {
    return s_->structural[kEmboss] != 0;
}
void TOrImageEngine::SetPicEmboss(bool value) {
    s_->SetStructural(kEmboss, value ? 1 : 0);
}

int TOrImageEngine::PicMosaic() const {
    return s_->structural[kMosaic];
}
void TOrImageEngine::SetPicMosaic(int value) {
    s_->SetStructural(kMosaic, value);
}

int TOrImageEngine::PicSplitBlur() const {
    return s_->structural[kSplitBlur];
}
void TOrImageEngine::SetPicSplitBlur(int value) {
    s_->SetStructural(kSplitBlur, value);
}

int TOrImageEngine::PicGaussianBlur() const {
    return s_->structural[kGaussianBlur];
}
void TOrImageEngine::SetPicGaussianBlur(int value) {
    s_->SetStructural(kGaussianBlur, value);
}

int TOrImageEngine::PicAntiAlias() const {
    return s_->structural[kAntiAlias];
}
void TOrImageEngine::SetPicAntiAlias(int value) {
    s_->SetStructural(kAntiAlias, value);
}

int TOrImageEngine::PicTrace() const {
    return s_->structural[kTrace];
}
void TOrImageEngine::SetPicTrace(int value) {
    s_->SetStructural(kTrace, value);
}

int TOrImageEngine::PicTile() const {
    return s_->structural[kTile];
}
void TOrImageEngine::SetPicTile(int value) {
    s_->SetStructural(kTile, value);
}

bool TOrImageEngine::HasNoiseLayer() const {
    return s_->hasNoise;
}
bool TOrImageEngine::HasFilteredLayer() const {
    return s_->hasFiltered;
}

}  // namespace lenzor
