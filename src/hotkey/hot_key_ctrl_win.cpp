#include "hotkey/hot_key_ctrl_win.h"

namespace lenzor {
namespace {
constexpr wchar_t kClassName[] = L"NorvHotKeyCtrlClass";
}

THotKeyCtrl::THotKeyCtrl() {
    CreateParams params{kClassName};
    params.title = L"norv HotKey Controller v1.02";
    params.refuseClose = true;
    CreateNativeWindow(params);
}

THotKeyCtrl::~THotKeyCtrl() {
    for (THKeyID id : FRegistered) {
        UnregisterHotKey(Handle(), id);
    }
    DestroyNativeWindow();
    // Fails harmlessly while another instance still has its window.
    UnregisterClassW(kClassName, GetModuleHandleW(nullptr));
}

bool THotKeyCtrl::AddHotKey(THKeyID id, THKeyMods modifiers, std::uint8_t key) {
    if (id > kMaxHKeyID) {
        return false;
    }
    RemoveHotKey(id);
    if (!RegisterHotKey(Handle(), id, ModsToFlags(modifiers), key)) {
        return false;
    }
    FRegistered.insert(id);
    ++FHKeyCount;
    return true;
}

void THotKeyCtrl::RemoveHotKey(THKeyID id) {
    if (FRegistered.erase(id) > 0) {
        UnregisterHotKey(Handle(), id);
    }
}

LRESULT THotKeyCtrl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND hwnd = Handle();  // the handler may free this control
    if (message == WM_HOTKEY && FEnabled && OnHotKey && wParam <= kMaxHKeyID &&
        HIWORD(lParam) <= 0xFF) {
        OnHotKey(*this, static_cast<THKeyID>(wParam), FlagsToMods(LOWORD(lParam)),
                 static_cast<std::uint8_t>(HIWORD(lParam)));
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace lenzor
