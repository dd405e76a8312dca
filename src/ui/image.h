// TPicture holds what a picture control shows: a 24-bit bitmap (also what a JPEG becomes), or
// an icon named by its resource in the program. TImage shows one.
#pragma once

#include "effects/bitmap.h"
#include "ui/control.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace lenzor {

class TPicture {
public:
    enum class Kind { Empty, Bitmap, Icon };

    Kind GetKind() const { return FKind; }
    bool Empty() const { return FKind == Kind::Empty; }
    const Bitmap24& Bitmap() const { return FBitmap; }
    const std::string& IconResource() const { return FIconResource; }
    // Size in pixels; an icon is drawn at the size of its control.
    int Width() const { return FBitmap.Width(); }
    int Height() const { return FBitmap.Height(); }

    void Clear();
    void SetBitmap(Bitmap24 bitmap);
    // JPEG file bytes, decoded at once; EImageError for broken data (the picture stays).
    void SetJpeg(const std::uint8_t* data, std::size_t size);
    void SetIcon(std::string resourceName);

private:
    Kind FKind = Kind::Empty;
    Bitmap24 FBitmap;
    std::string FIconResource;
};

class TImage : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

    const TPicture& Picture() const { return FPicture; }
    // The picture is replaced through one of these, so the control repaints.
    void SetBitmap(Bitmap24 bitmap);
    void SetJpeg(const std::uint8_t* data, std::size_t size);
    void SetIcon(std::string resourceName);

    // Stretched to the control, or centred, or at the top-left corner.
    bool Stretch() const { return FStretch; }
    void SetStretch(bool stretch);
    // A bitmap's bottom-left pixel colour shows the background (icons carry their own mask).
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent);

    // Where the picture goes inside the control.
    TRect DestinationRect() const;

private:
    TPicture FPicture;
    bool FStretch = false;
    bool FTransparent = false;
};

// The destination rectangle rule shared by the picture controls.
TRect PictureDestination(int controlWidth, int controlHeight, int pictureWidth, int pictureHeight,
                         bool stretch, bool center);

}  // namespace lenzor
