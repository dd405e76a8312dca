// Benchmark, run by hand under Wine (not a test): the median time of one whole lens redraw
// (screen capture, contrast stage, stretch, marker, paint) per contrast mode, for a 250 x 250
// and a 1000 x 1000 lens at zoom 2, and of the screen copy alone.
//   LENZOR_SCREEN=1280x1024x24 scripts/wine-run.sh build/win64/tests/e2e/redraw_bench.exe
#include "lens/lens_system_win.h"
#include "lens/lens_window_win.h"
#include "lens/lenzor.h"
#include "lens/screen_capture_win.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using lenzor::TLenzor;

template <class Work> double MedianMs(int repetitions, Work work) {
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&msg);
        }
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main() {
    lenzor::LensSystemWin system;
    TLenzor lens(system, std::make_unique<lenzor::LensWindowWin>());
    lens.SetHoldPosition(true);
    lens.SetFixedBrightness(20);
    lens.SetFixedContrast(30);
    lens.SetFixedSaturation(40);
    lens.LensForm().Move(0, 0);
    lens.SetShown(true);
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2);

    std::printf("lens size   contrast mode            median redraw\n");
    for (int side : {250, 1000}) {
        lens.SetWidth(side);
        lens.SetHeight(side);
        // The screen copy alone, pointer included, for the same grab (zoom 2).
        const int grab = (side - 8) / 2;
        lenzor::Bitmap24 copy;
        const double captureMs = MedianMs(side == 250 ? 101 : 31, [&] {
            lenzor::CaptureScreen(true, lenzor::LensRect{100, 100, 100 + grab, 100 + grab}, copy);
        });
        std::printf("%4d x %-4d  %-23s  %8.2f ms\n", side, side, "(screen copy only)", captureMs);
        for (int mode = lenzor::cmNone; mode <= lenzor::cmBrokenTV; ++mode) {
            lens.SetContrastMode(mode);
            for (int i = 0; i < 5; ++i) {  // warm-up: buffers and effect layers get their sizes
                lens.UpdateLens(false);
            }
            const double ms = MedianMs(side == 250 ? 101 : 31, [&] { lens.UpdateLens(false); });
            const std::optional<std::string> failure = lens.TakeNewFailure();
            std::printf("%4d x %-4d  %-23s  %8.2f ms%s%s\n", side, side,
                        std::string(lenzor::ContrastModeNames[mode]).c_str(), ms,
                        failure ? "  failed: " : "", failure ? failure->c_str() : "");
        }
    }
    return 0;
}
