#include "app/main_platform_win.h"

#include "app/clipboard_win.h"
#include "app/shell_helpers_win.h"
#include "lens/lens_window_win.h"
#include "lens/lenzor.h"
#include "options/file_system.h"
#include "ui/peer_win.h"
#include "win/gdi_win.h"
#include "win/unicode_win.h"

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

void MainFormPlatformWin::Attach(TMainController& controller) {
    FController = &controller;
    FFormHandle = WinPeer::Of(&controller.Form())->Handle();
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
            return self->FController->WMQueryEndSession() ? TRUE : FALSE;
        }
        if (message == WM_ENDSESSION) {
            self->FController->WMEndSession(wParam != FALSE);
            return 0;
        }
    } catch (...) {
        ParkException(std::current_exception());
        return message == WM_QUERYENDSESSION ? TRUE : 0;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

void MainFormPlatformWin::CreateHotKeyCtrl(std::function<void(THKeyID)> onPressed) {
    FHotKeyCtrl = std::make_unique<THotKeyCtrl>();
    FHotKeyCtrl->OnHotKey = [onPressed](THotKeyCtrl&, THKeyID id, THKeyMods, std::uint8_t) {
        onPressed(id);
    };
}

bool MainFormPlatformWin::AddHotKey(THKeyID id, THKeyMods modifiers, std::uint8_t key) {
    return FHotKeyCtrl && FHotKeyCtrl->AddHotKey(id, modifiers, key);
}

void MainFormPlatformWin::RemoveHotKey(THKeyID id) {
    if (FHotKeyCtrl) {
        FHotKeyCtrl->RemoveHotKey(id);
    }
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

// A clipboard another program keeps open is given up on quietly: the copy simply did not happen.
void MainFormPlatformWin::CopyPictureToClipboard(const Bitmap24& picture) {
    PutPictureOnClipboard(FFormHandle, picture);
}

void MainFormPlatformWin::CopyTextToClipboard(const std::string& text) {
    PutTextOnClipboard(FFormHandle, text);
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
    BITMAPINFO header = TopDownDibInfo(info.bmWidth, info.bmHeight, 24);
    const WindowDc screen(nullptr);
    const int rows = GetDIBits(screen.Get(), bitmap, 0, static_cast<UINT>(info.bmHeight),
                               picture.Data(), &header, DIB_RGB_COLORS);
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
    if (FController) {
        FController->Form().SetVisible(visible);
    }
}

bool MainFormPlatformWin::Terminating() const {
    return FController && FController->Terminating();
}

}  // namespace lenzor
