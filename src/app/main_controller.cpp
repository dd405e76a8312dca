#include "app/main_controller.h"

#include "app/settings.h"
#include "app/start_switches.h"
#include "app/zoom_steps.h"
#include "core/errors.h"
#include "lang/ini_lang.h"
#include "lens/lens_overlay_text.h"
#include "lens/lenzor.h"
#include "options/file_system.h"
#include "options/opt_storage_ini.h"
#include "options/opt_system.h"
#include "ui/menu.h"
#include "ui/timer.h"

namespace lenzor {
namespace {

struct HotKeyBinding {
    HotKeyAction action;
    std::string_view setting;
};

constexpr HotKeyBinding kHotKeyBindings[] = {
    {HotKeyAction::ShowGlass, setting::HotKeyShowGlass},
    {HotKeyAction::ZoomIn, setting::HotKeyZoomIn},
    {HotKeyAction::ZoomOut, setting::HotKeyZoomOut},
    {HotKeyAction::Freeze, setting::HotKeyFreeze},
    {HotKeyAction::CopyPicture, setting::HotKeyCopy},
    {HotKeyAction::CopyColor, setting::HotKeyCopyColor},
};

// The hot-key component knows each key by the number of its action.
THKeyID IdOf(HotKeyAction action) {
    return static_cast<THKeyID>(action);
}

std::string_view SettingOf(HotKeyAction action) {
    return kHotKeyBindings[static_cast<std::size_t>(action)].setting;
}

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
    f.Freezeglass1->OnClick = [this](TMenuItem&) { Freezeglass1Click(); };
    f.Zoomin1->OnClick = [this](TMenuItem&) { Zoomin1Click(); };
    f.Zoomout1->OnClick = [this](TMenuItem&) { Zoomout1Click(); };
    f.Copyglasspicture1->OnClick = [this](TMenuItem&) { Copyglasspicture1Click(); };
    f.Copycolour1->OnClick = [this](TMenuItem&) { Copycolour1Click(); };
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
    FDeferKeyReports = true;  // told once the language is chosen
    RegisterHotKeys();
    ApplyOptionsToLens(*FOptions, *FLens);

    FForm->CreatePages();

    if (FOptions->Item(std::string(setting::ShowAfterStart)).GetValue().ToBoolean()) {
        Showglass1Click();
    }

    FForm->SelectLanguage(FOptions->Item(std::string(setting::Language)).GetValue().ToString());

    FDeferKeyReports = false;
    for (const auto& [action, shortCut] : FDeferredKeyReports) {
        ReportTakenKey(action, shortCut);
    }
    FDeferredKeyReports.clear();
    LensShownChanged();  // the tools' entries and keys, and Timer1
}

void TMainController::Timer1Timer() {
    FLens->Tick();
    TOptItem& firstStart = FOptions->Item(std::string(setting::FirstStart));
    if (firstStart.GetValue().ToBoolean()) {
        firstStart.SetValue(Variant(false));
        UpdateTimer1();
        SaveSetting(firstStart);  // a settings file that cannot be written still opens the dialog
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

void TMainController::LensShownChanged() {
    UpdateTimer1();
    const bool shown = FLens->IsShown();
    for (HotKeyAction action : {HotKeyAction::ZoomIn, HotKeyAction::ZoomOut, HotKeyAction::Freeze,
                                HotKeyAction::CopyPicture, HotKeyAction::CopyColor}) {
        FForm->MenuItemFor(action).SetEnabled(shown);
        RegisterHotKey(action);
    }
    FForm->Freezeglass1->SetChecked(FLens->Frozen());  // hiding the lens unfreezes it
}

void TMainController::Showglass1Click() {
    if (FForm->Visible()) {
        return;
    }
    FLens->SetShown(!FLens->IsShown());
    FForm->Showglass1->SetChecked(FLens->IsShown());
    LensShownChanged();
}

void TMainController::Freezeglass1Click() {
    FLens->SetFrozen(!FLens->Frozen());
    FForm->Freezeglass1->SetChecked(FLens->Frozen());
}

void TMainController::Zoomin1Click() {
    StepLensZoom(true);
}

void TMainController::Zoomout1Click() {
    StepLensZoom(false);
}

// The new factor shows at once and is stored at once, alone: every other line of the settings
// file stays as it is.
void TMainController::StepLensZoom(bool zoomIn) {
    const std::optional<double> factor = StepZoom(FLens->ZoomFactor(), zoomIn);
    if (!factor) {
        return;  // at the end of the list
    }
    FLens->SetZoomFactor(*factor);
    if (!FLens->Frozen()) {
        FLens->UpdateLens(false);
    }
    FLens->ShowZoomBadge();
    TOptItem& item = FOptions->Item(std::string(setting::ZoomFactor));
    item.SetValue(Variant(*factor));
    SaveSetting(item);
}

void TMainController::Copyglasspicture1Click() {
    const Bitmap24 picture = FLens->Picture();
    if (!picture.Empty()) {
        FPlatform.CopyPictureToClipboard(picture);
    }
}

void TMainController::Copycolour1Click() {
    if (const std::optional<std::uint32_t> color = FLens->ColorUnderPointer()) {
        FPlatform.CopyTextToClipboard(HexColorText(*color));
    }
}

void TMainController::MenuOptions1Click() {
    OpenSettings();
}

void TMainController::Exit1Click() {
    FExiting = true;
    FForm->Close();
}

void TMainController::HotKeyPressed(THKeyID id) {
    if (id < kHotKeyActionCount) {
        FForm->MenuItemFor(static_cast<HotKeyAction>(id)).Click();
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
    LensShownChanged();
    FPlatform.RestoreMainForm();
    FForm->Showglass1->SetEnabled(false);
    FForm->LoadDialogControls();
}

// The lens comes back exactly when it was on before the dialog opened (the check mark).
void TMainController::CloseSettings() {
    FPlatform.SendMainFormToTray();
    FLens->SetShown(FForm->Showglass1->Checked());
    LensShownChanged();
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
    for (const HotKeyBinding& binding : kHotKeyBindings) {
        general.hotKeys[static_cast<std::size_t>(binding.action)] =
            StoredShortCut(FOptions->Item(std::string(binding.setting)).GetValue().ToInt32())
                .value_or(0);
    }
    return general;
}

bool TMainController::CommitSettings(const GeneralSettings& general) {
    return CollectSettings(general) && SaveSettings(general.autoRun);
}

void TMainController::RegisterHotKeys() {
    for (const HotKeyBinding& binding : kHotKeyBindings) {
        RegisterHotKey(binding.action);
    }
}

// Registering under the action's identifier first releases the key it held. A value that is no
// combination (none, or a hand-edited one) registers nothing; a key another program holds is
// reported once and its tray entry shows no shortcut.
void TMainController::RegisterHotKey(HotKeyAction action) {
    const THKeyID id = IdOf(action);
    TMenuItem& item = FForm->MenuItemFor(action);
    const std::optional<TShortCut> stored =
        StoredShortCut(FOptions->Item(std::string(SettingOf(action))).GetValue().ToInt32());
    const TShortCutParts parts = ShortCutToKey(stored.value_or(0));
    if (!stored || parts.key == 0) {
        FPlatform.RemoveHotKey(id);
        FTakenKeys.erase(action);
        item.SetShortCut(0);
        return;
    }
    if (action != HotKeyAction::ShowGlass && !FLens->IsShown()) {
        FPlatform.RemoveHotKey(id);
        item.SetShortCut(FTakenKeys.contains(action) ? 0 : *stored);
        return;
    }
    if (FPlatform.AddHotKey(id, ShiftToMods(parts.shift), static_cast<std::uint8_t>(parts.key))) {
        FTakenKeys.erase(action);
        item.SetShortCut(*stored);
        return;
    }
    FTakenKeys.insert(action);
    item.SetShortCut(0);
    if (FReportedKeys.insert({action, *stored}).second) {
        if (FDeferKeyReports) {
            FDeferredKeyReports.emplace_back(action, *stored);
        } else {
            ReportTakenKey(action, *stored);
        }
    }
}

void TMainController::ReportTakenKey(HotKeyAction action, TShortCut shortCut) {
    FPlatform.ShowMessageBox(FormatMessage1(LangText(kMsgHotKeyTaken),
                                            ShortCutToText(shortCut) + " (" +
                                                FForm->MenuItemFor(action).Caption() + ")"),
                             "Lenzor", MessageBoxKind::Warning);
}

bool TMainController::CollectSettings(const GeneralSettings& general) {
    FOptions->Item(std::string(setting::ShowAfterStart)).SetValue(Variant(general.showAfterStart));
    // With no language chosen (no language files found) the stored name stays.
    if (!general.language.empty()) {
        FOptions->Item(std::string(setting::Language)).SetValue(Variant(general.language));
    }
    for (const HotKeyBinding& binding : kHotKeyBindings) {
        FOptions->Item(std::string(binding.setting))
            .SetValue(Variant(static_cast<std::int32_t>(
                general.hotKeys[static_cast<std::size_t>(binding.action)])));
    }
    RegisterHotKeys();
    const bool ok = FForm->ApplyOptionPages(*FLens);
    ReadOptionsFromLens(*FLens, *FOptions);
    return ok;
}

// The autorun choice is applied even when the file cannot be written: it lives elsewhere.
bool TMainController::SaveSettings(bool autoRun) {
    bool saved = true;
    try {
        FStorage->Open();
        FOptions->SaveAll();
        FStorage->Close();
    } catch (const EIniFileException& e) {
        saved = false;
        ReportSaveFailure(e.what());
    }
    if (!FPlatform.SetAutoRun(kAutoRunValueName, FPlatform.ExecutablePath(), autoRun)) {
        FPlatform.ShowMessageBox(LangText(kMsgAutoRunFailed), "Lenzor", MessageBoxKind::Warning);
    }
    return saved;
}

bool TMainController::SaveSetting(TOptItem& item) {
    try {
        FStorage->Open();
        item.Save();
        FStorage->Close();
        return true;
    } catch (const EIniFileException& e) {
        ReportSaveFailure(e.what());
        return false;
    }
}

void TMainController::ReportSaveFailure(const std::string& reason) {
    FPlatform.ShowMessageBox(FormatMessage1(LangText(kMsgSettingsNotSaved), reason),
                             LangText(kMsgErrorCaption), MessageBoxKind::Error);
}

}  // namespace lenzor
