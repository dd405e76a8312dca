// Where a form opens: centred on the work area of the monitor the user is looking at, the one
// that holds the pointer.
#pragma once

#include "ui/control.h"

#include <span>

namespace lenzor {

struct MonitorArea {
    TRect bounds;  // the whole monitor
    TRect work;    // without the task bar and other bars docked to its edges
};

struct FormOrigin {
    int x = 0;
    int y = 0;
    friend bool operator==(const FormOrigin&, const FormOrigin&) = default;
};

// Top-left of a width x height form centred on the work area of the monitor under the pointer,
// or of the nearest monitor when the pointer is on none (the first, the primary, among equals).
// A form larger than the work area keeps its top-left on it, so that its caption stays within
// reach. Without monitors: (0, 0).
FormOrigin CentredFormOrigin(int width, int height, std::span<const MonitorArea> monitors,
                             int pointerX, int pointerY);

}  // namespace lenzor
