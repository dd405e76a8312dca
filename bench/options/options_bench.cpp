// Costs of the number text forms and of loading and saving the application's settings file.
#include "core/text_forms.h"
#include "options/opt_storage_ini.h"
#include "options/opt_system.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace lenzor {
namespace {

void DeclareNineteenSettings(TOptSystem& options) {
    for (int i = 0; i < 15; ++i) {
        options.AddItem("MouseControl.Lenzor.Setting" + std::to_string(i), dtInteger, 160 + i, true,
                        true);
    }
    options.AddItem("Common.ShowAfterStart", dtBoolean, false, true, true);
    options.AddItem("Common.FirstStart", dtBoolean, true, true, true);
    options.AddItem("Common.Language", dtString, "English", true, true);
    options.AddItem("Common.ZoomFactor", dtFloat, 2.5, true, true);
}

std::string BenchFile() {
    return (std::filesystem::temp_directory_path() / "lenzor-options-bench.ini").string();
}

void BM_FloatToText(benchmark::State& state) {
    double value = 1.0 / 3.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FloatToText(value));
    }
}
BENCHMARK(BM_FloatToText);

void BM_TryTextToFloat(benchmark::State& state) {
    double value = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(TryTextToFloat("0.333333333333333", value));
    }
}
BENCHMARK(BM_TryTextToFloat);

// One settings-dialog OK: every setting saved, then one atomic, synced replacement.
void BM_SaveAllAndClose(benchmark::State& state) {
    TOptStorageINIFile storage(BenchFile());
    TOptSystem options(&storage);
    DeclareNineteenSettings(options);
    for (auto _ : state) {
        storage.Open();
        options.SaveAll();
        storage.Close();
    }
    std::filesystem::remove(BenchFile());
}
BENCHMARK(BM_SaveAllAndClose)->Unit(benchmark::kMicrosecond);

void BM_OpenAndLoadAll(benchmark::State& state) {
    TOptStorageINIFile storage(BenchFile());
    TOptSystem options(&storage);
    DeclareNineteenSettings(options);
    storage.Open();
    options.SaveAll();
    storage.Close();
    for (auto _ : state) {
        storage.Open();
        options.LoadAll();
        storage.Close();
    }
    std::filesystem::remove(BenchFile());
}
BENCHMARK(BM_OpenAndLoadAll)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lenzor

BENCHMARK_MAIN();
