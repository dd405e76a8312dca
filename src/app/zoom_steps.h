// The zoom factors the dialog offers, and stepping through them with the zoom keys.
#pragma once

#include <array>
#include <optional>

namespace lenzor {

inline constexpr std::array<double, 14> kZoomList = {0.7, 1,  1.5, 2,  2.5, 3,  3.5,
                                                     4,   6,  8,   10, 12,  16, 32};

// The next list value above (zoomIn) or below the current factor, which need not be on the list
// (2.2 steps to 2.5 or to 2); none at either end of the list.
std::optional<double> StepZoom(double current, bool zoomIn);

}  // namespace lenzor
