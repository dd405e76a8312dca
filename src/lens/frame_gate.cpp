#include "lens/frame_gate.h"

namespace lenzor {

bool FrameGate::Offer() {
    if (!open_.load()) {
        return false;
    }
    ++offered_;
    if (pending_.exchange(true)) {
        ++dropped_;
        return false;
    }
    return true;
}

void FrameGate::Withdraw() {
    ++dropped_;
    pending_.store(false);
}

bool FrameGate::Take() {
    if (!pending_.load()) {
        return false;  // not a frame this gate let through
    }
    if (!open_.load()) {
        ++dropped_;
        pending_.store(false);
        return false;
    }
    ++taken_;
    return true;
}

void FrameGate::Done() {
    pending_.store(false);
}

}  // namespace lenzor
