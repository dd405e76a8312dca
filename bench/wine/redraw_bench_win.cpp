// Benchmark, run by hand under Wine (not a test): the median time of one whole lens redraw
// (screen capture, contrast stage, stretch, marker, paint, topmost) per contrast mode, for a
// 250 x 250 and a 1000 x 1000 lens at zoom 2, against the screen copy alone, the same with the
// colour readout, and the parts every mode pays; the presentation also with all the window's
// marks over the picture.
//   LENZOR_SCREEN=1280x1024x24 scripts/wine-run.sh build/win64/bench/wine/redraw_bench.exe
#include "lens/lens_system_win.h"
#include "lens/lens_window_win.h"
#include "lens/lens_render.h"
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

    // Medians in the same run; the ratio is to the screen copy alone of the same grab.
    std::printf("lens size   what                     median      ratio to screen copy\n");
    for (int side : {250, 1000}) {
        lens.SetWidth(side);
        lens.SetHeight(side);
        const int repetitions = side == 250 ? 301 : 61;
        // The screen copy alone, pointer included, for the same grab (zoom 2).
        const int grab = (side - 8) / 2;
        lenzor::Bitmap24 copy;
        const double captureMs = MedianMs(repetitions, [&] {
            lenzor::CaptureScreen(true, lenzor::LensRect{100, 100, 100 + grab, 100 + grab}, copy);
        });
        std::printf("%4d x %-4d  %-23s  %8.3f ms\n", side, side, "(screen copy only)", captureMs);
        for (int mode = lenzor::cmNone; mode <= lenzor::cmBrokenTV; ++mode) {
            lens.SetContrastMode(mode);
            for (int i = 0; i < 5; ++i) {  // warm-up: buffers and effect layers get their sizes
                lens.UpdateLens(false);
            }
            const double ms = MedianMs(repetitions, [&] { lens.UpdateLens(false); });
            const std::optional<std::string> failure = lens.TakeNewFailure();
            std::printf("%4d x %-4d  %-23s  %8.3f ms  %5.2fx%s%s\n", side, side,
                        std::string(lenzor::ContrastModeNames[mode]).c_str(), ms, ms / captureMs,
                        failure ? "  failed: " : "", failure ? failure->c_str() : "");
        }
        // With the colour readout a redraw also reads the pixel under the pointer and draws
        // the strip over the picture.
        lens.SetContrastMode(lenzor::cmNone);
        lens.SetShowColor(true);
        const double readoutMs = MedianMs(repetitions, [&] { lens.UpdateLens(false); });
        lens.SetShowColor(false);
        std::printf("%4d x %-4d  %-23s  %8.3f ms  %5.2fx\n", side, side, "None, colour readout",
                    readoutMs, readoutMs / captureMs);
        // Parts of a redraw that cost the same in every mode.
        const double pointerMs = MedianMs(repetitions, [&] {
            POINT p;
            GetCursorPos(&p);
        });
        std::printf("%4d x %-4d  %-23s  %8.3f ms  %5.2fx\n", side, side, "(pointer read only)",
                    pointerMs, pointerMs / captureMs);
        lenzor::LensWindow& form = lens.LensForm();
        const double stretchMs = MedianMs(repetitions, [&] {
            lenzor::StretchNearest(copy,
                                   form.PictureBuffer(form.PictureWidth(), form.PictureHeight()));
        });
        std::printf("%4d x %-4d  %-23s  %8.3f ms  %5.2fx\n", side, side, "(stretch only)",
                    stretchMs, stretchMs / captureMs);
        const double presentMs = MedianMs(repetitions, [&] { lens.LensForm().Present(); });
        std::printf("%4d x %-4d  %-23s  %8.3f ms  %5.2fx\n", side, side, "(presentation only)",
                    presentMs, presentMs / captureMs);
        // With every mark the window draws: composed in a buffer, then one blit.
        lenzor::LensOverlay marks;
        marks.readout = 0x00336699;
        marks.badge = "x2";
        marks.frozen = true;
        form.SetOverlay(marks);
        const double markedMs = MedianMs(repetitions, [&] { form.Present(); });
        form.SetOverlay(lenzor::LensOverlay{});
        std::printf("%4d x %-4d  %-23s  %8.3f ms  %5.2fx\n", side, side, "(presentation, marks)",
                    markedMs, markedMs / captureMs);
        const double topMs = MedianMs(repetitions, [&] { lens.LensForm().StayOnTopNoActivate(); });
        std::printf("%4d x %-4d  %-23s  %8.3f ms  %5.2fx\n", side, side, "(stay on top only)",
                    topMs, topMs / captureMs);
    }
    return 0;
}
