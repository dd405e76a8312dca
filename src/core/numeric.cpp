#include "core/numeric.h"

#include "core/errors.h"

namespace lenzor {

int32_t RoundToInt32(double value) {
    double rounded = RoundHalfEven(value);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {
        throw ERangeError("Range check error");
    }
    return static_cast<int32_t>(rounded);
}

}  // namespace lenzor
