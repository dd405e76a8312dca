#include "effects/simd_level.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace lenzor {

bool CpuHasAvx2() {
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
    // Also checks that the system saves the wide registers (OSXSAVE), not only the CPU bit.
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
#else
    return false;  // other compilers: the SSE2 paths only
#endif
}

SimdLevel BestSimdLevel() {
    return CpuHasAvx2() ? SimdLevel::Avx2 : SimdLevel::Sse2;
}

const char* SimdLevelName(SimdLevel level) {
    switch (level) {
    case SimdLevel::Reference:
        return "reference";
    case SimdLevel::Sse2:
        return "sse2";
    case SimdLevel::Avx2:
        break;
    }
    return "avx2";
}

SimdLevel SimdLevelFromEnvironment() {
    const char* setting = std::getenv("LENZOR_SIMD");
    if (setting == nullptr) {
        return BestSimdLevel();
    }
    for (SimdLevel level : {SimdLevel::Reference, SimdLevel::Sse2, SimdLevel::Avx2}) {
        if (std::strcmp(setting, SimdLevelName(level)) == 0) {
            return level == SimdLevel::Avx2 ? BestSimdLevel() : level;
        }
    }
    return BestSimdLevel();
}

SimdLevel ActiveSimdLevel() {
    static const SimdLevel level = SimdLevelFromEnvironment();
    return level;
}

}  // namespace lenzor
