#include "app/main_controller.h"

#include "app/frame_lenzor_opt.h"
#include "app/settings.h"
#include "app/start_switches.h"
#include "core/errors.h"
#include "lang/ini_lang.h"
#include "lens/lenzor.h"
#include "options/file_system.h"
#include "options/opt_storage_ini.h"
#include "options/opt_system.h"
#include "ui/menu.h"
#include "ui/timer.h"

namespace lenzor {
namespace {

constexpr THKeyID kShowGlassHotKey = 0;

}  // namespace

std::optional<TShortCut> StoredShortCut(std::int32_t value) {
    if (value < 0 || value > 0xFFFF || (value & scKeyMask) > 0xFF) {
        return std::nullopt;
    }
    return static_cast<TShortCut>(value);
}

TMainController::TMainController(MainFormPlatform& platform, std::vector<std::string> arguments)
    : FPlatform(platform), FArguments(std::move(arguments)), FAppDir(ProgramFolder()),
      FLanguageBuild(ParseStartSwitches(FArguments).languageBuild),
      FForm(std::make_unique<TForm1>(platform, *this, FAppDir, FLanguageBuild)) {
    TForm1& f = *FForm;
    f.Showglass1->OnClick = [this](TMenuItem&) { Showglass1Click(); };
    f.MenuOptions1->OnClick = [this](TMenuItem&) { MenuOptions1Click(); };
    f.Exit1->OnClick = [this](TMenuItem&) { Exit1Click(); };
    f.Timer1->OnTimer = [this](TComponent&) { Timer1Timer(); };
}

TMainController::~TMainController() = default;

void TMainController::FormCreate() {
    FExiting = false;
    SetApplicationMainForm(FForm.get());

    FPlatform.CreateHotKeyCtrl([this](THKeyID id) { HotKeyPressed(id); });
    FPlatform.CreateTrayIcon(*FForm->PopupMenuTray);

    FLens = FPlatform.CreateLens();
    FLens->SetShown(false);

    FStorage = std::make_unique<TOptStorageINIFile>(FAppDir + std::string(kSettingsFileName));
    FOptions = std::make_unique<TOptSystem>(FStorage.get());
    DeclareOptions(*FOptions);
    FStorage->Open();
    FOptions->LoadAll();
    FStorage->Close();
    RegisterShowHotKey();
    ApplyOptionsToLens(*FOptions, *FLens);

    FForm->CreatePages();

    if (FOptions->Item(std::string(setting::ShowAfterStart)).GetValue().ToBoolean()) {
        Showglass1Click();
    }

    FForm->SelectLanguage(FOptions->Item(std::string(setting::Language)).GetValue().ToString());

    UpdateTimer1();
}

void TMainController::Timer1Timer() {
    FLens->Tick();
    TOptItem& firstStart = FOptions->Item(std::string(setting::FirstStart));
    if (firstStart.GetValue().ToBoolean()) {
        firstStart.SetValue(Variant(false));
        UpdateTimer1();
        FStorage->Open();
        firstStart.Save();
        FStorage->Close();
        OpenSettings();
    }
    // A redraw that failed is skipped by the lens; its text reaches the error box once.
    if (std::optional<std::string> failure = FLens->TakeNewFailure()) {
        throw Exception(*failure);
    }
}

void TMainController::UpdateTimer1() {
    FForm->Timer1->SetEnabled(
        FLens->IsShown() ||
        FOptions->Item(std::string(setting::FirstStart)).GetValue().ToBoolean());
}

void TMainController::Showglass1Click() {
    if (FForm->Visible()) {
        return;
    }
    FLens->SetShown(!FLens->IsShown());
    FForm->Showglass1->SetChecked(FLens->IsShown());
    UpdateTimer1();
}

void TMainController::MenuOptions1Click() {
    OpenSettings();
}

void TMainController::Exit1Click() {
    FExiting = true;
    FForm->Close();
}

void TMainController::HotKeyPressed(THKeyID id) {
    if (id == kShowGlassHotKey) {
        FForm->Showglass1->Click();
    }
}

bool TMainController::WMQueryEndSession() {
    FSessionEnding = true;
    return true;
}

void TMainController::WMEndSession(bool ending) {
    if (ending) {
        FForm->Close();
    } else {
        FSessionEnding = false;  // the shutdown was cancelled: the close box hides again
    }
}

void TMainController::OpenSettings() {
    FLens->SetShown(false);
    UpdateTimer1();
    FPlatform.RestoreMainForm();
    FForm->Showglass1->SetEnabled(false);
    FForm->LoadDialogControls();
}

// The lens comes back exactly when it was on before the dialog opened (the check mark).
void TMainController::CloseSettings() {
    FPlatform.SendMainFormToTray();
    FLens->SetShown(FForm->Showglass1->Checked());
    UpdateTimer1();
    FForm->Showglass1->SetEnabled(true);
}

void TMainController::DialogClosed() {
    ReleaseCurrentLanguageFile();
    FPlatform.Terminate();
}

GeneralSettings TMainController::CurrentGeneralSettings() {
    GeneralSettings general;
    general.autoRun = FPlatform.IsAutoRunSet(kAutoRunValueName, FPlatform.ExecutablePath());
    general.showAfterStart =
        FOptions->Item(std::string(setting::ShowAfterStart)).GetValue().ToBoolean();
    general.hotKeyShowGlass =
        StoredShortCut(FOptions->Item(std::string(setting::HotKeyShowGlass)).GetValue().ToInt32())
            .value_or(0);
    return general;
}

bool TMainController::CommitSettings(const GeneralSettings& general) {
    if (!CollectSettings(general)) {
        return false;
    }
    SaveSettings(general.autoRun);
    return true;
}

void TMainController::RegisterShowHotKey() {
    const std::int32_t stored =
        FOptions->Item(std::string(setting::HotKeyShowGlass)).GetValue().ToInt32();
    const std::optional<TShortCut> shortCut = StoredShortCut(stored);
    FForm->Showglass1->SetShortCut(shortCut.value_or(0));
    if (!shortCut) {
        return;  // no valid combination: nothing to register
    }
    const TShortCutParts parts = ShortCutToKey(*shortCut);
    // Registering under the same identifier first releases the earlier combination; a taken
    // or empty combination fails without a word (the dialog's note tells the user).
    FPlatform.AddHotKey(kShowGlassHotKey, ShiftToMods(parts.shift),
                        static_cast<std::uint8_t>(parts.key));
}

bool TMainController::CollectSettings(const GeneralSettings& general) {
    FOptions->Item(std::string(setting::ShowAfterStart)).SetValue(Variant(general.showAfterStart));
    // With no language chosen (no language files found) the stored name stays.
    if (!general.language.empty()) {
        FOptions->Item(std::string(setting::Language)).SetValue(Variant(general.language));
    }
    FOptions->Item(std::string(setting::HotKeyShowGlass))
        .SetValue(Variant(static_cast<std::int32_t>(general.hotKeyShowGlass)));
    RegisterShowHotKey();
    const bool ok = FForm->ApplyOptionPages(*FLens);
    ReadOptionsFromLens(*FLens, *FOptions);
    return ok;
}

void TMainController::SaveSettings(bool autoRun) {
    FStorage->Open();
    FOptions->SaveAll();
    FStorage->Close();
    if (!FPlatform.SetAutoRun(kAutoRunValueName, FPlatform.ExecutablePath(), autoRun)) {
        FPlatform.ShowMessageBox(LangText(kMsgAutoRunFailed), "Lenzor", MessageBoxKind::Warning);
    }
}

}  // namespace lenzor
