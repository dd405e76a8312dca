// The Win32 back-end of the component model: the factory that gives every control its peer.
// Forms get theirs from TCustomForm::CreateHandle(Win32Peers()); controls placed later on a
// form that has a handle get theirs by themselves.
#pragma once

#include "ui/control_peer.h"

namespace lenzor {

class Win32PeerFactory : public PeerFactory {
public:
    // Registers the common control classes the peers use.
    Win32PeerFactory();
    std::unique_ptr<ControlPeer> CreatePeer(TControl& control) override;
};

// The process's factory; it lives as long as the process.
Win32PeerFactory& Win32Peers();

}  // namespace lenzor
