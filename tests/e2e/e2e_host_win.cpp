// Test-only host for the whole-program tests: covers the screen with a known picture, keeps the
// focus (so hot keys typed with xdotool reach Wine and the pointer image is the host's arrow),
// starts Lenzor.exe in the same Wine session, and ends it when the test asks.
//   e2e_host.exe LENZOR_EXE READY_FILE STOP_FILE [PICTURE.bmp|-] [LENZOR_ARGUMENTS...]
// READY_FILE is created once Lenzor's main form exists; creating STOP_FILE ends both programs,
// and the host ends by itself when Lenzor does, writing Lenzor's exit status in decimal to
// "exit-status" beside READY_FILE. A picture file, when given, replaces the test pattern
// (docs/make_lens_png.sh uses one).
// Creating "query" beside READY_FILE asks for Lenzor's windows: the host writes "answer" there,
// a line per window ("top" or "child", handle, class, screen rectangle, visible, enabled,
// text), children of a top-level window after it, in z-order.
// Creating "query-resources" asks for the process's memory and GUI object counts: the host
// writes "answer-resources", one line "resources working=B peak=B pagefile=B gdi=N user=N
// counted=windows|probe". Where Windows does not count GUI objects (Wine), gui_count.dll from
// the host's folder is loaded into Lenzor's process and counts them there.
// LENZOR_E2E_LIFETIME_S in the environment lengthens the host's lifetime, for long runs.
#include <windows.h>
#include <psapi.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kDefaultLifetimeMs = 120000;  // a forgotten test must not keep Wine running

DWORD LifetimeMs() {
    wchar_t text[16] = {};
    if (GetEnvironmentVariableW(L"LENZOR_E2E_LIFETIME_S", text, 16) == 0) {
        return kDefaultLifetimeMs;
    }
    const unsigned long seconds = wcstoul(text, nullptr, 10);
    return seconds > 0 && seconds < 86400 ? seconds * 1000 : kDefaultLifetimeMs;
}

// White squares (for the negative mode) between areas where every pixel differs from its
// neighbours; no channel of the coloured areas is 0 or 255.
COLORREF PatternColor(int x, int y) {
    if ((x / 32 + y / 32) % 4 == 0) {
        return RGB(255, 255, 255);
    }
    return RGB(16 + (x * 37 + y * 11) % 224, 16 + (x * 13 + y * 29) % 224,
               16 + ((x ^ y) * 7) % 224);
}

HBITMAP MakePattern(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* pixels = static_cast<DWORD*>(bits);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = PatternColor(x, y);
            pixels[y * width + x] = GetBValue(c) | GetGValue(c) << 8 | GetRValue(c) << 16;
        }
    }
    return bitmap;
}

HBITMAP g_pattern = nullptr;

LRESULT CALLBACK HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(memory, g_pattern);
        RECT r;
        GetClientRect(hwnd, &r);
        BitBlt(dc, 0, 0, r.right, r.bottom, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
        EndPaint(hwnd, &ps);
        return 0;
    }
    if (message == WM_ERASEBKGND) {
        return 1;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool FileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Touch(const std::wstring& path) {
    CloseHandle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
}

std::string Utf8(const std::wstring& text) {
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr,
                                0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n,
                        nullptr, nullptr);
    return out;
}

std::string Describe(const char* kind, HWND hwnd) {
    wchar_t className[128] = {};
    GetClassNameW(hwnd, className, 128);
    wchar_t text[512] = {};
    SendMessageTimeoutW(hwnd, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        1000, nullptr);
    std::wstring flat = text;
    for (wchar_t& c : flat) {
        if (c == L'\r' || c == L'\n' || c == L'\t') {
            c = L' ';
        }
    }
    RECT r{};
    GetWindowRect(hwnd, &r);
    char line[256];
    std::snprintf(line, sizeof line, "%s %llu %s %ld %ld %ld %ld %d %d\t", kind,
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(hwnd)),
                  Utf8(className).c_str(), r.left, r.top, r.right - r.left, r.bottom - r.top,
                  IsWindowVisible(hwnd) ? 1 : 0, IsWindowEnabled(hwnd) ? 1 : 0);
    return line + Utf8(flat) + "\n";
}

struct Listing {
    DWORD process;
    std::string text;
    HWND form = nullptr;  // Lenzor's main form, once it exists
};

BOOL CALLBACK ListChild(HWND hwnd, LPARAM data) {
    reinterpret_cast<Listing*>(data)->text += Describe("child", hwnd);
    return TRUE;
}

BOOL CALLBACK ListTop(HWND hwnd, LPARAM data) {
    auto* listing = reinterpret_cast<Listing*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (process != listing->process) {
        return TRUE;
    }
    wchar_t title[64] = {};
    GetWindowTextW(hwnd, title, 64);
    if (std::wstring(title) == L"Lenzor" && (GetWindowLongW(hwnd, GWL_STYLE) & WS_CAPTION)) {
        listing->form = hwnd;
    }
    listing->text += Describe("top", hwnd);
    EnumChildWindows(hwnd, ListChild, data);
    return TRUE;
}

Listing ListWindows(DWORD process) {
    Listing listing{process, {}};
    EnumWindows(ListTop, reinterpret_cast<LPARAM>(&listing));
    return listing;
}

// Writes a whole file under a temporary name first, so a reader never sees half of it.
void WriteWhole(const std::wstring& path, const std::string& text) {
    const std::wstring partial = path + L".tmp";
    HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    MoveFileExW(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

void WriteAnswer(const std::wstring& folder, const wchar_t* query, const wchar_t* answer,
                 const std::string& text) {
    DeleteFileW((folder + query).c_str());
    WriteWhole(folder + answer, text);
}

// The probe DLL's counting routine inside Lenzor's process, once loaded there.
struct GuiProbe {
    bool tried = false;
    LPTHREAD_START_ROUTINE count = nullptr;
};

HMODULE RemoteModule(HANDLE process, const wchar_t* name) {
    HMODULE modules[512];
    DWORD bytes = 0;
    if (!EnumProcessModules(process, modules, sizeof modules, &bytes)) {
        return nullptr;
    }
    for (DWORD i = 0; i < bytes / sizeof(HMODULE); ++i) {
        wchar_t base[MAX_PATH] = {};
        GetModuleBaseNameW(process, modules[i], base, MAX_PATH);
        if (lstrcmpiW(base, name) == 0) {
            return modules[i];
        }
    }
    return nullptr;
}

DWORD RunRemote(HANDLE process, LPTHREAD_START_ROUTINE routine, void* argument) {
    HANDLE thread = CreateRemoteThread(process, nullptr, 0, routine, argument, 0, nullptr);
    if (!thread) {
        return 0;
    }
    DWORD result = 0;
    if (WaitForSingleObject(thread, 20000) == WAIT_OBJECT_0) {
        GetExitCodeThread(thread, &result);
    }
    CloseHandle(thread);
    return result;
}

// Loads gui_count.dll into the process; the routine's place there is found from its module base
// and its offset in the host's own copy.
void LoadProbe(HANDLE process, GuiProbe& probe) {
    probe.tried = true;
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dll = path;
    dll = dll.substr(0, dll.find_last_of(L"\\/") + 1) + L"gui_count.dll";
    HMODULE local = LoadLibraryW(dll.c_str());
    FARPROC routine = local ? GetProcAddress(local, "CountGuiObjects") : nullptr;
    if (!routine) {
        return;
    }
    const SIZE_T size = (dll.size() + 1) * sizeof(wchar_t);
    void* remotePath =
        VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!remotePath || !WriteProcessMemory(process, remotePath, dll.c_str(), size, nullptr)) {
        return;
    }
    auto* loadLibrary = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "LoadLibraryW")));
    RunRemote(process, loadLibrary, remotePath);
    VirtualFreeEx(process, remotePath, 0, MEM_RELEASE);
    if (HMODULE remote = RemoteModule(process, L"gui_count.dll")) {
        const auto offset = reinterpret_cast<const char*>(reinterpret_cast<void*>(routine)) -
                            reinterpret_cast<const char*>(local);
        probe.count = reinterpret_cast<LPTHREAD_START_ROUTINE>(
            reinterpret_cast<void*>(reinterpret_cast<char*>(remote) + offset));
    }
}

void AnswerResources(const std::wstring& folder, HANDLE process, GuiProbe& probe) {
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process, &memory, sizeof memory);
    DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS);
    DWORD user = GetGuiResources(process, GR_USEROBJECTS);
    const char* counted = "windows";
    if (gdi == 0) {  // a GUI process always has some: the call is not implemented
        if (!probe.tried) {
            LoadProbe(process, probe);
        }
        const DWORD both = probe.count ? RunRemote(process, probe.count, nullptr) : 0;
        gdi = LOWORD(both);
        user = HIWORD(both);
        counted = "probe";
    }
    char line[256];
    std::snprintf(line, sizeof line,
                  "resources working=%llu peak=%llu pagefile=%llu gdi=%lu user=%lu counted=%s\n",
                  static_cast<unsigned long long>(memory.WorkingSetSize),
                  static_cast<unsigned long long>(memory.PeakWorkingSetSize),
                  static_cast<unsigned long long>(memory.PagefileUsage), gdi, user, counted);
    WriteAnswer(folder, L"query-resources", L"answer-resources", line);
}

std::string ClipboardBytes(UINT format) {
    std::string bytes;
    if (HANDLE data = GetClipboardData(format)) {
        if (const void* locked = GlobalLock(data)) {
            bytes.assign(static_cast<const char*>(locked), GlobalSize(data));
            GlobalUnlock(data);
        }
    }
    return bytes;
}

// What the clipboard holds: its text (answer-clipboard), its bitmap (-dib) and its PNG (-png),
// each empty when absent.
void AnswerClipboard(const std::wstring& folder) {
    std::string text, dib, png;
    if (OpenClipboard(nullptr)) {
        const std::string wide = ClipboardBytes(CF_UNICODETEXT);
        text = Utf8(std::wstring(reinterpret_cast<const wchar_t*>(wide.data()),
                                 wide.size() / sizeof(wchar_t)).c_str());
        dib = ClipboardBytes(CF_DIB);
        png = ClipboardBytes(RegisterClipboardFormatW(L"PNG"));
        CloseClipboard();
    }
    WriteWhole(folder + L"answer-clipboard-dib", dib);
    WriteWhole(folder + L"answer-clipboard-png", png);
    WriteAnswer(folder, L"query-clipboard", L"answer-clipboard", text);
}

void PumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&msg);
        }
        Sleep(20);
    } while (GetTickCount() - start < milliseconds);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc < 4) {
        return 2;
    }
    const std::wstring lenzor = argv[1], readyFile = argv[2], stopFile = argv[3];
    const std::wstring folder = readyFile.substr(0, readyFile.find_last_of(L"\\/") + 1);
    const bool ownPicture = argc >= 5 && std::wstring(argv[4]) != L"-";

    // The whole virtual screen: on several monitors, their parts too.
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    g_pattern = ownPicture ? static_cast<HBITMAP>(
                                LoadImageW(nullptr, argv[4], IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE))
                          : MakePattern(width, height);
    if (!g_pattern) {
        return 2;
    }
    WNDCLASSW wc{};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"LenzorE2EHost";
    RegisterClassW(&wc);
    HWND host = CreateWindowExW(0, wc.lpszClassName, L"Lenzor e2e host", WS_POPUP, left, top, width,
                                height, nullptr, nullptr, instance, nullptr);
    ShowWindow(host, SW_SHOW);
    SetForegroundWindow(host);
    UpdateWindow(host);

    std::wstring commandLine = L"\"" + lenzor + L"\"";
    for (int i = 5; i < argc; ++i) {
        commandLine += L" \"" + std::wstring(argv[i]) + L"\"";
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(lenzor.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        return 3;
    }
    const DWORD start = GetTickCount();
    while (!ListWindows(process.dwProcessId).form) {
        if (GetTickCount() - start > kStartTimeoutMs) {
            TerminateProcess(process.hProcess, 1);
            return 4;
        }
        PumpFor(100);
    }
    // The window exists before Lenzor has loaded its settings and registered its hot keys: it
    // is ready once its message loop waits for input.
    while (WaitForInputIdle(process.hProcess, 100) == WAIT_TIMEOUT &&
           GetTickCount() - start < kStartTimeoutMs) {
        PumpFor(20);
    }
    // Keys the tests type go to the focused window: ready once the host has the focus back.
    do {
        SetForegroundWindow(host);
        PumpFor(100);
    } while (GetForegroundWindow() != host && GetTickCount() - start < kStartTimeoutMs);
    Touch(readyFile);

    const DWORD lifetime = LifetimeMs();
    GuiProbe probe;
    while (!FileExists(stopFile) && GetTickCount() - start < lifetime &&
           WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
        if (FileExists(folder + L"query")) {
            WriteAnswer(folder, L"query", L"answer", ListWindows(process.dwProcessId).text);
        }
        if (FileExists(folder + L"query-resources")) {
            AnswerResources(folder, process.hProcess, probe);
        }
        if (FileExists(folder + L"query-clipboard")) {
            AnswerClipboard(folder);
        }
        PumpFor(100);
    }
    DWORD status = 0;
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0 &&
        GetExitCodeProcess(process.hProcess, &status)) {
        WriteWhole(folder + L"exit-status", std::to_string(status) + "\n");
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}
