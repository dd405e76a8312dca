// The application's message loop and its general error box: an exception parked by a window
// procedure is shown once the message that raised it has been handled.
#pragma once

#include <functional>
#include <string>

namespace lenzor {

using ErrorBoxFunction = std::function<void(const std::string& text)>;

// MessageBox with the application title "Lenzor" and a stop icon.
void ShowApplicationErrorBox(const std::string& text);

// Runs until WM_QUIT and returns its exit code.
int RunMessageLoop(const ErrorBoxFunction& showError = ShowApplicationErrorBox);

}  // namespace lenzor
