// The lens's system services on Win32: tick count, pointer, virtual screen and monitors,
// version, capture, the display-paced frame clock.
#pragma once

#include "lens/lens_platform.h"

#include <memory>
#include <vector>

namespace lenzor {

class LensSystemWin : public LensSystem {
public:
    LensSystemWin();
    ~LensSystemWin() override;

    uint32_t TickCount() override;
    bool PointerPos(LensPoint& position) override;
    LensRect VirtualScreen() override;
    std::vector<LensRect> Monitors() override;
    bool IsWin2000OrLater() override;
    void CaptureScreen(const LensRect& rect, bool withPointer, Bitmap24& out) override;
    std::unique_ptr<FrameClock> CreateFrameClock(std::function<void()> onFrame) override;
    bool CanExcludeFromCapture() override;

private:
    // Listing the monitors costs a redraw as much as its screen copy under Wine, and every
    // redraw needs them three times: the list is kept until the display changes.
    class DisplayWatch;
    void RenewDisplay();
    std::unique_ptr<DisplayWatch> watch_;  // null where it cannot be made: nothing kept then
    bool watchTried_ = false;
    LensRect virtualScreen_;
    std::vector<LensRect> monitors_;
};

}  // namespace lenzor
