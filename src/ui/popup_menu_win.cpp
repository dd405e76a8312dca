#include "ui/popup_menu_win.h"

#include "win/unicode_win.h"

namespace lenzor {

HMENU BuildPopupMenuHandle(const TPopupMenu& menu) {
    HMENU handle = CreatePopupMenu();
    if (!handle) {
        return nullptr;
    }
    for (int i = 0; i < menu.Count(); ++i) {
        const TMenuItem& item = menu.Item(i);
        UINT_PTR id = static_cast<UINT_PTR>(i) + 1;
        if (item.IsSeparator()) {
            AppendMenuW(handle, MF_SEPARATOR, id, nullptr);
            continue;
        }
        std::string text = item.Caption();
        std::string keys = item.ShortCutText();
        if (!keys.empty()) {
            text += "\t" + keys;
        }
        UINT flags = MF_STRING;
        flags |= item.Checked() ? MF_CHECKED : MF_UNCHECKED;
        flags |= item.Enabled() ? MF_ENABLED : MF_GRAYED;
        AppendMenuW(handle, flags, id, Widen(text).c_str());
    }
    if (const TMenuItem* def = menu.DefaultItem()) {
        for (int i = 0; i < menu.Count(); ++i) {
            if (&menu.Item(i) == def) {
                SetMenuDefaultItem(handle, static_cast<UINT>(i) + 1, FALSE);
            }
        }
    }
    return handle;
}

int TrackPopupMenuAt(const TPopupMenu& menu, HWND owner, POINT screenPoint) {
    HMENU handle = BuildPopupMenuHandle(menu);
    if (!handle) {
        return -1;
    }
    // The chosen id comes back as the result, so no WM_COMMAND has to find its way back here.
    int chosen =
        static_cast<int>(TrackPopupMenu(handle, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON,
                                        screenPoint.x, screenPoint.y, 0, owner, nullptr));
    DestroyMenu(handle);
    if (chosen <= 0 || chosen > menu.Count()) {
        return -1;
    }
    menu.Item(chosen - 1).Click();
    return chosen - 1;
}

}  // namespace lenzor
