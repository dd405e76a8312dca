#include "app/message_loop_win.h"

#include "app/error_text.h"
#include "ui/dialog_keys_win.h"
#include "win/unicode_win.h"
#include "win/window_win.h"

#include <windows.h>

namespace lenzor {

void ShowApplicationErrorBox(const std::string& text) {
    MessageBoxW(nullptr, Widen(text).c_str(), L"Lenzor", MB_OK | MB_ICONSTOP | MB_SETFOREGROUND);
}

int RunMessageLoop(const ErrorBoxFunction& showError) {
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!PreTranslateDialogMessage(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (std::exception_ptr error = TakeParkedException()) {
            showError(ErrorBoxText(error));
        }
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace lenzor
