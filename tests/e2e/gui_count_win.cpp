// Test-only probe DLL that the e2e host loads into Lenzor's process when Wine does not answer
// GetGuiResources: counts the process's live GDI objects and its windows and menus.
#include <windows.h>

namespace {

// Wine's GDI and USER handles carry their table index in the low word; a handle with a zero
// high word matches whatever generation the entry has, so every index can be asked once.
constexpr ULONG_PTR kHandleIndexes = 0x10000;
constexpr ULONG_PTR kFirstUserHandle = 0x20;

}  // namespace

// A remote thread's start routine: GDI objects in the low word, windows and menus in the high.
extern "C" __declspec(dllexport) DWORD WINAPI CountGuiObjects(void*) {
    DWORD gdi = 0, user = 0;
    const DWORD self = GetCurrentProcessId();
    for (ULONG_PTR i = 0; i < kHandleIndexes; ++i) {
        gdi += GetObjectType(reinterpret_cast<HGDIOBJ>(i)) != 0;
    }
    for (ULONG_PTR i = kFirstUserHandle; i < kHandleIndexes; i += 2) {
        HWND window = reinterpret_cast<HWND>(i);
        DWORD owner = 0;
        if (IsWindow(window)) {
            GetWindowThreadProcessId(window, &owner);
            user += owner == self;
        } else if (IsMenu(reinterpret_cast<HMENU>(i))) {
            ++user;
        }
    }
    return (gdi < 0xFFFF ? gdi : 0xFFFF) | (user < 0xFFFF ? user : 0xFFFF) << 16;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}
