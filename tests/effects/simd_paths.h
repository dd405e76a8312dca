// The vector levels this processor runs, for tests that hold every path to its reference.
#pragma once

#include "effects/simd_level.h"

#include <string>
#include <vector>

namespace lenzor::test {

inline std::vector<SimdLevel> RunnableSimdLevels() {
    std::vector<SimdLevel> levels{SimdLevel::Sse2};
    if (CpuHasAvx2()) {
        levels.push_back(SimdLevel::Avx2);
    }
    return levels;
}

inline std::string NameOf(SimdLevel level) {
    return SimdLevelName(level);
}

}  // namespace lenzor::test
