// The dialog's opening place on two monitors: the primary with a task bar at its bottom, and a
// smaller one left of and above it.
#include "ui/form_position.h"

#include <gtest/gtest.h>

namespace lenzor {
namespace {

TEST(FormPositionTest, CentresOnTheWorkAreaOfTheMonitorUnderThePointer) {
    const MonitorArea primary{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}};
    const MonitorArea secondary{{-1280, -244, 0, 780}, {-1280, -244, 0, 780}};
    const MonitorArea two[] = {primary, secondary};
    struct Case {
        const char* what;
        int x, y, width, height;
        FormOrigin want;
    };
    const Case cases[] = {
        {"on the primary", 500, 500, 600, 400, {660, 320}},
        {"on the secondary", -600, 0, 600, 400, {-940, 68}},
        {"on the primary's task bar", 500, 1060, 600, 400, {660, 320}},
        {"below the secondary, where no monitor shows", -600, 800, 600, 400, {-940, 68}},
        {"above the primary, where no monitor shows", 1000, -50, 600, 400, {660, 320}},
        {"wider and taller than the work area", 500, 500, 2000, 1100, {0, 0}},
        {"wider than the secondary", -600, 0, 1400, 300, {-1280, 118}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CentredFormOrigin(c.width, c.height, two, c.x, c.y), c.want) << c.what;
    }
    // Duplicated displays report one rectangle twice: the primary, listed first, wins.
    const MonitorArea mirrored[] = {primary, {primary.bounds, primary.bounds}};
    EXPECT_EQ(CentredFormOrigin(600, 400, mirrored, 10, 10), (FormOrigin{660, 320}));
    EXPECT_EQ(CentredFormOrigin(600, 400, {}, 10, 10), (FormOrigin{0, 0}));
}

}  // namespace
}  // namespace lenzor
