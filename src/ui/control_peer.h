// The platform side of a control: a peer shows the control's state and reports the user's
// input back through the control's own methods. The Win32 peers live in *_win files; without
// a peer a control is pure data.
#pragma once

#include <memory>

namespace lenzor {

class TControl;

// What changed in a control, so that its peer updates only that.
enum class ControlChange {
    Bounds,
    Visible,
    Enabled,
    Caption,
    Hint,
    Font,
    Cursor,
    Parent,
    Text,
    Items,
    ItemIndex,
    Lines,
    Checked,
    Position,
    Range,
    HotKey,
    Picture,
    RepaintNow,  // the picture changed and is to be painted before anything else happens
    ActivePage,
    PageIndex,
    Style,
};

class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    virtual void Changed(ControlChange what) = 0;
    virtual void SetFocus() = 0;
};

class PeerFactory {
public:
    virtual ~PeerFactory() = default;
    // The control's parent already has its peer (forms have none).
    virtual std::unique_ptr<ControlPeer> CreatePeer(TControl& control) = 0;
};

}  // namespace lenzor
