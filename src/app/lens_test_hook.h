// Test hook for the whole-program tests, used only until the lens settings are read from
// Lenzor.ini: the environment variable LENZOR_TEST_LENS, for example
// "position=3,contrast=1,interval=3000", sets those lens properties right after start.
// Unknown keys and malformed values are ignored; without the variable nothing changes.
#pragma once

#include <optional>
#include <string_view>

namespace lenzor {

class TLenzor;

struct LensTestHook {
    std::optional<int> positionMode;
    std::optional<int> contrastMode;
    std::optional<int> updateInterval;  // milliseconds, not negative
};

LensTestHook ParseLensTestHook(std::string_view text);
void ApplyLensTestHook(const LensTestHook& hook, TLenzor& lens);

}  // namespace lenzor
