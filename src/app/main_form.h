// TForm1: the program's controller and its settings dialog. It owns the lens and drives it
// from Timer1, keeps the nineteen settings and "Lenzor.ini", owns the tray menu and the hot
// key (through the platform), and is the five-page dialog that edits it all. Everything the
// system must do for it goes through MainFormPlatform, so its whole behaviour runs natively.
#pragma once

#include "effects/bitmap.h"
#include "hotkey/hot_key_mods.h"
#include "ui/forms.h"
#include "ui/shortcut.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lenzor {

class TLenzor;
class TOptStorageINIFile;
class TOptSystem;
class TFrameLenzorOpt;
class TImage;
class TOrImage;
class TPaintBox;
class TPanel;
class TLabel;
class TButton;
class TGroupBox;
class TCheckBox;
class TComboBox;
class THotKey;
class TMemo;
class TTabSheet;
class TTimer;
class TPopupMenu;
class TMenuItem;

enum class MessageBoxKind { Plain, Error, Warning };

// What the main form needs from the system.
class MainFormPlatform {
public:
    virtual ~MainFormPlatform() = default;
    // The hot-key component (presses call onPressed) and the tray icon showing the menu; both
    // live as long as the form.
    virtual void CreateHotKeyCtrl(std::function<void()> onPressed) = 0;
    virtual bool AddHotKey(THKeyID id, THKeyMods modifiers, std::uint8_t key) = 0;
    virtual void CreateTrayIcon(TPopupMenu& menu) = 0;
    // Shows the form (restoring the application) / hides it and its taskbar button.
    virtual void RestoreMainForm() = 0;
    virtual void SendMainFormToTray() = 0;
    // A hidden lens on the system's screen; the main lens and the preview are made alike.
    virtual std::unique_ptr<TLenzor> CreateLens() = 0;
    virtual bool IsAutoRunSet(std::string_view name, std::string_view path) = 0;
    // Whether the choice took effect.
    virtual bool SetAutoRun(std::string_view name, std::string_view path, bool enable) = 0;
    virtual void OpenWithShell(std::string_view target) = 0;
    virtual void ShowMessageBox(const std::string& text, const std::string& caption,
                            MessageBoxKind kind) = 0;
    // The executable's full path (the autorun value holds it).
    virtual std::string ExecutablePath() = 0;
    // The program's own pictures: a bitmap resource, and the bytes of a data resource (the
    // JPEG banner). Empty when there is none.
    virtual Bitmap24 BitmapResource(std::string_view name) = 0;
    virtual std::string DataResource(std::string_view name) = 0;
    // Ends the message loop and so the program.
    virtual void Terminate() = 0;
};

class TForm1 : public TForm {
public:
    // Lays out the components; nothing else happens until FormCreate.
    TForm1(MainFormPlatform& platform, std::vector<std::string> arguments);
    ~TForm1() override;

    // Builds everything and loads the settings; the form's own window may exist already.
    void FormCreate();

    TLenzor& Lens() { return *FLens; }
    TOptSystem& Options() { return *FOptions; }
    bool LanguageBuild() const { return FLanguageBuild; }
    // The user chose "Exit" or Windows ends the session: a close request really closes.
    bool Terminating() const { return FExiting || FSessionEnding; }

    // Event handlers, public so that the platform and the tests can run them as the user does.
    void Timer1Timer();
    void Showglass1Click();
    void MenuOptions1Click();
    void Exit1Click();
    void HotKeyPressed();
    void FormShow();
    void FormHide();
    void FormCloseQuery(bool& canClose);
    void FormClose();
    void BOKClick();
    void BCancelClick();
    void outCBLanguageClick();
    void FrameLenzorOpt1PageControl1Change();
    void LabelWebAdressClick();
    void PaintBox1Click();
    void Label4Click();
    void Image3Click();
    // Windows asks whether the session may end: always yes. WM_ENDSESSION then tells whether
    // it really ends (the program closes) or was cancelled (it goes on as before).
    bool WMQueryEndSession();
    void WMEndSession(bool ending);

    void OpenSettings();
    void CloseSettings();
    void LoadDialogControls();

    // Components, in creation order.
    TOrImage* Image1;
    TPaintBox* PaintBox1;
    TPanel* Panel2;
    TPanel* Panel1;
    TLabel* LabelWebAdress;
    TButton* BOK;
    TButton* BCancel;
    TFrameLenzorOpt* FrameLenzorOpt1;
    TPanel* PanelGeneralOpt;
    TImage* Image2;
    TLabel* Label14;
    TGroupBox* GroupBox1;
    TCheckBox* CBAutoRunApp;
    TCheckBox* CBSwitchToGlassAfterRun;
    TLabel* Label1;
    TComboBox* outCBLanguage;
    TLabel* Label2;
    THotKey* HotKey1;
    TLabel* Label3;
    TPanel* PanelProVersionAdvertise;
    TOrImage* Image3;
    TMemo* outMemoProAdv;
    TLabel* Label4;
    TPanel* PanelAbout;
    TMemo* outMemo1;
    TPopupMenu* PopupMenuTray;
    TMenuItem* Showglass1;
    TMenuItem* MenuOptions1;
    TMenuItem* N1;
    TMenuItem* Exit1;
    TTimer* Timer1;

    TTabSheet* FSheetGeneral = nullptr;
    TTabSheet* FSheetProVersion = nullptr;
    TTabSheet* FSheetAbout = nullptr;

private:
    void CreateComponents();
    void LoadPictures();
    void RegisterShowHotKey();
    bool CollectSettings();
    void SaveSettings();
    void LoadMemo(TMemo& memo, const std::string& fileName);
    void WriteLanguageTemplates();
    // Timer1 runs only while there is work for it: a shown lens or the first-start check.
    void UpdateTimer1();

    MainFormPlatform& FPlatform;
    std::vector<std::string> FArguments;
    std::unique_ptr<TLenzor> FLens;
    std::unique_ptr<TOptStorageINIFile> FStorage;
    std::unique_ptr<TOptSystem> FOptions;
    std::string FAppDir;
    bool FLanguageBuild = false;
    bool FExiting = false;
    bool FSessionEnding = false;
};

// The shortcut of a stored "Common.HotKeyShowGlass" value, or none when the value is no valid
// combination (outside 16 bits, or a key code above 255).
std::optional<TShortCut> StoredShortCut(std::int32_t value);

}  // namespace lenzor
