// TMainController: the program itself. It owns the lens and drives it from Timer1, keeps the
// settings and "Lenzor.ini", registers the hot keys, answers the tray menu, sets the autorun
// value, and opens and closes the settings dialog (TForm1), which it owns. Everything the
// system must do for it goes through MainFormPlatform, so its whole behaviour runs natively.
#pragma once

#include "app/main_form.h"
#include "app/main_platform.h"
#include "ui/shortcut.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace lenzor {

class TLenzor;
class TOptItem;
class TOptStorageINIFile;
class TOptSystem;

class TMainController : public SettingsDialogHost {
public:
    // Creates the dialog's components; nothing else happens until FormCreate.
    TMainController(MainFormPlatform& platform, std::vector<std::string> arguments);
    ~TMainController() override;

    // Builds everything and loads the settings; the dialog's window may exist already.
    void FormCreate();

    TForm1& Form() { return *FForm; }
    TLenzor& Lens() { return *FLens; }
    TOptSystem& Options() { return *FOptions; }
    bool LanguageBuild() const { return FLanguageBuild; }

    // Event handlers, public so that the platform and the tests can run them as the user does.
    void Timer1Timer();
    void Showglass1Click();
    void Freezeglass1Click();
    void Zoomin1Click();
    void Zoomout1Click();
    void Copyglasspicture1Click();
    void Copycolour1Click();
    void MenuOptions1Click();
    void Exit1Click();
    // A registered hot key: clicks its tray menu entry, which does nothing while disabled.
    void HotKeyPressed(THKeyID id);
    // Windows asks whether the session may end: always yes. WM_ENDSESSION then tells whether
    // it really ends (the program closes) or was cancelled (it goes on as before).
    bool WMQueryEndSession();
    void WMEndSession(bool ending);

    void OpenSettings();

    // SettingsDialogHost
    TLenzor& MainLens() override { return *FLens; }
    GeneralSettings CurrentGeneralSettings() override;
    bool CommitSettings(const GeneralSettings& general) override;
    void CloseSettings() override;
    bool Terminating() const override { return FExiting || FSessionEnding; }
    void DialogClosed() override;

private:
    // The show/hide key is registered for the whole run; the others only while the lens shows,
    // so they take no keys from other programs while Lenzor is idle.
    void RegisterHotKeys();
    void RegisterHotKey(HotKeyAction action);
    void ReportTakenKey(HotKeyAction action, TShortCut shortCut);
    // After the lens was shown or hidden: the timer, the tools' keys and tray entries.
    void LensShownChanged();
    void StepLensZoom(bool zoomIn);
    bool CollectSettings(const GeneralSettings& general);
    // False, after telling the user, when the file cannot be written.
    bool SaveSettings(bool autoRun);
    bool SaveSetting(TOptItem& item);
    void ReportSaveFailure(const std::string& reason);
    // Timer1 runs only while there is work for it: a shown lens or the first-start check.
    void UpdateTimer1();

    MainFormPlatform& FPlatform;
    std::vector<std::string> FArguments;
    std::string FAppDir;
    bool FLanguageBuild;
    std::unique_ptr<TLenzor> FLens;
    std::unique_ptr<TOptStorageINIFile> FStorage;
    std::unique_ptr<TOptSystem> FOptions;
    // Declared last, so it goes first: the frame's preview lens and timers go before the lens
    // they were made beside.
    std::unique_ptr<TForm1> FForm;
    bool FExiting = false;
    bool FSessionEnding = false;
    // Keys another program held at their last registration (not shown as working), and the
    // ones already reported, so each is told once a run.
    std::set<HotKeyAction> FTakenKeys;
    std::set<std::pair<HotKeyAction, TShortCut>> FReportedKeys;
    // At start-up the keys are registered before the language is chosen; their reports wait.
    bool FDeferKeyReports = false;
    std::vector<std::pair<HotKeyAction, TShortCut>> FDeferredKeyReports;
};

// The shortcut of a stored hot-key value, or none when the value is no valid combination
// (outside 16 bits, or a key code above 255).
std::optional<TShortCut> StoredShortCut(std::int32_t value);

}  // namespace lenzor
