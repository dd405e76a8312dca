#include "ui/dialog_keys_win.h"

#include "ui/form_peer_win.h"
#include "win/window_win.h"

#include <exception>

namespace lenzor {
namespace {
bool KeyDown(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}
}  // namespace

bool PreTranslateDialogMessage(MSG& msg) {
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST || !msg.hwnd) {
        return false;
    }
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    FormPeer* form = FormPeer::FromTopLevel(root);
    if (!form) {
        return false;
    }
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && !KeyDown(VK_MENU)) {
        const bool forward = !KeyDown(VK_SHIFT);
        if (KeyDown(VK_CONTROL)) {
            try {  // the page control's OnChange runs here, outside any window procedure
                form->SelectNextPage(forward);
            } catch (...) {
                ParkException(std::current_exception());
            }
            return true;
        }
        const LRESULT code =
            SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
        if (!(code & DLGC_WANTTAB)) {
            // The model's creation order, not the windows' z-order: pages and panels moved at
            // run time keep their place.
            form->FocusNextControl(forward);
            return true;
        }
    }
    return IsDialogMessageW(root, &msg) != FALSE;
}

}  // namespace lenzor
