#include "lens/os_version_win.h"

namespace lenzor {

bool GetOSVersion(OSVERSIONINFOW& info) {
    info.dwOSVersionInfoSize = sizeof(info);
    return GetVersionExW(&info) != FALSE;
}

bool IsWin2000OrLater() {
    OSVERSIONINFOW info{};
    return GetOSVersion(info) && info.dwMajorVersion >= 5;
}

}  // namespace lenzor
