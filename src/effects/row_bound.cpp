#include "effects/row_bound.h"

#include "core/errors.h"

namespace lenzor {

void CheckRowWidth(const Bitmap24& bitmap, int maxPixels) {
    if (bitmap.Width() > maxPixels) {
        throw ERangeError("Range check error");
    }
}

}  // namespace lenzor
