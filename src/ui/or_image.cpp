#include "ui/or_image.h"

#include "ui/image.h"

namespace lenzor {

TOrImage::TOrImage(TComponent* owner, std::string name) : TGraphicControl(owner, std::move(name)) {
    SetBounds(0, 0, kDefaultSize, kDefaultSize);
}

void TOrImage::SetPictureOriginalJpeg(const std::uint8_t* data, std::size_t size) {
    Progress(TProgressStage::psStarting, 0, false);
    try {
        TOrImageEngine::SetPictureOriginalJpeg(data, size);
    } catch (...) {
        Progress(TProgressStage::psEnding, 100, false);
        throw;
    }
    Progress(TProgressStage::psEnding, 100, true);
}

void TOrImage::SetStretch(bool stretch) {
    if (stretch != FStretch) {
        FStretch = stretch;
        DisplayChanged();
    }
}

void TOrImage::SetCenter(bool center) {
    if (center != FCenter) {
        FCenter = center;
        DisplayChanged();
    }
}

void TOrImage::SetTransparent(bool transparent) {
    if (transparent != FTransparent) {
        FTransparent = transparent;
        DisplayChanged();
    }
}

void TOrImage::SetAutoSize(bool autoSize) {
    FAutoSize = autoSize;
    if (FAutoSize) {
        AdjustSize();
    }
}

bool TOrImage::CanAutoSize(int& newWidth, int& newHeight) const {
    const Bitmap24& picture = DisplayPicture();
    const TAlign align = Align();
    if (align == TAlign::alNone || align == TAlign::alLeft || align == TAlign::alRight) {
        newWidth = picture.Width();
    }
    if (align == TAlign::alNone || align == TAlign::alTop || align == TAlign::alBottom) {
        newHeight = picture.Height();
    }
    return true;
}

void TOrImage::AdjustSize() {
    if (DisplayPicture().Empty()) {
        return;  // an empty picture leaves the control as it is
    }
    int width = Width();
    int height = Height();
    if (CanAutoSize(width, height) && (width != Width() || height != Height())) {
        SetBounds(Left(), Top(), width, height);
    }
}

TRect TOrImage::DestinationRect() const {
    const Bitmap24& picture = DisplayPicture();
    return PictureDestination(Width(), Height(), picture.Width(), picture.Height(), FStretch,
                              FCenter);
}

void TOrImage::MouseEnter() {
    FMouseInside = true;
    if (OnMouseEnter) {
        OnMouseEnter(*this);
    }
}

void TOrImage::MouseExit() {
    FMouseInside = false;
    if (OnMouseExit) {
        OnMouseExit(*this);
    }
}

void TOrImage::MouseMove(int x, int y) {
    FMouseInside = true;
    if (OnMouseMove) {
        OnMouseMove(*this, x, y);
    }
}

void TOrImage::DisplayChanged() {
    if (FAutoSize) {
        AdjustSize();
    }
    Changed(ControlChange::Picture);
}

void TOrImage::Progress(TProgressStage stage, int percentDone, bool redrawNow) {
    if (FIncrementalDisplay && redrawNow) {
        Changed(ControlChange::RepaintNow);
    }
    if (OnProgress) {
        OnProgress(*this, stage, percentDone, redrawNow, TRect{0, 0, Width(), Height()}, {});
    }
}

}  // namespace lenzor
