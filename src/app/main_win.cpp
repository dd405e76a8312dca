// Entry point of Lenzor.exe: reads the switches, creates the main form hidden (shown with
// "-S") and runs the message loop until "Exit".
#include "app/error_text.h"
#include "app/main_form_win.h"
#include "app/message_loop_win.h"
#include "app/start_switches.h"
#include "core/format_settings_win.h"
#include "lens/lens_system_win.h"
#include "tray/timer_backend_win.h"
#include "ui/unicode_win.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <exception>
#include <string>
#include <vector>

namespace {

std::vector<std::string> CommandLineArguments() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> result;
    for (int i = 1; arguments && i < count; ++i) {
        result.push_back(lenzor::Narrow(arguments[i]));
    }
    LocalFree(arguments);
    return result;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const lenzor::StartSwitches switches = lenzor::ParseStartSwitches(CommandLineArguments());
    lenzor::LoadUserFormatSettings();
    lenzor::TTimer::SetBackend(&lenzor::WindowTimers());
    // Links open through the shell, some of whose handlers are COM objects.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    try {
        lenzor::LensSystemWin system;
        lenzor::TForm1 form(system);
        if (switches.showMainForm) {
            form.ShowForm();
        }
        return lenzor::RunMessageLoop();
    } catch (...) {  // the form could not be built: nothing to run
        lenzor::ShowApplicationErrorBox(lenzor::ErrorBoxText(std::current_exception()));
        return 1;
    }
}
