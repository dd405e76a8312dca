// Test support: runs the thread's message loop for a while, or until a condition holds, so
// timers, posted messages and window events are delivered as they would be in the program.
#pragma once

#include <windows.h>

#include <functional>

namespace lenzor::test_support {

// How long a test waits for an event that must come: generous, since the machine running the
// tests may be busy; a passing test never waits this long.
inline constexpr DWORD kEventTimeoutMs = 15000;

inline bool PumpMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (done && done()) {
            return true;
        }
        if (GetTickCount() - start >= timeoutMs) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

inline void PumpMessagesFor(DWORD ms) {
    PumpMessagesUntil(nullptr, ms);
}

// Handles every message already queued (posted ones in the order they were posted).
inline void PumpQueuedMessages() {
    PumpMessagesUntil([] { return true; }, 0);
}

// A solid 16x16 icon of one colour; the caller destroys it.
inline HICON MakeSolidIcon(COLORREF colour) {
    DWORD pixels[16 * 16];
    for (DWORD& p : pixels) {
        p = 0xFF000000u | (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    }
    BYTE maskBits[16 * 2] = {};
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = CreateBitmap(16, 16, 1, 32, pixels);
    info.hbmMask = CreateBitmap(16, 16, 1, 1, maskBits);
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return icon;
}

}  // namespace lenzor::test_support
