// LENZOR_SIMD: the level it names, the best one otherwise, never one the processor lacks.
#include "effects/simd_level.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace lenzor {
namespace {

void SetVariable(const char* value) {  // nullptr removes it
#ifdef _WIN32
    _putenv_s("LENZOR_SIMD", value != nullptr ? value : "");  // "" removes it here
#else
    if (value != nullptr) {
        setenv("LENZOR_SIMD", value, 1);
    } else {
        unsetenv("LENZOR_SIMD");
    }
#endif
}

TEST(SimdSwitch, TheVariableNamesTheLevelOtherwiseTheBestOneRuns) {
    const char* outer = std::getenv("LENZOR_SIMD");
    const std::optional<std::string> saved =
        outer != nullptr ? std::optional<std::string>(outer) : std::nullopt;
    const SimdLevel best = CpuHasAvx2() ? SimdLevel::Avx2 : SimdLevel::Sse2;
    struct Case {
        const char* value;
        SimdLevel level;
    };
    for (const Case& c : {Case{"reference", SimdLevel::Reference}, Case{"sse2", SimdLevel::Sse2},
                          Case{"avx2", best}, Case{nullptr, best}, Case{"", best},
                          Case{"AVX2", best}, Case{"sse", best}}) {
        SetVariable(c.value);
        EXPECT_EQ(SimdLevelFromEnvironment(), c.level) << (c.value != nullptr ? c.value : "unset");
    }
    SetVariable(saved ? saved->c_str() : nullptr);
}

// CTest also runs this suite with each value of the variable (tests/effects/CMakeLists.txt).
TEST(SimdSwitch, TheProcessRunsTheLevelItWasStartedWith) {
    EXPECT_EQ(ActiveSimdLevel(), SimdLevelFromEnvironment());
}

}  // namespace
}  // namespace lenzor
