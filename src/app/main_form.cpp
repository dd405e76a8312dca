#include "app/main_form.h"

#include "app/settings.h"
#include "app/start_switches.h"
#include "app/web_addresses.h"
#include "core/errors.h"
#include "lang/ini_lang.h"
#include "lens/lenzor.h"
#include "options/file_system.h"
#include "options/opt_storage_ini.h"
#include "options/opt_system.h"
#include "options/text_encoding.h"
#include "ui/declare.h"
#include "ui/frame_lenzor_opt.h"
#include "ui/image.h"
#include "ui/menu.h"
#include "ui/or_image.h"
#include "ui/page_control.h"
#include "ui/range_controls.h"
#include "ui/std_controls.h"
#include "ui/timer.h"

namespace lenzor {
namespace {

constexpr std::string_view kAutoRunValueName = "Lenzor10Quendal";
// Text files shown on the dialog's pages are read up to this size.
constexpr std::size_t kMaxTextFileSize = std::size_t{4} << 20;

}  // namespace

std::optional<TShortCut> StoredShortCut(std::int32_t value) {
    if (value < 0 || value > 0xFFFF || (value & scKeyMask) > 0xFF) {
        return std::nullopt;
    }
    return static_cast<TShortCut>(value);
}

TForm1::TForm1(MainFormPlatform& platform, std::vector<std::string> arguments)
    : TForm(nullptr, "Form1"), FPlatform(platform), FArguments(std::move(arguments)) {
    CreateComponents();
}

TForm1::~TForm1() {
    // The frame's preview lens and timers go before the lens they were made beside.
    delete FrameLenzorOpt1;
    FrameLenzorOpt1 = nullptr;
}

// The dialog as laid out at design time, in creation order: the left picture strip, the bottom
// panel with the web link, OK and Cancel, the options frame, the three panels that become the
// "General", "Pro version" and "About" pages, the tray menu and the timer.
void TForm1::CreateComponents() {
    TForm1& f = *this;
    SetCaption("Lenzor");
    SetClientSize(523, 386);
    OnShow = [this](TComponent&) { FormShow(); };
    OnHide = [this](TComponent&) { FormHide(); };
    OnCloseQuery = [this](TComponent&, bool& canClose) { FormCloseQuery(canClose); };
    OnClose = [this](TComponent&) { FormClose(); };

    Image1 = &Declare<TOrImage>(f, &f, "Image1", Bounds(0, 0, 109, 350));
    Image1->SetAlign(TAlign::alLeft);
    PaintBox1 = &Declare<TPaintBox>(f, &f, "PaintBox1", Bounds(6, 314, 97, 28));
    PaintBox1->SetCursor(TCursor::crHandPoint);
    PaintBox1->SetHint("Visit the Lenzor web site");
    PaintBox1->OnClick = [this](TComponent&) { PaintBox1Click(); };
    Panel2 = &Declare<TPanel>(f, &f, "Panel2", Bounds(109, 0, 4, 350));
    Panel2->SetAlign(TAlign::alLeft);
    Panel2->SetBevelOuter(TBevelCut::bvNone);
    Panel1 = &Declare<TPanel>(f, &f, "Panel1", Bounds(0, 350, 523, 36));
    Panel1->SetAlign(TAlign::alBottom);
    Panel1->SetBevelOuter(TBevelCut::bvNone);
    LabelWebAdress = &Declare<TLabel>(f, Panel1, "LabelWebAdress", Bounds(10, 12, 200, 15),
                                      std::string(kWebSiteCaption));
    LabelWebAdress->SetFontColor(clBlue);
    LabelWebAdress->SetCursor(TCursor::crHandPoint);
    LabelWebAdress->SetAnchors(akLeft | akBottom);
    LabelWebAdress->OnClick = [this](TComponent&) { LabelWebAdressClick(); };
    BOK = &Declare<TButton>(f, Panel1, "BOK", Bounds(358, 6, 75, 24), "OK");
    BOK->SetDefault(true);
    BOK->OnClick = [this](TComponent&) { BOKClick(); };
    BCancel = &Declare<TButton>(f, Panel1, "BCancel", Bounds(440, 6, 75, 24), "Cancel");
    BCancel->SetCancel(true);
    BCancel->OnClick = [this](TComponent&) { BCancelClick(); };

    FrameLenzorOpt1 = new TFrameLenzorOpt(
        this, "FrameLenzorOpt1", [this] { return FPlatform.CreateLens(); },
        [this](const std::string& text, const std::string& caption) {
            FPlatform.ShowMessageBox(text, caption, MessageBoxKind::Error);
        });
    FrameLenzorOpt1->SetParent(this);
    FrameLenzorOpt1->SetBounds(113, 0, 410, 350);

    // Panels moved onto pages of the frame's page control in FormCreate.
    PanelGeneralOpt = &Declare<TPanel>(f, nullptr, "PanelGeneralOpt", Bounds(0, 0, 402, 320));
    PanelGeneralOpt->SetBevelOuter(TBevelCut::bvNone);
    Image2 = &Declare<TImage>(f, PanelGeneralOpt, "Image2", Bounds(8, 6, 38, 38));
    Image2->SetTransparent(true);
    Label14 = &Declare<TLabel>(f, PanelGeneralOpt, "Label14", Bounds(54, 8, 340, 40),
                               "Set general parameters for Lenzor application.");
    Label14->SetWordWrap(true);
    GroupBox1 =
        &Declare<TGroupBox>(f, PanelGeneralOpt, "GroupBox1", Bounds(8, 52, 386, 70), " Start ");
    CBAutoRunApp = &Declare<TCheckBox>(f, GroupBox1, "CBAutoRunApp", Bounds(12, 22, 366, 17),
                                       "Run application on Windows startup");
    CBSwitchToGlassAfterRun =
        &Declare<TCheckBox>(f, GroupBox1, "CBSwitchToGlassAfterRun", Bounds(12, 44, 366, 17),
                            "Show Glass after application start");
    Label1 = &Declare<TLabel>(f, PanelGeneralOpt, "Label1", Bounds(10, 140, 210, 15),
                              "Application Language");
    outCBLanguage =
        &Declare<TComboBox>(f, PanelGeneralOpt, "outCBLanguage", Bounds(226, 136, 168, 23));
    outCBLanguage->SetStyle(TComboBoxStyle::csDropDownList);
    outCBLanguage->OnClick = [this](TComponent&) { outCBLanguageClick(); };
    Label2 = &Declare<TLabel>(f, PanelGeneralOpt, "Label2", Bounds(10, 172, 210, 15),
                              "HotKey for Show/Hide Glass");
    HotKey1 = &Declare<THotKey>(f, PanelGeneralOpt, "HotKey1", Bounds(226, 168, 168, 23));
    HotKey1->SetHotKey(49223);
    Label3 = &Declare<TLabel>(f, PanelGeneralOpt, "Label3", Bounds(10, 204, 384, 48),
                              "Note: if hotkey combination resetting when you enter it then such "
                              "hot key  combination already using in your system.");
    Label3->SetWordWrap(true);

    PanelProVersionAdvertise =
        &Declare<TPanel>(f, nullptr, "PanelProVersionAdvertise", Bounds(0, 0, 402, 320));
    PanelProVersionAdvertise->SetBevelOuter(TBevelCut::bvNone);
    Image3 = &Declare<TOrImage>(f, PanelProVersionAdvertise, "Image3", Bounds(8, 6, 386, 80));
    Image3->SetStretch(true);
    Image3->SetCursor(TCursor::crHandPoint);
    Image3->SetHint("Visit  Lenzor Pro  page...");
    Image3->OnClick = [this](TComponent&) { Image3Click(); };
    outMemoProAdv =
        &Declare<TMemo>(f, PanelProVersionAdvertise, "outMemoProAdv", Bounds(8, 92, 386, 198));
    outMemoProAdv->SetReadOnly(true);
    outMemoProAdv->SetVerticalScrollBar(true);
    outMemoProAdv->SetAnchors(akLeft | akTop | akRight | akBottom);
    Label4 = &Declare<TLabel>(f, PanelProVersionAdvertise, "Label4", Bounds(10, 298, 250, 15),
                              "Visit  Lenzor Pro  page...");
    Label4->SetFontColor(clBlue);
    Label4->SetCursor(TCursor::crHandPoint);
    Label4->SetAnchors(akLeft | akBottom);
    Label4->OnClick = [this](TComponent&) { Label4Click(); };

    PanelAbout = &Declare<TPanel>(f, nullptr, "PanelAbout", Bounds(0, 0, 402, 320));
    PanelAbout->SetBevelOuter(TBevelCut::bvNone);
    outMemo1 = &Declare<TMemo>(f, PanelAbout, "outMemo1", Bounds(8, 6, 386, 306));
    outMemo1->SetReadOnly(true);
    outMemo1->SetVerticalScrollBar(true);
    outMemo1->SetAnchors(akLeft | akTop | akRight | akBottom);

    PopupMenuTray = &Declare<TPopupMenu>(f, "PopupMenuTray");
    Showglass1 = &PopupMenuTray->Add("Showglass1", "Show glass");
    Showglass1->SetDefault(true);
    Showglass1->OnClick = [this](TMenuItem&) { Showglass1Click(); };
    MenuOptions1 = &PopupMenuTray->Add("MenuOptions1", "Options...");
    MenuOptions1->OnClick = [this](TMenuItem&) { MenuOptions1Click(); };
    N1 = &PopupMenuTray->Add("N1", "-");
    Exit1 = &PopupMenuTray->Add("Exit1", "Exit");
    Exit1->OnClick = [this](TMenuItem&) { Exit1Click(); };

    Timer1 = &Declare<TTimer>(f, "Timer1");
    Timer1->SetEnabled(false);
    Timer1->SetInterval(10);
    Timer1->OnTimer = [this](TComponent&) { Timer1Timer(); };

    // The buttons come last in the tab order, after the options.
    Panel1->SetParent(nullptr);
    Panel1->SetParent(this);
    LoadPictures();
}

// The pictures are the program's resources; a picture missing from them leaves its place empty.
void TForm1::LoadPictures() {
    Image1->SetPictureOriginal(FPlatform.BitmapResource("STRIP"));
    Image2->SetIcon("GENERALICON");
    FrameLenzorOpt1->Image1->SetIcon("LENSICON");
    FrameLenzorOpt1->Image4->SetIcon("LENSICON");
    const std::string banner = FPlatform.DataResource("PROBANNER");
    if (!banner.empty()) {
        try {
            Image3->SetPictureOriginalJpeg(reinterpret_cast<const std::uint8_t*>(banner.data()),
                                           banner.size());
        } catch (const EImageError&) {
        }
    }
}

void TForm1::FormCreate() {
    FExiting = false;
    FLanguageBuild = ParseStartSwitches(FArguments).languageBuild;
    FAppDir = ProgramFolder();
    SetApplicationMainForm(this);

    FPlatform.CreateHotKeyCtrl([this] { HotKeyPressed(); });
    FPlatform.CreateTrayIcon(*PopupMenuTray);

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

    FrameLenzorOpt1->SetAlign(TAlign::alClient);
    FrameLenzorOpt1->InitControls();
    FrameLenzorOpt1->SetLens(FLens.get());
    FrameLenzorOpt1->PageControl1->OnChange = [this](TComponent&) {
        FrameLenzorOpt1PageControl1Change();
    };

    TPageControl& pages = *FrameLenzorOpt1->PageControl1;
    FSheetGeneral = new TTabSheet(this);
    FSheetGeneral->SetPageControl(&pages);
    FSheetGeneral->SetPageIndex(0);
    PanelGeneralOpt->SetParent(FSheetGeneral);
    PanelGeneralOpt->SetAlign(TAlign::alClient);
    FSheetProVersion = new TTabSheet(this);
    FSheetProVersion->SetPageControl(&pages);
    PanelProVersionAdvertise->SetParent(FSheetProVersion);
    PanelProVersionAdvertise->SetAlign(TAlign::alClient);
    FSheetAbout = new TTabSheet(this);
    FSheetAbout->SetPageControl(&pages);
    PanelAbout->SetParent(FSheetAbout);
    PanelAbout->SetAlign(TAlign::alClient);
    pages.SetActivePageIndex(0);

    if (FOptions->Item(std::string(setting::ShowAfterStart)).GetValue().ToBoolean()) {
        Showglass1Click();
    }

    FillLanguageList(outCBLanguage->Items());
    outCBLanguage->SetItemIndex(outCBLanguage->Items().IndexOf(
        FOptions->Item(std::string(setting::Language)).GetValue().ToString()));
    outCBLanguageClick();

    UpdateTimer1();
}

void TForm1::Timer1Timer() {
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

void TForm1::UpdateTimer1() {
    Timer1->SetEnabled(FLens->IsShown() ||
                       FOptions->Item(std::string(setting::FirstStart)).GetValue().ToBoolean());
}

void TForm1::Showglass1Click() {
    if (Visible()) {
        return;
    }
    FLens->SetShown(!FLens->IsShown());
    Showglass1->SetChecked(FLens->IsShown());
    UpdateTimer1();
}

void TForm1::MenuOptions1Click() {
    OpenSettings();
}

void TForm1::Exit1Click() {
    FExiting = true;
    Close();
}

void TForm1::HotKeyPressed() {
    Showglass1->Click();
}

void TForm1::OpenSettings() {
    FLens->SetShown(false);
    UpdateTimer1();
    FPlatform.RestoreMainForm();
    Showglass1->SetEnabled(false);
    LoadDialogControls();
}

// The lens comes back exactly when it was on before the dialog opened (the check mark).
void TForm1::CloseSettings() {
    FPlatform.SendMainFormToTray();
    FLens->SetShown(Showglass1->Checked());
    UpdateTimer1();
    Showglass1->SetEnabled(true);
}

void TForm1::FormShow() {
    LoadDialogControls();
    FrameLenzorOpt1PageControl1Change();
    if (FLanguageBuild) {
        WriteLanguageTemplates();
    }
}

void TForm1::FormHide() {
    FrameLenzorOpt1->StopPreview();
}

void TForm1::FormCloseQuery(bool& canClose) {
    canClose = FExiting || FSessionEnding;
    if (!canClose) {
        CloseSettings();
    }
}

void TForm1::FormClose() {
    FrameLenzorOpt1->StopPreview();
    ReleaseCurrentLanguageFile();
    FPlatform.Terminate();
}

bool TForm1::WMQueryEndSession() {
    FSessionEnding = true;
    return true;
}

void TForm1::WMEndSession(bool ending) {
    if (ending) {
        Close();
    } else {
        FSessionEnding = false;  // the shutdown was cancelled: the close box hides again
    }
}

void TForm1::LoadDialogControls() {
    FrameLenzorOpt1->LoadFromLens();
    CBAutoRunApp->SetChecked(FPlatform.IsAutoRunSet(kAutoRunValueName, FPlatform.ExecutablePath()));
    CBSwitchToGlassAfterRun->SetChecked(
        FOptions->Item(std::string(setting::ShowAfterStart)).GetValue().ToBoolean());
    HotKey1->SetHotKey(
        StoredShortCut(FOptions->Item(std::string(setting::HotKeyShowGlass)).GetValue().ToInt32())
            .value_or(0));
}

void TForm1::BOKClick() {
    if (CollectSettings()) {
        SaveSettings();
        CloseSettings();
    }
}

void TForm1::BCancelClick() {
    CloseSettings();
}

void TForm1::RegisterShowHotKey() {
    const std::int32_t stored =
        FOptions->Item(std::string(setting::HotKeyShowGlass)).GetValue().ToInt32();
    const std::optional<TShortCut> shortCut = StoredShortCut(stored);
    Showglass1->SetShortCut(shortCut.value_or(0));
    if (!shortCut) {
        return;  // no valid combination: nothing to register
    }
    const TShortCutParts parts = ShortCutToKey(*shortCut);
    // Registering under the same identifier first releases the earlier combination; a taken
    // or empty combination fails without a word (the dialog's note tells the user).
    FPlatform.AddHotKey(0, ShiftToMods(parts.shift), static_cast<std::uint8_t>(parts.key));
}

bool TForm1::CollectSettings() {
    FOptions->Item(std::string(setting::ShowAfterStart))
        .SetValue(Variant(CBSwitchToGlassAfterRun->Checked()));
    // With no language chosen (no language files found) the stored name stays.
    if (outCBLanguage->ItemIndex() >= 0) {
        FOptions->Item(std::string(setting::Language)).SetValue(Variant(outCBLanguage->Text()));
    }
    FOptions->Item(std::string(setting::HotKeyShowGlass))
        .SetValue(Variant(static_cast<std::int32_t>(HotKey1->HotKey())));
    RegisterShowHotKey();
    const bool ok = FrameLenzorOpt1->ApplyToLens(*FLens, true);
    ReadOptionsFromLens(*FLens, *FOptions);
    return ok;
}

void TForm1::SaveSettings() {
    FStorage->Open();
    FOptions->SaveAll();
    FStorage->Close();
    if (!FPlatform.SetAutoRun(kAutoRunValueName, FPlatform.ExecutablePath(),
                              CBAutoRunApp->Checked())) {
        FPlatform.ShowMessageBox(LangText(kMsgAutoRunFailed), "Lenzor", MessageBoxKind::Warning);
    }
}

void TForm1::outCBLanguageClick() {
    ReleaseCurrentLanguageFile();
    SetCurrentLanguageFile(OpenLanguageFile(outCBLanguage->Text()));
    const TLanguageFile* file = CurrentLanguageFile();
    TranslateControls({this}, file);
    FSheetGeneral->SetCaption(LangText(kMsgGeneral));
    FSheetAbout->SetCaption(LangText(kMsgAbout));
    FSheetProVersion->SetCaption(LangText(kMsgProVersion));
    LoadMemo(*outMemo1, LangText(kMsgReadmeFile));
    LoadMemo(*outMemoProAdv, LangText(kMsgProVersionFile));
    if (file) {
        FrameLenzorOpt1->Translate(file);
    }
    LoadDialogControls();
}

// A missing or unreadable file (or a language that names none) leaves the memo empty; the rest
// of the language switch goes on.
void TForm1::LoadMemo(TMemo& memo, const std::string& fileName) {
    std::string bytes;
    if (fileName.empty() ||
        ReadFileStart(FAppDir + fileName, kMaxTextFileSize, bytes) != FileReadResult::Read) {
        memo.Lines().Clear();
        return;
    }
    memo.Lines().SetText(DecodeText(bytes));
}

void TForm1::FrameLenzorOpt1PageControl1Change() {
    const TTabSheet* active = FrameLenzorOpt1->PageControl1->ActivePage();
    FrameLenzorOpt1->CBLZPreview->SetVisible(active != FSheetGeneral && active != FSheetAbout &&
                                             active != FSheetProVersion);
}

void TForm1::LabelWebAdressClick() {
    FPlatform.OpenWithShell(kWebSiteAddress);
}

void TForm1::PaintBox1Click() {
    LabelWebAdressClick();
}

void TForm1::Label4Click() {
    FPlatform.OpenWithShell(kProPageAddress);
}

void TForm1::Image3Click() {
    Label4Click();
}

// Every showing of the dialog in the language-build mode writes "Custom.ini": the frames'
// texts with this form as root, then this form's own through a temporary owner. A failure in
// either run is not reported; the other run goes on.
void TForm1::WriteLanguageTemplates() {
    FPlatform.ShowMessageBox("Language Build", "", MessageBoxKind::Plain);
    try {
        WriteLanguageTemplate(*this);
    } catch (...) {
    }
    TForm temporary;
    temporary.InsertComponent(*this);
    try {
        WriteLanguageTemplate(temporary);
    } catch (...) {
    }
    temporary.RemoveComponent(*this);
}

}  // namespace lenzor
