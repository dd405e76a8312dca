// The fixture of tests that drive a shown lens on the fakes tick by tick.
#pragma once

#include "lens_fakes.h"

#include <gtest/gtest.h>

namespace lenzor::testing {

// The lens starts shown under the pointer; `TickAt` moves the clock on and ticks it.
class ShownLensTest : public ::testing::Test {
protected:
    ShownLensTest() {
        lens.SetPositionMode(pmUnderCursor);
        lens.SetShown(true);
    }
    void TickAt(uint32_t tick) { rig.TickAt(tick); }
    LensRig rig;
    TLenzor& lens = *rig.lens;
    FakeWindow& window = *rig.window;
};

}  // namespace lenzor::testing
