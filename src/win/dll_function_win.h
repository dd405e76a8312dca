// Functions of newer Windows versions, looked up at run time so that the program still starts
// on the oldest system it supports; nullptr where the system lacks one.
#pragma once

#include <windows.h>

namespace lenzor {

// The function `name` of an already loaded system DLL (user32.dll, gdi32.dll...), or of one
// loaded on first use from the system folder (dwmapi.dll); looked up each call, so callers keep
// the result in a static.
template <class Function> Function SystemFunction(const wchar_t* dll, const char* name) {
    HMODULE module = GetModuleHandleW(dll);
    if (!module) {
        module = LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                  : nullptr;
}

}  // namespace lenzor
