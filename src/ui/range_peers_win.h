// Peers of the number controls: the track bar, the spin edit (an edit with an up-down control
// beside it) and the hot-key edit, whose key combination converts to and from a shortcut value.
#pragma once

#include "ui/hot_key.h"
#include "ui/range_controls.h"
#include "ui/std_peers_win.h"

#include <cstdint>

namespace lenzor {

class TrackBarPeer : public WinPeer {
public:
    explicit TrackBarPeer(TTrackBar& bar) : WinPeer(bar), bar_(bar) {}
    bool OnScroll() override;

protected:
    HWND CreateHandle(HWND parent) override;
    void Refresh() override;
    void Update(ControlChange what) override;

private:
    TTrackBar& bar_;
};

class SpinEditPeer : public EditPeer {
public:
    explicit SpinEditPeer(TSpinEdit& spin) : EditPeer(spin), spin_(spin) {}
    bool OnNotify(const NMHDR& header, LRESULT& result) override;

protected:
    HWND CreateHandle(HWND parent) override;
    void PlaceWindow() override;

private:
    TSpinEdit& spin_;
    HWND upDown_ = nullptr;
};

class HotKeyPeer : public WinPeer {
public:
    explicit HotKeyPeer(THotKey& hotKey) : WinPeer(hotKey), hotKey_(hotKey) {}
    bool OnCommand(WORD code) override;

protected:
    HWND CreateHandle(HWND parent) override;
    void Refresh() override;
    void Update(ControlChange what) override;

private:
    THotKey& hotKey_;
};

// The hot-key control's value (virtual key in the low byte, HOTKEYF_* in the high byte) and the
// shortcut value of the model.
TShortCut HotKeyValueToShortCut(WORD value);
WORD ShortCutToHotKeyValue(TShortCut shortCut);

}  // namespace lenzor
