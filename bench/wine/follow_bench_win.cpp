// Benchmark, run by hand under Wine (not a test): the lens following a pointer that never rests
// (SetCursorPos from a second thread about a thousand times a second), ticked by a 10 ms timer
// as the program does. For a 250 x 250 and a 1000 x 1000 lens at zoom 2, in "None" and "Fixed
// gamma": live following, live following with the monitors listed at every call (as before the
// lens's system kept them), and LiveFollow=0. It reports the CPU time per second of the GUI
// thread and the frame clock's thread, redraws per second, the share of display refreshes
// dropped, and the CPU time per redraw divided by the cost of the screen copy alone (its CPU
// time, and its wall time); and, to tell the costs apart, a hidden lens and a lens held where
// the pointer never goes. Medians over the repetitions, which alternate the cases.
//   LENZOR_SCREEN=1280x1024x24 scripts/wine-run.sh build/win64/bench/wine/follow_bench.exe [REPS]
#include "lens/frame_clock_win.h"
#include "lens/lens_system_win.h"
#include "lens/lens_window_win.h"
#include "lens/lenzor.h"
#include "lens/screen_capture_win.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using lenzor::TLenzor;

// Counts the redraws (one capture each) and keeps the lens's clock within reach. With
// listEachTime it asks the system for the monitors at every call, as before they were kept.
class MeasuredSystem : public lenzor::LensSystemWin {
public:
    explicit MeasuredSystem(bool listEachTime) : listEachTime_(listEachTime) {}
    long captures = 0;
    lenzor::FrameClockWin* clock = nullptr;

    lenzor::LensRect VirtualScreen() override {
        return listEachTime_ ? lenzor::VirtualScreenRect() : LensSystemWin::VirtualScreen();
    }
    std::vector<lenzor::LensRect> Monitors() override {
        return listEachTime_ ? lenzor::MonitorRects() : LensSystemWin::Monitors();
    }
    void CaptureScreen(const lenzor::LensRect& rect, bool withPointer,
                       lenzor::Bitmap24& out) override {
        ++captures;
        if (listEachTime_) {
            lenzor::CaptureScreen(withPointer, rect, out);
        } else {
            LensSystemWin::CaptureScreen(rect, withPointer, out);
        }
    }
    std::unique_ptr<lenzor::FrameClock> CreateFrameClock(std::function<void()> onFrame) override {
        auto made = std::make_unique<lenzor::FrameClockWin>(std::move(onFrame));
        clock = made.get();
        return made;
    }

private:
    bool listEachTime_;
};

double CpuSeconds(HANDLE thread) {
    FILETIME created, exited, kernel, user;
    if (!thread || !GetThreadTimes(thread, &created, &exited, &kernel, &user)) {
        return 0;
    }
    auto seconds = [](const FILETIME& t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32 | t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

double WallSeconds() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return double(now.QuadPart) / frequency.QuadPart;
}

std::atomic<bool> g_moving{false};

// An ellipse around the screen's middle, once every two seconds: the pointer never rests.
DWORD WINAPI MovePointer(void*) {
    const int cx = GetSystemMetrics(SM_CXSCREEN) / 2, cy = GetSystemMetrics(SM_CYSCREEN) / 2;
    const double start = WallSeconds();
    while (g_moving) {
        const double angle = (WallSeconds() - start) * 3.14159265358979;
        SetCursorPos(cx + static_cast<int>(300 * std::cos(angle)),
                     cy + static_cast<int>(200 * std::sin(angle)));
        Sleep(1);
    }
    return 0;
}

// Runs the message loop, ticking the lens every 10 ms, for the given time.
void RunFor(TLenzor& lens, double seconds) {
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, nullptr);
    const double end = WallSeconds() + seconds;
    MSG msg;
    while (WallSeconds() < end && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && msg.hwnd == nullptr && msg.wParam == timer) {
            lens.Tick();
        } else {
            DispatchMessageW(&msg);
        }
    }
    KillTimer(nullptr, timer);
}

struct Result {
    double cpuPerSecond, clockPerSecond, redrawsPerSecond, droppedShare, copyCpu, copyWall;
    double CpuPerRedraw() const { return cpuPerSecond / redrawsPerSecond; }
    double RatioToCopyCpu() const { return CpuPerRedraw() / copyCpu; }
    double RatioToCopyWall() const { return CpuPerRedraw() / copyWall; }
};

// The CPU time of one screen copy of the grab a lens of that side makes at zoom 2 (the copy's
// own thread; under Wine the X server does much of the work), and its median wall time.
void MeasureCopy(int side, Result& r) {
    const int grab = (side - 8) / 2;
    lenzor::Bitmap24 copy;
    const std::vector<lenzor::LensRect> monitors = lenzor::MonitorRects();
    const HANDLE self = GetCurrentThread();
    const double cpu = CpuSeconds(self), end = WallSeconds() + 2.0;
    std::vector<double> walls;
    while (WallSeconds() < end) {
        const double start = WallSeconds();
        lenzor::CaptureScreen(true, lenzor::LensRect{100, 100, 100 + grab, 100 + grab}, monitors,
                              copy);
        walls.push_back(WallSeconds() - start);
    }
    r.copyCpu = (CpuSeconds(self) - cpu) / walls.size();
    std::sort(walls.begin(), walls.end());
    r.copyWall = walls[walls.size() / 2];
}

Result Measure(int side, int mode, bool live, bool listEachTime, bool shown, bool held) {
    MeasuredSystem system(listEachTime);
    TLenzor lens(system, std::make_unique<lenzor::LensWindowWin>());
    lens.SetPositionMode(held ? lenzor::pmFixed : lenzor::pmUnderCursor);
    lens.SetHoldPosition(held);
    lens.LensForm().Move(0, 0);
    lens.SetFixedBrightness(-207);  // the "Intense" preset
    lens.SetFixedContrast(703);
    lens.SetFixedSaturation(876);
    lens.SetContrastMode(mode);
    lens.SetWidth(side);
    lens.SetHeight(side);
    lens.SetLiveFollow(live);
    lens.SetShown(shown);
    RunFor(lens, 1.0);  // warm-up: buffers get their sizes, the clock its thread

    const HANDLE gui = GetCurrentThread();
    const HANDLE worker = system.clock ? system.clock->WorkerThread() : nullptr;
    const long captures = system.captures;
    const uint64_t offered = system.clock ? system.clock->Gate().Offered() : 0;
    const uint64_t dropped = system.clock ? system.clock->Gate().Dropped() : 0;
    const double guiCpu = CpuSeconds(gui), clockCpu = CpuSeconds(worker);
    const double start = WallSeconds();
    RunFor(lens, 5.0);
    const double wall = WallSeconds() - start;

    Result r{};
    r.clockPerSecond = (CpuSeconds(worker) - clockCpu) / wall;
    r.cpuPerSecond = (CpuSeconds(gui) - guiCpu) / wall + r.clockPerSecond;
    r.redrawsPerSecond = (system.captures - captures) / wall;
    const uint64_t offers = system.clock ? system.clock->Gate().Offered() - offered : 0;
    r.droppedShare =
        offers ? double(system.clock->Gate().Dropped() - dropped) / double(offers) : 0.0;
    MeasureCopy(side, r);
    return r;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Case {
    int side, mode;
    bool live, listEachTime, shown, held;
    std::vector<Result> results;

    std::string Name() const {
        if (!shown) {
            return "lens hidden (the pointer's own cost)";
        }
        return std::to_string(side) + " " + std::string(lenzor::ContrastModeNames[mode]) +
               (live ? ", live" : ", LiveFollow=0") +
               (listEachTime ? ", monitors listed each time" : "") +
               (held ? ", held where the pointer never goes" : "");
    }
    template <class Field> double MedianOf(Field field) const {
        std::vector<double> values;
        for (const Result& r : results) {
            values.push_back(field(r));
        }
        return Median(values);
    }
};

}  // namespace

int main(int argc, char** argv) {
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    std::vector<Case> cases{{250, lenzor::cmNone, true, false, false, false, {}}};
    for (auto [live, listEachTime] : {std::pair{true, false}, {true, true}, {false, false}}) {
        for (int side : {250, 1000}) {
            for (int mode : {lenzor::cmNone, lenzor::cmFixedGamma}) {
                cases.push_back({side, mode, live, listEachTime, true, false, {}});
            }
        }
    }
    // Without moving the window and with the pointer never over it (a 1000 x 1000 lens cannot
    // keep out of the pointer's way on this screen): what a redraw costs besides those.
    cases.push_back({250, lenzor::cmNone, true, false, true, true, {}});
    g_moving = true;
    const HANDLE mover = CreateThread(nullptr, 0, MovePointer, nullptr, 0, nullptr);
    for (int rep = 0; rep < repetitions; ++rep) {
        for (Case& c : cases) {
            c.results.push_back(Measure(c.side, c.mode, c.live, c.listEachTime, c.shown, c.held));
            const Result& r = c.results.back();
            std::printf("run %d  %-66s %6.1f ms/s (clock %4.1f), %5.1f redraws/s, %4.1f%% "
                        "dropped; copy %.3f ms CPU, %.3f ms\n",
                        rep + 1, c.Name().c_str(), 1e3 * r.cpuPerSecond, 1e3 * r.clockPerSecond,
                        r.redrawsPerSecond, 100 * r.droppedShare, 1e3 * r.copyCpu,
                        1e3 * r.copyWall);
            std::fflush(stdout);
        }
    }
    g_moving = false;
    WaitForSingleObject(mover, INFINITE);

    std::printf("\nmedians of %d runs, each ratio computed within its run: CPU ms per second "
                "(GUI + clock), of it the clock's, redraws per second, refreshes dropped, CPU ms "
                "per redraw, the screen copy's CPU ms and wall ms, and the CPU per redraw over "
                "the copy's CPU and over its wall time\n",
                repetitions);
    for (const Case& c : cases) {
        const bool drawn = c.shown;
        std::printf("%-66s %6.1f %5.2f %5.1f %5.1f%% %6.3f %6.3f %6.3f %6.2fx %5.2fx\n",
                    c.Name().c_str(),
                    1e3 * c.MedianOf([](const Result& r) { return r.cpuPerSecond; }),
                    1e3 * c.MedianOf([](const Result& r) { return r.clockPerSecond; }),
                    c.MedianOf([](const Result& r) { return r.redrawsPerSecond; }),
                    100 * c.MedianOf([](const Result& r) { return r.droppedShare; }),
                    drawn ? 1e3 * c.MedianOf([](const Result& r) { return r.CpuPerRedraw(); }) : 0,
                    1e3 * c.MedianOf([](const Result& r) { return r.copyCpu; }),
                    1e3 * c.MedianOf([](const Result& r) { return r.copyWall; }),
                    drawn ? c.MedianOf([](const Result& r) { return r.RatioToCopyCpu(); }) : 0,
                    drawn ? c.MedianOf([](const Result& r) { return r.RatioToCopyWall(); }) : 0);
    }
    return 0;
}
