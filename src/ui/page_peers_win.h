// The page control's peer: a tab control whose tabs follow the model's page order (pages made at
// run time and moved included) and whose real tab height goes back to the model, which lays the
// sheets (our own container windows, children of the tab control) into the display area.
#pragma once

#include "ui/peer_win.h"

namespace lenzor {

class TPageControl;

class PageControlPeer : public WinPeer {
public:
    explicit PageControlPeer(TPageControl& pages);

    // One tab per page, in page order, the active one selected.
    void RebuildTabs();

    void ApplyDpi() override;

    bool OnNotify(const NMHDR& header, LRESULT& result) override;

protected:
    HWND CreateHandle(HWND parent) override;
    void Refresh() override;
    void Update(ControlChange what) override;

private:
    void ReportTabHeight();

    TPageControl& pages_;
};

}  // namespace lenzor
