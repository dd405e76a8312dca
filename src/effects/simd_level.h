// Which path the pixel kernels take: the straightforward reference, SSE2 (the baseline of every
// build), or AVX2 where the processor has it (decided at run time, never assumed at compile
// time). The environment variable LENZOR_SIMD can pick one for a whole process.
#pragma once

namespace lenzor {

enum class SimdLevel { Reference, Sse2, Avx2 };

// True when the processor and the system run AVX2 code.
bool CpuHasAvx2();

// The widest vector level this processor runs.
SimdLevel BestSimdLevel();

// "reference", "sse2" or "avx2": the values LENZOR_SIMD takes.
const char* SimdLevelName(SimdLevel level);

// The level LENZOR_SIMD names, read now. Unset, empty or any other value: BestSimdLevel().
// "avx2" on a processor without AVX2 gives the best it has, SSE2, so no setting can run code
// the processor lacks.
SimdLevel SimdLevelFromEnvironment();

// The level every dispatching kernel takes: SimdLevelFromEnvironment() as it was at the first
// call, so a process never switches paths halfway.
SimdLevel ActiveSimdLevel();

}  // namespace lenzor
