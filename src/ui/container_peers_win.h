// Peers of the containers inside a form: frame, panel, group box and tab sheet. Each is a window
// of our own class that hands its children's notifications back to them; panels draw their
// bevel and caption, group boxes their frame and caption, so children get messages normally.
#pragma once

#include "ui/peer_win.h"

namespace lenzor {

class ContainerPeer : public WinPeer {
public:
    using WinPeer::WinPeer;

protected:
    HWND CreateHandle(HWND parent) override;
    void Update(ControlChange what) override;
    LRESULT OwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;
    // What the kind draws over its background.
    virtual void PaintDecoration(HWND, HDC, const RECT&) {}
};

class PanelPeer : public ContainerPeer {
public:
    using ContainerPeer::ContainerPeer;

protected:
    void PaintDecoration(HWND hwnd, HDC dc, const RECT& client) override;
};

class GroupBoxPeer : public ContainerPeer {
public:
    using ContainerPeer::ContainerPeer;

protected:
    void PaintDecoration(HWND hwnd, HDC dc, const RECT& client) override;
};

class TabSheetPeer : public ContainerPeer {
public:
    using ContainerPeer::ContainerPeer;

protected:
    void Update(ControlChange what) override;
};

}  // namespace lenzor
