// Hands display refreshes from a frame clock's thread to the GUI thread one at a time, so that a
// slow redraw never queues behind another: a refresh that comes while the previous one is still
// waiting or being drawn is dropped (and counted), never drawn late.
#pragma once

#include <atomic>
#include <cstdint>

namespace lenzor {

class FrameGate {
public:
    // Frames pass only while the gate is open; a frame still on its way when it closes is not
    // drawn.
    void Open() { open_.store(true); }
    void Close() { open_.store(false); }

    // Clock thread, at each refresh: true when the frame is to be sent to the GUI thread.
    bool Offer();
    // Clock thread: the frame Offer let through could not be sent after all.
    void Withdraw();
    // GUI thread, when a sent frame arrives: true when it is to be drawn; then Done once drawn.
    bool Take();
    void Done();

    // Refreshes offered while open, frames drawn, and refreshes not drawn (dropped behind a
    // pending frame, withdrawn, or arrived after the gate closed).
    uint64_t Offered() const { return offered_.load(); }
    uint64_t Taken() const { return taken_.load(); }
    uint64_t Dropped() const { return dropped_.load(); }

private:
    std::atomic<bool> open_{false};
    std::atomic<bool> pending_{false};  // offered and not yet drawn
    std::atomic<uint64_t> offered_{0};
    std::atomic<uint64_t> taken_{0};
    std::atomic<uint64_t> dropped_{0};
};

}  // namespace lenzor
