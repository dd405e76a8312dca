// Entry point of Lenzor.exe: reads the switches, builds the main form with its window hidden
// (shown with "-S"), loads the settings and runs the message loop until "Exit".
#include "app/error_text.h"
#include "app/main_controller.h"
#include "app/main_platform_win.h"
#include "app/message_loop_win.h"
#include "app/start_switches.h"
#include "core/format_settings_win.h"
#include "lens/lens_system_win.h"
#include "ui/timer_backend_win.h"
#include "ui/peer_factory_win.h"
#include "ui/timer.h"
#include "win/unicode_win.h"

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
    const std::vector<std::string> arguments = CommandLineArguments();
    const lenzor::StartSwitches switches = lenzor::ParseStartSwitches(arguments);
    lenzor::LoadUserFormatSettings();
    // Links open through the shell, some of whose handlers are COM objects.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    try {
        lenzor::TTimer::SetBackend(&lenzor::WindowTimers());
        lenzor::LensSystemWin system;
        lenzor::MainFormPlatformWin platform(system);
        lenzor::TMainController program(platform, arguments);
        program.Form().CreateHandle(lenzor::Win32Peers());
        platform.Attach(program);
        program.FormCreate();
        if (switches.showMainForm) {
            program.Form().Show();
        }
        const int code = lenzor::RunMessageLoop();
        lenzor::TTimer::SetBackend(nullptr);
        return code;
    } catch (...) {  // the form could not be built: nothing to run
        lenzor::ShowApplicationErrorBox(lenzor::ErrorBoxText(std::current_exception()));
        return 1;
    }
}
