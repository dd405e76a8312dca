#include "ui/page_peers_win.h"

#include "ui/page_control.h"
#include "win/unicode_win.h"

#include <algorithm>

namespace lenzor {
namespace {
// The model's frame between the tab control's edge and its sheets (TPageControl::DisplayRect).
constexpr int kSheetFrame = 4;
}  // namespace

PageControlPeer::PageControlPeer(TPageControl& pages) : WinPeer(pages), pages_(pages) {}

HWND PageControlPeer::CreateHandle(HWND parent) {
    // Controls on the sheets take part in the dialog keys' search for mnemonics.
    return CreateStandardWindow(WC_TABCONTROLW, WS_TABSTOP | WS_GROUP | WS_CLIPCHILDREN | TCS_TABS,
                                WS_EX_CONTROLPARENT, parent);
}

void PageControlPeer::Refresh() {
    RebuildTabs();
}

void PageControlPeer::RebuildTabs() {
    Quiet quiet(*this);
    SendMessageW(Handle(), TCM_DELETEALLITEMS, 0, 0);
    for (int i = 0; i < pages_.PageCount(); ++i) {
        std::wstring caption = Widen(pages_.Pages(i)->Caption());
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(Handle(), TCM_INSERTITEMW, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(pages_.ActivePageIndex()), 0);
    ReportTabHeight();
}

void PageControlPeer::ReportTabHeight() {
    RECT display{0, 0, ScaleToDpi(200, Dpi()), ScaleToDpi(200, Dpi())};
    SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    const int tabHeight = ScaleFromDpi(display.top, Dpi()) - kSheetFrame;
    pages_.SetTabHeight(std::max(tabHeight, 0));  // the model moves the sheets
}

void PageControlPeer::ApplyDpi() {
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(Font()), TRUE);
    ReportTabHeight();
    WinPeer::ApplyDpi();
}

void PageControlPeer::Update(ControlChange what) {
    switch (what) {
    case ControlChange::PageIndex:
        RebuildTabs();
        break;
    case ControlChange::ActivePage:
        SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(pages_.ActivePageIndex()), 0);
        break;
    default:
        break;
    }
}

bool PageControlPeer::OnNotify(const NMHDR& header, LRESULT& result) {
    result = 0;
    if (header.code != TCN_SELCHANGE || Updating()) {
        return false;
    }
    const int index = static_cast<int>(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
    pages_.SelectPage(index);
    return true;
}

}  // namespace lenzor
