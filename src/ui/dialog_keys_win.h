// The dialog keys of our forms, for the message loop: Tab and Shift+Tab in creation order,
// Ctrl+Tab and Ctrl+Shift+Tab for pages, and through IsDialogMessage Enter (default button),
// Esc (cancel button) and mnemonics.
#pragma once

#include <windows.h>

namespace lenzor {

// True when the message was a dialog key of one of our forms and has been handled: the loop
// then neither translates nor dispatches it.
bool PreTranslateDialogMessage(MSG& msg);

}  // namespace lenzor
