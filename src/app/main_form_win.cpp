#include "app/main_form_win.h"

#include "app/lens_test_hook.h"
#include "core/errors.h"
#include "hotkey/hot_key_mods.h"
#include "lens/lens_window_win.h"
#include "ui/unicode_win.h"

#include <string>

namespace lenzor {
namespace {

constexpr int kClientWidth = 523;
constexpr int kClientHeight = 386;

// The program icon from the resources in the wanted size; the system's default icon when the
// executable carries none (the test programs).
HICON LoadProgramIcon(int metricX, int metricY) {
    auto icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON,
                                              GetSystemMetrics(metricX), GetSystemMetrics(metricY),
                                              LR_SHARED));
    return icon ? icon : LoadIconW(nullptr, IDI_APPLICATION);
}

std::string EnvironmentVariable(const wchar_t* name) {
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0) {
        return {};
    }
    std::wstring value(size, L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), size));
    return Narrow(value);
}

}  // namespace

TForm1::TForm1(LensSystem& system) {
    CreateFormWindow();
    BuildTrayMenu();

    FHotKeyCtrl = std::make_unique<THotKeyCtrl>();
    FHotKeyCtrl->OnHotKey = [this](THotKeyCtrl&, THKeyID, THKeyMods, std::uint8_t) {
        HotKeyPressed();
    };

    FImageList1.AddIcon(LoadProgramIcon(SM_CXSMICON, SM_CYSMICON));
    FTrayIcon = std::make_unique<TTrayIcon>(this);
    FTrayIcon->SetPopupMenu(&FPopupMenuTray);
    FTrayIcon->SetIconList(&FImageList1);
    FTrayIcon->SetIconIndex(0);
    FTrayIcon->SetIconVisible(true);

    FLens = std::make_unique<TLenzor>(system, std::make_unique<LensWindowWin>());
    FLens->SetShown(false);

    // Until the settings exist: the default hot key, and the whole-program tests' hook.
    RegisterShowHotKey(kShowGlassShortCut);
    ApplyLensTestHook(ParseLensTestHook(EnvironmentVariable(L"LENZOR_TEST_LENS")), *FLens);

    SetTimer(Handle(), kTimer1Id, kTimer1Interval, nullptr);
}

TForm1::~TForm1() {
    KillTimer(Handle(), kTimer1Id);
}

void TForm1::CreateFormWindow() {
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    const DWORD exStyle = WS_EX_DLGMODALFRAME;
    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    CreateParams params{};
    params.className = L"TForm1";
    params.title = L"Lenzor";
    params.style = style;
    params.exStyle = exStyle;
    params.width = frame.right - frame.left;
    params.height = frame.bottom - frame.top;
    params.x = work.left + (work.right - work.left - params.width) / 2;
    params.y = work.top + (work.bottom - work.top - params.height) / 2;
    params.background = GetSysColorBrush(COLOR_BTNFACE);
    CreateNativeWindow(params);
    SendMessageW(Handle(), WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(LoadProgramIcon(SM_CXICON, SM_CYICON)));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(LoadProgramIcon(SM_CXSMICON, SM_CYSMICON)));
}

void TForm1::BuildTrayMenu() {
    FShowglass1 = &FPopupMenuTray.Add("Showglass1", "Show glass");
    FShowglass1->SetDefault(true);
    FShowglass1->OnClick = [this](TMenuItem&) { Showglass1Click(); };
    FPopupMenuTray.Add("MenuOptions1", "Options...").OnClick = [this](TMenuItem&) {
        MenuOptions1Click();
    };
    FPopupMenuTray.Add("N1", "-");
    FPopupMenuTray.Add("Exit1", "Exit").OnClick = [this](TMenuItem&) { Exit1Click(); };
}

void TForm1::RegisterShowHotKey(TShortCut shortCut) {
    const TShortCutParts parts = ShortCutToKey(shortCut);
    FShowglass1->SetShortCut(shortCut);
    if (shortCut != 0) {
        // A combination taken by another program is ignored: the menu still works.
        FHotKeyCtrl->AddHotKey(0, ShiftToMods(parts.shift), static_cast<std::uint8_t>(parts.key));
    }
}

void TForm1::ShowForm() {
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
}

void TForm1::SetFormVisible(bool visible) {
    ShowWindow(Handle(), visible ? SW_SHOW : SW_HIDE);
}

void TForm1::Timer1Timer() {
    FLens->Tick();
    // A failing redraw is skipped by the lens; its text reaches the error box once.
    if (std::optional<std::string> failure = FLens->TakeNewFailure()) {
        ParkException(std::make_exception_ptr(Exception(*failure)));
    }
}

void TForm1::Showglass1Click() {
    if (FormVisible()) {
        return;
    }
    FLens->SetShown(!FLens->IsShown());
    FShowglass1->SetChecked(FLens->IsShown());
}

// The settings dialog will live here; for now the menu item shows the form itself.
void TForm1::MenuOptions1Click() {
    ShowForm();
}

void TForm1::Exit1Click() {
    FExiting = true;
    Close();
}

void TForm1::HotKeyPressed() {
    FShowglass1->Click();
}

void TForm1::Close() {
    if (FExiting || FSessionEnding) {
        KillTimer(Handle(), kTimer1Id);
        PostQuitMessage(0);
    } else {
        ShowWindow(Handle(), SW_HIDE);
    }
}

LRESULT TForm1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam == kTimer1Id) {
            Timer1Timer();
            return 0;
        }
        break;
    case WM_CLOSE:
        Close();
        return 0;
    case WM_QUERYENDSESSION:
        FSessionEnding = true;  // consent at once: nothing is saved on exit
        return 1;
    case WM_ENDSESSION:
        if (wParam) {
            Close();
        }
        return 0;
    }
    return NativeWindow::HandleMessage(message, wParam, lParam);
}

}  // namespace lenzor
