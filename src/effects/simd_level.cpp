#include "effects/simd_level.h"

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

}  // namespace lenzor
