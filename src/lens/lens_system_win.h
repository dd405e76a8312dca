// The lens's system services on Win32: tick count, pointer, virtual screen and monitors,
// version, capture.
#pragma once

#include "lens/lens_platform.h"

namespace lenzor {

class LensSystemWin : public LensSystem {
public:
    uint32_t TickCount() override;
    bool PointerPos(LensPoint& position) override;
    LensRect VirtualScreen() override;
    std::vector<LensRect> Monitors() override;
    bool IsWin2000OrLater() override;
    void CaptureScreen(const LensRect& rect, bool withPointer, Bitmap24& out) override;
    std::unique_ptr<FrameClock> CreateFrameClock(std::function<void()> onFrame) override;
    bool CanExcludeFromCapture() override;
};

}  // namespace lenzor
