// Shows a TPopupMenu as a Win32 popup menu at a screen point and runs the chosen item's click.
#pragma once

#include "ui/menu.h"

#include <windows.h>

namespace lenzor {

// A new popup menu handle mirroring the items (command id = item index + 1, separators for "-",
// shortcut text after a tab). The caller destroys it with DestroyMenu.
HMENU BuildPopupMenuHandle(const TPopupMenu& menu);

// Tracks the menu until it closes (a nested message loop), then clicks the chosen item.
// Returns the chosen item's index, or -1 when the menu was dismissed. The click may free the
// menu, so nothing of it is touched afterwards.
int TrackPopupMenuAt(const TPopupMenu& menu, HWND owner, POINT screenPoint);

}  // namespace lenzor
