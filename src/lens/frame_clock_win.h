// The lens's frame clock on Win32: a worker thread waits for each display refresh and hands it
// through a FrameGate to a hidden message window, whose handler calls back on the thread that
// made the clock. While stopped the worker sleeps on an event.
#pragma once

#include "lens/frame_gate.h"
#include "lens/lens_platform.h"

#include <windows.h>

#include <functional>
#include <memory>

namespace lenzor {

class FrameClockWin : public FrameClock {
public:
    // The thread and the window are made at the first Start.
    explicit FrameClockWin(std::function<void()> onFrame);
    FrameClockWin(const FrameClockWin&) = delete;
    FrameClockWin& operator=(const FrameClockWin&) = delete;
    // Ends the worker; no call comes after, not even for a frame already on its way.
    ~FrameClockWin() override;

    // A clock whose thread or window cannot be made stays stopped (Running says so), and the
    // lens keeps to its timer.
    void Start() override;
    void Stop() override;
    bool Running() const override;

    // For measurements: the frames passed and dropped, and the worker (null before a Start).
    const FrameGate& Gate() const;
    HANDLE WorkerThread() const { return thread_; }

private:
    struct Shared;
    class FrameWindow;
    static DWORD WINAPI Worker(void* parameter);  // takes a heap copy of shared_
    std::shared_ptr<Shared> shared_;  // with the worker and the window, which may outlive this
    std::unique_ptr<FrameWindow> window_;
    HANDLE thread_ = nullptr;
    bool running_ = false;
};

}  // namespace lenzor
