// Cost of one full lens redraw per contrast mode (grab, contrast stage, stretch, marker) with
// the screen capture left out, and of a Tick that has nothing to do.
#include "lens/lenzor.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace lenzor {
namespace {

class IdleClock : public FrameClock {
public:
    void Start() override {}
    void Stop() override {}
    bool Running() const override { return false; }
};

// A screen whose capture costs nothing once the grab has its size: the bitmap keeps the last
// picture, so the benchmark measures the lens's own work.
class StillScreen : public LensSystem {
public:
    uint32_t tick = 0;
    uint32_t TickCount() override { return tick; }
    bool PointerPos(LensPoint& position) override {
        position = {900, 600};
        return true;
    }
    LensRect VirtualScreen() override { return {0, 0, 1920, 1200}; }
    bool IsWin2000OrLater() override { return true; }
    std::unique_ptr<FrameClock> CreateFrameClock(std::function<void()>) override {
        return std::make_unique<IdleClock>();
    }
    bool CanExcludeFromCapture() override { return true; }
    void CaptureScreen(const LensRect& rect, bool, Bitmap24& out) override {
        if (out.Width() == rect.Width() && out.Height() == rect.Height()) {
            return;
        }
        out.SetSize(rect.Width(), rect.Height());
        for (int y = 0; y < out.Height(); ++y) {
            for (int x = 0; x < out.Width(); ++x) {
                out.SetPixelColor(x, y, static_cast<uint32_t>(x * 2654435761u ^ y * 40503u));
            }
        }
    }
};

class NullWindow : public LensWindow {
public:
    LensRect bounds;
    LensRect Bounds() override { return bounds; }
    void Move(int left, int top) override {
        bounds = {left, top, left + bounds.Width(), top + bounds.Height()};
    }
    void Resize(int width, int height) override {
        bounds.right = bounds.left + width;
        bounds.bottom = bounds.top + height;
    }
    void Show() override { visible_ = true; }
    void Hide() override { visible_ = false; }
    bool Visible() override { return visible_; }
    void SetBorder(LensBorder) override {}
    void SetClickThrough(bool) override {}
    void SetExcludedFromCapture(bool) override {}
    void SetOverlay(const LensOverlay&) override {}
    void SetAlpha(uint8_t) override {}
    void StayOnTopNoActivate() override {}
    void ShowCornerMarker(MarkerCorner) override {}
    int PictureWidth() override { return bounds.Width() - 8; }
    int PictureHeight() override { return bounds.Height() - 8; }
    LensPicture PictureBuffer(int width, int height) override {
        memory_.resize(4 * static_cast<std::size_t>(width) * height);
        return LensPicture(memory_.data(), width, height, 4 * static_cast<std::size_t>(width));
    }
    void Present() override { benchmark::DoNotOptimize(memory_.data()); }

private:
    bool visible_ = false;
    std::vector<uint8_t> memory_;
};

// Arguments: contrast mode, lens side in pixels.
void BM_FullRedraw(benchmark::State& state) {
    StillScreen screen;
    TLenzor lens(screen, std::make_unique<NullWindow>());
    lens.SetContrastMode(static_cast<int>(state.range(0)));
    lens.SetFixedBrightness(-40);
    lens.SetFixedContrast(200);
    lens.SetFixedSaturation(100);
    lens.SetWidth(static_cast<int>(state.range(1)));
    lens.SetHeight(static_cast<int>(state.range(1)));
    lens.SetShown(true);
    for (auto _ : state) {
        screen.tick += 1000;  // every tick is a full redraw
        lens.Tick();
    }
}
BENCHMARK(BM_FullRedraw)
    ->ArgsProduct({{cmNone, cmNegative, cmFixedGamma, cmBrokenTV}, {250, 1000}})
    ->ArgNames({"mode", "side"})
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_IdleTick(benchmark::State& state) {
    StillScreen screen;
    TLenzor lens(screen, std::make_unique<NullWindow>());
    lens.SetShown(true);
    screen.tick = 1000;
    lens.Tick();  // the redraw; from here on neither time nor pointer moves
    for (auto _ : state) {
        lens.Tick();
    }
}
BENCHMARK(BM_IdleTick)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace lenzor

BENCHMARK_MAIN();
