#include "app/zoom_steps.h"

#include <cmath>

namespace lenzor {

std::optional<double> StepZoom(double current, bool zoomIn) {
    // A factor read back from text may sit a rounding error away from its list value; it counts
    // as that value, so a step never lands on where it already is.
    auto same = [current](double value) { return std::abs(value - current) <= 1e-9 * value; };
    if (zoomIn) {
        for (double value : kZoomList) {
            if (value > current && !same(value)) {
                return value;
            }
        }
    } else {
        for (auto it = kZoomList.rbegin(); it != kZoomList.rend(); ++it) {
            if (*it < current && !same(*it)) {
                return *it;
            }
        }
    }
    return std::nullopt;
}

}  // namespace lenzor
