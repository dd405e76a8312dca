// The pixel grid over an enlarged lens picture: thin lines between the enlarged screen pixels
// and a box around the one under the pointer, for judging single pixels at high zoom.
#pragma once

#include "lens/lens_picture.h"
#include "lens/lens_platform.h"

namespace lenzor {

// Below this zoom the enlarged pixels are too small to tell from the lines between them.
inline constexpr double kPixelGridMinZoom = 6;

// Draws onto a picture that was stretched from a source of sourceWidth x sourceHeight pixels.
// The lines follow the blocks of the nearest-neighbour stretch (StretchNearest), also where the
// picture was enlarged smoothly, and lie on the first row and column of each block but the
// first. Each line pixel is its own colour shaded toward black or white, whichever it is
// further from, so lines show on dark and light pictures and keep their hue. The box lies on
// the lines around the block of source pixel `pointer`, black, with a white ring outside it.
void DrawPixelGrid(const LensPicture& picture, int sourceWidth, int sourceHeight,
                   LensPoint pointer);

}  // namespace lenzor
