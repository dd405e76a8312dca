#include "core/random.h"

namespace lenzor {
namespace {
uint32_t g_seed = 0;
}

int32_t Random(int32_t n) {
    g_seed = g_seed * 134775813u + 1u;
    if (n <= 0) {
        return 0;
    }
    return static_cast<int32_t>((static_cast<uint64_t>(g_seed) * static_cast<uint32_t>(n)) >> 32);
}

uint32_t RandomSeed() {
    return g_seed;
}
void SetRandomSeed(uint32_t seed) {
    g_seed = seed;
}

}  // namespace lenzor
