#include "app/main_platform_win.h"

#include "app/shell_helpers_win.h"
#include "lens/lens_window_win.h"
#include "lens/lenzor.h"
#include "options/file_system.h"
#include "ui/peer_win.h"
#include "ui/unicode_win.h"

#include <commctrl.h>

namespace lenzor {
namespace {

constexpr UINT_PTR kSessionSubclassId = 0x4C5A;

// The program icon from the resources in the wanted size; the system's default icon when the
// executable carries none (the test programs).
HICON LoadProgramIcon(int metricX, int metricY) {
    auto icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON,
                                              GetSystemMetrics(metricX), GetSystemMetrics(metricY),
                                              LR_SHARED));
    return icon ? icon : LoadIconW(nullptr, IDI_APPLICATION);
}

}  // namespace

MainFormPlatformWin::MainFormPlatformWin(LensSystem& system) : FSystem(system) {}

MainFormPlatformWin::~MainFormPlatformWin() {
    FTrayIcon.reset();  // unhooks the form's window while it still exists
    FHotKeyCtrl.reset();
    if (FFormHandle) {
        RemoveWindowSubclass(FFormHandle, &MainFormPlatformWin::SessionProc, kSessionSubclassId);
    }
}

void MainFormPlatformWin::Attach(TForm1& form) {
    FForm = &form;
    FFormHandle = WinPeer::Of(&form)->Handle();
    SetWindowSubclass(FFormHandle, &MainFormPlatformWin::SessionProc, kSessionSubclassId,
                      reinterpret_cast<DWORD_PTR>(this));
    SendMessageW(FFormHandle, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(LoadProgramIcon(SM_CXICON, SM_CYICON)));
    SendMessageW(FFormHandle, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(LoadProgramIcon(SM_CXSMICON, SM_CYSMICON)));
}

LRESULT CALLBACK MainFormPlatformWin::SessionProc(HWND hwnd, UINT message, WPARAM wParam,
                                                  LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<MainFormPlatformWin*>(data);
    try {
        if (message == WM_QUERYENDSESSION) {
            return self->FForm->WMQueryEndSession() ? TRUE : FALSE;
        }
        if (message == WM_ENDSESSION) {
            self->FForm->WMEndSession(wParam != FALSE);
            return 0;
        }
    } catch (...) {
        ParkException(std::current_exception());
        return message == WM_QUERYENDSESSION ? TRUE : 0;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

void MainFormPlatformWin::CreateHotKeyCtrl(std::function<void()> onPressed) {
    FHotKeyCtrl = std::make_unique<THotKeyCtrl>();
    FHotKeyCtrl->OnHotKey = [onPressed](THotKeyCtrl&, THKeyID, THKeyMods, std::uint8_t) {
        onPressed();
    };
}

bool MainFormPlatformWin::AddHotKey(THKeyID id, THKeyMods modifiers, std::uint8_t key) {
    return FHotKeyCtrl && FHotKeyCtrl->AddHotKey(id, modifiers, key);
}

void MainFormPlatformWin::CreateTrayIcon(TPopupMenu& menu) {
    FImageList1.AddIcon(LoadProgramIcon(SM_CXSMICON, SM_CYSMICON));
    FTrayIcon = std::make_unique<TTrayIcon>(this);
    FTrayIcon->SetPopupMenu(&menu);
    FTrayIcon->SetIconList(&FImageList1);
    FTrayIcon->SetIconIndex(0);
    FTrayIcon->SetHint("Lenzor");
    FTrayIcon->SetIconVisible(true);
}

void MainFormPlatformWin::RestoreMainForm() {
    if (FTrayIcon) {
        FTrayIcon->RestoreMainForm();
    } else {
        SetFormVisible(true);
    }
}

void MainFormPlatformWin::SendMainFormToTray() {
    if (FTrayIcon) {
        FTrayIcon->SendMainFormToTray();
    } else {
        SetFormVisible(false);
    }
}

std::unique_ptr<TLenzor> MainFormPlatformWin::CreateLens() {
    return std::make_unique<TLenzor>(FSystem, std::make_unique<LensWindowWin>());
}

bool MainFormPlatformWin::IsAutoRunSet(std::string_view name, std::string_view path) {
    return lenzor::IsAutoRunSet(name, path);
}

bool MainFormPlatformWin::SetAutoRun(std::string_view name, std::string_view path, bool enable) {
    return lenzor::SetAutoRun(name, path, enable);
}

void MainFormPlatformWin::OpenWithShell(std::string_view target) {
    lenzor::OpenWithShell(target, FFormHandle);
}

void MainFormPlatformWin::ShowMessageBox(const std::string& text, const std::string& caption,
                                     MessageBoxKind kind) {
    UINT flags = MB_OK;
    if (kind == MessageBoxKind::Error) {
        flags |= MB_ICONERROR;
    } else if (kind == MessageBoxKind::Warning) {
        flags |= MB_ICONWARNING;
    }
    // A plain box has no owner (the language-build notice comes while the form shows itself).
    HWND owner = kind != MessageBoxKind::Plain && FFormHandle && IsWindowVisible(FFormHandle)
                     ? FFormHandle
                     : nullptr;
    MessageBoxW(owner, Widen(text).c_str(), Widen(caption).c_str(), flags);
}

std::string MainFormPlatformWin::ExecutablePath() {
    return ProgramPath();
}

Bitmap24 MainFormPlatformWin::BitmapResource(std::string_view name) {
    Bitmap24 picture;
    auto bitmap = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), Widen(name).c_str(),
                                                  IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap) {
        return picture;
    }
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    picture.SetSize(info.bmWidth, info.bmHeight);
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = info.bmWidth;
    header.bmiHeader.biHeight = -info.bmHeight;  // rows top-down, as Bitmap24 keeps them
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 24;
    header.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), picture.Data(),
                               &header, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    if (rows != info.bmHeight) {
        return Bitmap24();
    }
    return picture;
}

std::string MainFormPlatformWin::DataResource(std::string_view name) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, Widen(name).c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) {
        return {};
    }
    return std::string(static_cast<const char*>(data), SizeofResource(module, found));
}

void MainFormPlatformWin::Terminate() {
    PostQuitMessage(0);
}

HWND MainFormPlatformWin::FormHandle() const {
    return FFormHandle;
}

void MainFormPlatformWin::SetFormVisible(bool visible) {
    if (FForm) {
        FForm->SetVisible(visible);
    }
}

bool MainFormPlatformWin::Terminating() const {
    return FForm && FForm->Terminating();
}

}  // namespace lenzor
