// TForm1: the five-page settings dialog. It lays out its components (the tray menu and the
// lens timer are components of this form too, so the language files reach them by name),
// fills its controls from the program's values, reads them back on OK, switches the interface
// language and writes the language template. What the program does with the values is its
// host's business (main_controller.h); what it needs from the system goes through the platform.
#pragma once

#include "app/main_platform.h"
#include "ui/forms.h"
#include "ui/shortcut.h"

#include <array>
#include <optional>
#include <string>

namespace lenzor {

class TLenzor;
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
class TLanguageFile;

// What the hot keys do; each has its key control on the dialog and its tray menu entry.
enum class HotKeyAction { ShowGlass, ZoomIn, ZoomOut, Freeze, CopyPicture, CopyColor };
inline constexpr std::size_t kHotKeyActionCount = 6;

// The dialog's values that are no lens parameters.
struct GeneralSettings {
    bool autoRun = false;
    bool showAfterStart = false;
    std::string language;  // read back only; empty: none chosen (no language files found)
    std::array<TShortCut, kHotKeyActionCount> hotKeys{};  // by HotKeyAction
};

// What the dialog asks of the program.
class SettingsDialogHost {
public:
    virtual ~SettingsDialogHost() = default;
    // The lens whose parameters the option pages edit.
    virtual TLenzor& MainLens() = 0;
    virtual GeneralSettings CurrentGeneralSettings() = 0;
    // OK: stores the page's values and the option pages' (TForm1::ApplyOptionPages); true
    // when everything was valid and saved, so the dialog may close.
    virtual bool CommitSettings(const GeneralSettings& general) = 0;
    // Cancel, the close box, and OK once committed: the dialog goes back to the tray.
    virtual void CloseSettings() = 0;
    // A close request really closes (Exit, or the end of the Windows session).
    virtual bool Terminating() const = 0;
    // The dialog closed for real: the program ends.
    virtual void DialogClosed() = 0;
};

class TForm1 : public TForm {
public:
    // Lays out the components and loads the pictures; nothing else happens until
    // CreatePages.
    TForm1(MainFormPlatform& platform, SettingsDialogHost& host, std::string appDir,
           bool languageBuild);
    ~TForm1() override;

    // Once, at start-up: the frame's set-up and the three extra pages.
    void CreatePages();
    // Fills the language list and applies the stored language (none when it is not there).
    void SelectLanguage(const std::string& stored);

    // Event handlers, public so that the platform and the tests can run them as the user does.
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

    void LoadDialogControls();
    // The option pages into the lens, reporting the first invalid field; false then.
    bool ApplyOptionPages(TLenzor& lens);

    THotKey& HotKeyFor(HotKeyAction action) const;
    TMenuItem& MenuItemFor(HotKeyAction action) const;

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
    TLabel* LabelZoomIn;
    THotKey* HotKeyZoomIn;
    TLabel* LabelZoomOut;
    THotKey* HotKeyZoomOut;
    TLabel* Label3;
    TPanel* PanelProVersionAdvertise;
    TOrImage* Image3;
    TMemo* outMemoProAdv;
    TLabel* Label4;
    TPanel* PanelAbout;
    TMemo* outMemo1;
    TPanel* PanelToolKeys;
    TGroupBox* GroupBoxToolKeys;
    TLabel* LabelFreeze;
    THotKey* HotKeyFreeze;
    TLabel* LabelCopyPicture;
    THotKey* HotKeyCopyPicture;
    TLabel* LabelCopyColor;
    THotKey* HotKeyCopyColor;
    TPopupMenu* PopupMenuTray;
    TMenuItem* Showglass1;
    TMenuItem* Freezeglass1;
    TMenuItem* Zoomin1;
    TMenuItem* Zoomout1;
    TMenuItem* Copyglasspicture1;
    TMenuItem* Copycolour1;
    TMenuItem* N2;
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
    GeneralSettings ReadGeneralPage() const;
    void LoadMemo(TMemo& memo, const std::string& fileName);
    void WriteLanguageTemplates();

    MainFormPlatform& FPlatform;
    SettingsDialogHost& FHost;
    std::string FAppDir;
    bool FLanguageBuild;
};

}  // namespace lenzor
