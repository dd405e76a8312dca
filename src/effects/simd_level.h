// Which vector instruction set the effect kernels use: SSE2, the baseline of every build, or
// AVX2 where the processor has it (decided at run time, never assumed at compile time).
#pragma once

namespace lenzor {

enum class SimdLevel { Sse2, Avx2 };

// True when the processor and the system run AVX2 code.
bool CpuHasAvx2();

// The widest level this processor runs.
SimdLevel BestSimdLevel();

}  // namespace lenzor
