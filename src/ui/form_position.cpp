#include "ui/form_position.h"

#include <algorithm>
#include <cstdint>

namespace lenzor {
namespace {

int64_t DistanceSquared(const TRect& r, int x, int y) {
    const int64_t dx = std::max<int64_t>({int64_t{r.Left} - x, int64_t{x} - r.Right + 1, 0});
    const int64_t dy = std::max<int64_t>({int64_t{r.Top} - y, int64_t{y} - r.Bottom + 1, 0});
    return dx * dx + dy * dy;
}

int Centred(int start, int length, int size) {
    return std::max(start, start + (length - size) / 2);
}

}  // namespace

FormOrigin CentredFormOrigin(int width, int height, std::span<const MonitorArea> monitors,
                             int pointerX, int pointerY) {
    const MonitorArea* best = nullptr;
    int64_t bestDistance = 0;
    for (const MonitorArea& monitor : monitors) {
        const int64_t distance = DistanceSquared(monitor.bounds, pointerX, pointerY);
        if (!best || distance < bestDistance) {
            best = &monitor;
            bestDistance = distance;
        }
    }
    if (!best) {
        return {};
    }
    const TRect& work = best->work;
    return {Centred(work.Left, work.Width(), width), Centred(work.Top, work.Height(), height)};
}

}  // namespace lenzor
