#include "lens/os_version_win.h"

#include "win/dll_function_win.h"

namespace lenzor {

bool GetOSVersion(OSVERSIONINFOW& info) {
    info.dwOSVersionInfoSize = sizeof(info);
    return GetVersionExW(&info) != FALSE;
}

bool IsWin2000OrLater() {
    OSVERSIONINFOW info{};
    return GetOSVersion(info) && info.dwMajorVersion >= 5;
}

bool IsWin10Build19041OrLater() {
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    static const auto rtlGetVersion =
        SystemFunction<RtlGetVersionFn>(L"ntdll.dll", "RtlGetVersion");
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!rtlGetVersion || rtlGetVersion(&info) != 0) {
        return false;
    }
    return info.dwMajorVersion > 10 || (info.dwMajorVersion == 10 && info.dwBuildNumber >= 19041);
}

}  // namespace lenzor
