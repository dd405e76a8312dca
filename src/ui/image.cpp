#include "ui/image.h"

#include "effects/jpeg_source.h"

namespace lenzor {

void TPicture::Clear() {
    FKind = Kind::Empty;
    FBitmap = Bitmap24();
    FIconResource.clear();
}

void TPicture::SetBitmap(Bitmap24 bitmap) {
    FKind = bitmap.Empty() ? Kind::Empty : Kind::Bitmap;
    FBitmap = std::move(bitmap);
    FIconResource.clear();
}

void TPicture::SetJpeg(const std::uint8_t* data, std::size_t size) {
    SetBitmap(DecodeJpeg(data, size));
}

void TPicture::SetIcon(std::string resourceName) {
    FKind = resourceName.empty() ? Kind::Empty : Kind::Icon;
    FBitmap = Bitmap24();
    FIconResource = std::move(resourceName);
}

void TImage::SetBitmap(Bitmap24 bitmap) {
    FPicture.SetBitmap(std::move(bitmap));
    Changed(ControlChange::Picture);
}

void TImage::SetJpeg(const std::uint8_t* data, std::size_t size) {
    FPicture.SetJpeg(data, size);
    Changed(ControlChange::Picture);
}

void TImage::SetIcon(std::string resourceName) {
    FPicture.SetIcon(std::move(resourceName));
    Changed(ControlChange::Picture);
}

void TImage::SetStretch(bool stretch) {
    if (stretch != FStretch) {
        FStretch = stretch;
        Changed(ControlChange::Picture);
    }
}

void TImage::SetTransparent(bool transparent) {
    if (transparent != FTransparent) {
        FTransparent = transparent;
        Changed(ControlChange::Picture);
    }
}

TRect TImage::DestinationRect() const {
    if (FPicture.GetKind() == TPicture::Kind::Icon) {
        return {0, 0, Width(), Height()};
    }
    return PictureDestination(Width(), Height(), FPicture.Width(), FPicture.Height(), FStretch,
                              false);
}

TRect PictureDestination(int controlWidth, int controlHeight, int pictureWidth, int pictureHeight,
                         bool stretch, bool center) {
    if (stretch) {
        return {0, 0, controlWidth, controlHeight};
    }
    if (center) {
        return Bounds((controlWidth - pictureWidth) / 2, (controlHeight - pictureHeight) / 2,
                      pictureWidth, pictureHeight);
    }
    return {0, 0, pictureWidth, pictureHeight};
}

}  // namespace lenzor
