#include "ui/timer.h"

namespace lenzor {
namespace {
TimerBackend* g_backend = nullptr;
}

TTimer::TTimer(TComponent* owner, std::string name) : TComponent(owner, std::move(name)) {
    if (g_backend) {
        FPeer = g_backend->CreatePeer(*this);
    }
    Update();
}

TTimer::~TTimer() {
    FPeer.reset();
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled != FEnabled) {
        FEnabled = enabled;
        Update();
    }
}

void TTimer::SetInterval(std::uint32_t milliseconds) {
    if (milliseconds != FInterval) {
        FInterval = milliseconds;
        Update();
    }
}

void TTimer::Trigger() {
    if (FEnabled && OnTimer) {
        OnTimer(*this);
    }
}

void TTimer::SetBackend(TimerBackend* backend) {
    g_backend = backend;
}

void TTimer::Update() {
    if (FPeer) {
        FPeer->Update();
    }
}

}  // namespace lenzor
