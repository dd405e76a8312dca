// The monitors of the virtual screen, as the system lists them.
#pragma once

#include <windows.h>

#include <vector>

namespace lenzor {

struct DisplayMonitor {
    RECT bounds;  // the whole monitor
    RECT work;    // without the task bar and other bars docked to its edges
};

// Primary first; empty when the system cannot list them.
std::vector<DisplayMonitor> ListMonitors();

// The bounding rectangle of all monitors.
RECT VirtualScreenBounds();

}  // namespace lenzor
