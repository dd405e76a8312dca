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
#include "app/frame_lenzor_opt.h"
#include "ui/image.h"
#include "ui/menu.h"
#include "ui/or_image.h"
#include "ui/page_control.h"
#include "ui/hot_key.h"
#include "ui/range_controls.h"
#include "ui/std_controls.h"
#include "ui/timer.h"

namespace lenzor {
namespace {

// The dialog's width once its pages are in place; its layout is declared at 523 pixels.
constexpr int kClientWidth = 643;
// Text files shown on the dialog's pages are read up to this size.
constexpr std::size_t kMaxTextFileSize = std::size_t{4} << 20;

}  // namespace

TForm1::TForm1(MainFormPlatform& platform, SettingsDialogHost& host, std::string appDir,
               bool languageBuild)
    : TForm(nullptr, "Form1"), FPlatform(platform), FHost(host), FAppDir(std::move(appDir)),
      FLanguageBuild(languageBuild) {
    CreateComponents();
}

TForm1::~TForm1() {
    // The frame's preview lens and timers go before the lens they were made beside.
    delete FrameLenzorOpt1;
    FrameLenzorOpt1 = nullptr;
}

// The dialog as laid out at design time, in creation order: the left picture strip, the bottom
// panel with the web link, OK and Cancel, the options frame, the three panels that become the
// "General", "Pro version" and "About" pages, the panel of the pixel tools' keys, the tray menu
// and the timer (their handlers are the controller's).
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
    BOK->SetAnchors(akTop | akRight);
    BOK->SetDefault(true);
    BOK->OnClick = [this](TComponent&) { BOKClick(); };
    BCancel = &Declare<TButton>(f, Panel1, "BCancel", Bounds(440, 6, 75, 24), "Cancel");
    BCancel->SetAnchors(akTop | akRight);
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
    Label14->SetAnchors(akLeft | akTop | akRight);
    Label14->SetWordWrap(true);
    GroupBox1 =
        &Declare<TGroupBox>(f, PanelGeneralOpt, "GroupBox1", Bounds(8, 52, 386, 70), " Start ");
    GroupBox1->SetAnchors(akLeft | akTop | akRight);
    CBAutoRunApp = &Declare<TCheckBox>(f, GroupBox1, "CBAutoRunApp", Bounds(12, 22, 366, 17),
                                       "Run application on Windows startup");
    CBAutoRunApp->SetAnchors(akLeft | akTop | akRight);
    CBSwitchToGlassAfterRun =
        &Declare<TCheckBox>(f, GroupBox1, "CBSwitchToGlassAfterRun", Bounds(12, 44, 366, 17),
                            "Show Glass after application start");
    CBSwitchToGlassAfterRun->SetAnchors(akLeft | akTop | akRight);
    Label1 = &Declare<TLabel>(f, PanelGeneralOpt, "Label1", Bounds(10, 140, 210, 15),
                              "Application Language");
    outCBLanguage =
        &Declare<TComboBox>(f, PanelGeneralOpt, "outCBLanguage", Bounds(226, 136, 168, 23));
    outCBLanguage->SetAnchors(akTop | akRight);
    outCBLanguage->SetStyle(TComboBoxStyle::csDropDownList);
    outCBLanguage->OnClick = [this](TComponent&) { outCBLanguageClick(); };
    Label2 = &Declare<TLabel>(f, PanelGeneralOpt, "Label2", Bounds(10, 172, 210, 15),
                              "HotKey for Show/Hide Glass");
    HotKey1 = &Declare<THotKey>(f, PanelGeneralOpt, "HotKey1", Bounds(226, 168, 168, 23));
    HotKey1->SetAnchors(akTop | akRight);
    HotKey1->SetHotKey(49223);
    LabelZoomIn = &Declare<TLabel>(f, PanelGeneralOpt, "LabelZoomIn", Bounds(10, 201, 210, 15),
                                   "HotKey for Zoom in");
    HotKeyZoomIn = &Declare<THotKey>(f, PanelGeneralOpt, "HotKeyZoomIn", Bounds(226, 197, 168, 23));
    HotKeyZoomIn->SetAnchors(akTop | akRight);
    LabelZoomOut = &Declare<TLabel>(f, PanelGeneralOpt, "LabelZoomOut", Bounds(10, 230, 210, 15),
                                    "HotKey for Zoom out");
    HotKeyZoomOut =
        &Declare<THotKey>(f, PanelGeneralOpt, "HotKeyZoomOut", Bounds(226, 226, 168, 23));
    HotKeyZoomOut->SetAnchors(akTop | akRight);
    Label3 = &Declare<TLabel>(f, PanelGeneralOpt, "Label3", Bounds(10, 262, 384, 48),
                              "Note: if hotkey combination resetting when you enter it then such "
                              "hot key  combination already using in your system.");
    Label3->SetAnchors(akLeft | akTop | akRight);
    Label3->SetWordWrap(true);

    PanelProVersionAdvertise =
        &Declare<TPanel>(f, nullptr, "PanelProVersionAdvertise", Bounds(0, 0, 402, 320));
    PanelProVersionAdvertise->SetBevelOuter(TBevelCut::bvNone);
    Image3 = &Declare<TOrImage>(f, PanelProVersionAdvertise, "Image3", Bounds(8, 6, 386, 80));
    Image3->SetAnchors(akLeft | akTop | akRight);
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

    // The keys of the pixel tools, set on the options frame's "Tools" page.
    PanelToolKeys = &Declare<TPanel>(f, nullptr, "PanelToolKeys", Bounds(0, 0, 402, 114));
    PanelToolKeys->SetAnchors(akLeft | akTop | akRight);
    PanelToolKeys->SetBevelOuter(TBevelCut::bvNone);
    GroupBoxToolKeys = &Declare<TGroupBox>(f, PanelToolKeys, "GroupBoxToolKeys",
                                           Bounds(8, 0, 386, 106), "Hot keys");
    GroupBoxToolKeys->SetAnchors(akLeft | akTop | akRight);
    LabelFreeze = &Declare<TLabel>(f, GroupBoxToolKeys, "LabelFreeze", Bounds(10, 24, 200, 15),
                                   "Freeze glass");
    HotKeyFreeze = &Declare<THotKey>(f, GroupBoxToolKeys, "HotKeyFreeze", Bounds(210, 20, 166, 23));
    HotKeyFreeze->SetAnchors(akTop | akRight);
    LabelCopyPicture = &Declare<TLabel>(f, GroupBoxToolKeys, "LabelCopyPicture",
                                        Bounds(10, 52, 200, 15), "Copy glass picture");
    HotKeyCopyPicture =
        &Declare<THotKey>(f, GroupBoxToolKeys, "HotKeyCopyPicture", Bounds(210, 48, 166, 23));
    HotKeyCopyPicture->SetAnchors(akTop | akRight);
    LabelCopyColor = &Declare<TLabel>(f, GroupBoxToolKeys, "LabelCopyColor",
                                      Bounds(10, 80, 200, 15), "Copy colour under pointer");
    HotKeyCopyColor =
        &Declare<THotKey>(f, GroupBoxToolKeys, "HotKeyCopyColor", Bounds(210, 76, 166, 23));
    HotKeyCopyColor->SetAnchors(akTop | akRight);

    PopupMenuTray = &Declare<TPopupMenu>(f, "PopupMenuTray");
    Showglass1 = &PopupMenuTray->Add("Showglass1", "Show glass");
    Showglass1->SetDefault(true);
    Freezeglass1 = &PopupMenuTray->Add("Freezeglass1", "Freeze glass");
    Zoomin1 = &PopupMenuTray->Add("Zoomin1", "Zoom in");
    Zoomout1 = &PopupMenuTray->Add("Zoomout1", "Zoom out");
    Copyglasspicture1 = &PopupMenuTray->Add("Copyglasspicture1", "Copy glass picture");
    Copycolour1 = &PopupMenuTray->Add("Copycolour1", "Copy colour under pointer");
    N2 = &PopupMenuTray->Add("N2", "-");
    MenuOptions1 = &PopupMenuTray->Add("MenuOptions1", "Options...");
    N1 = &PopupMenuTray->Add("N1", "-");
    Exit1 = &PopupMenuTray->Add("Exit1", "Exit");

    Timer1 = &Declare<TTimer>(f, "Timer1");
    Timer1->SetEnabled(false);
    Timer1->SetInterval(10);

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
    FrameLenzorOpt1->Image5->SetIcon("LENSICON");
    const std::string banner = FPlatform.DataResource("PROBANNER");
    if (!banner.empty()) {
        try {
            Image3->SetPictureOriginalJpeg(reinterpret_cast<const std::uint8_t*>(banner.data()),
                                           banner.size());
        } catch (const EImageError&) {
        }
    }
}

void TForm1::CreatePages() {
    FrameLenzorOpt1->SetAlign(TAlign::alClient);
    FrameLenzorOpt1->InitControls();
    FrameLenzorOpt1->SetLens(&FHost.MainLens());
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
    // Below the tools' switches, clear of the preview box in the page's lower right corner.
    PanelToolKeys->SetParent(FrameLenzorOpt1->TabSheet5);
    PanelToolKeys->SetTop(132);
    pages.SetActivePageIndex(0);
    // Six page tabs need more width than the design's 523 pixels give them in every language:
    // the dialog widens once its pages exist, and the controls anchored to the right follow.
    SetClientSize(kClientWidth, ClientHeight());
}

void TForm1::SelectLanguage(const std::string& stored) {
    FillLanguageList(outCBLanguage->Items());
    outCBLanguage->SetItemIndex(outCBLanguage->Items().IndexOf(stored));
    outCBLanguageClick();
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

// The close box (and any other close request) acts like Cancel unless the program is ending.
void TForm1::FormCloseQuery(bool& canClose) {
    canClose = FHost.Terminating();
    if (!canClose) {
        FHost.CloseSettings();
    }
}

void TForm1::FormClose() {
    FrameLenzorOpt1->StopPreview();
    FHost.DialogClosed();
}

void TForm1::LoadDialogControls() {
    FrameLenzorOpt1->LoadFromLens();
    const GeneralSettings general = FHost.CurrentGeneralSettings();
    CBAutoRunApp->SetChecked(general.autoRun);
    CBSwitchToGlassAfterRun->SetChecked(general.showAfterStart);
    for (std::size_t i = 0; i < kHotKeyActionCount; ++i) {
        HotKeyFor(static_cast<HotKeyAction>(i)).SetHotKey(general.hotKeys[i]);
    }
}

GeneralSettings TForm1::ReadGeneralPage() const {
    GeneralSettings general;
    general.autoRun = CBAutoRunApp->Checked();
    general.showAfterStart = CBSwitchToGlassAfterRun->Checked();
    if (outCBLanguage->ItemIndex() >= 0) {
        general.language = outCBLanguage->Text();
    }
    for (std::size_t i = 0; i < kHotKeyActionCount; ++i) {
        general.hotKeys[i] = HotKeyFor(static_cast<HotKeyAction>(i)).HotKey();
    }
    return general;
}

THotKey& TForm1::HotKeyFor(HotKeyAction action) const {
    THotKey* const keys[] = {HotKey1,      HotKeyZoomIn,      HotKeyZoomOut,
                             HotKeyFreeze, HotKeyCopyPicture, HotKeyCopyColor};
    return *keys[static_cast<std::size_t>(action)];
}

TMenuItem& TForm1::MenuItemFor(HotKeyAction action) const {
    TMenuItem* const items[] = {Showglass1,   Zoomin1,           Zoomout1,
                                Freezeglass1, Copyglasspicture1, Copycolour1};
    return *items[static_cast<std::size_t>(action)];
}

bool TForm1::ApplyOptionPages(TLenzor& lens) {
    return FrameLenzorOpt1->ApplyToLens(lens, true);
}

void TForm1::BOKClick() {
    if (FHost.CommitSettings(ReadGeneralPage())) {
        FHost.CloseSettings();
    }
}

void TForm1::BCancelClick() {
    FHost.CloseSettings();
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
