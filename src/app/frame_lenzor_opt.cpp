#include "app/frame_lenzor_opt.h"

#include "app/zoom_steps.h"
#include "core/numeric.h"
#include "core/text_forms.h"
#include "lang/ini_lang.h"
#include "lens/lens_modes.h"
#include "lens/lenzor.h"
#include "ui/declare.h"
#include "ui/image.h"
#include "ui/page_control.h"
#include "ui/range_controls.h"
#include "ui/std_controls.h"
#include "ui/timer.h"

#include <cmath>
#include <cstdint>

namespace lenzor {
namespace {

constexpr const char* kLensFeatureText =
    "Set parameters for Lenzor feature. This feature will help you see small details on "
    "monitor or TV.";

bool IsFixedMode(int mode) {
    return mode == pmFixedElusive || mode == pmFixed;
}

}  // namespace

std::string NumberText(double value) {
    return FloatToText(value);
}

TFrameLenzorOpt::TFrameLenzorOpt(TComponent* owner, std::string name, LensFactory newLens,
                                 ErrorBox errorBox)
    : TFrame(owner, std::move(name)), FNewLens(std::move(newLens)), FErrorBox(std::move(errorBox)) {
    CreateComponents();
}

TFrameLenzorOpt::~TFrameLenzorOpt() {
    FPreviewLens.reset();
}

// The frame as laid out at design time, top to bottom; pages are 402 x 320 inside a 410 x 350
// page control, and the lower right corner of every page stays free for "Glass Preview".
void TFrameLenzorOpt::CreateComponents() {
    TFrame& f = *this;
    SetBounds(0, 0, 410, 350);
    PageControl1 = &Declare<TPageControl>(f, &f, "PageControl1", Bounds(0, 0, 410, 350));
    PageControl1->SetAlign(TAlign::alClient);

    TabSheet3 = &Declare<TTabSheet>(f, nullptr, "TabSheet3", {}, "Basic options");
    TabSheet3->SetPageControl(PageControl1);
    Image1 = &Declare<TImage>(f, TabSheet3, "Image1", Bounds(8, 6, 38, 38));
    Label14 = &Declare<TLabel>(f, TabSheet3, "Label14", Bounds(54, 8, 340, 40), kLensFeatureText);
    Label14->SetAnchors(akLeft | akTop | akRight);
    Label14->SetWordWrap(true);
    GroupBox3 = &Declare<TGroupBox>(f, TabSheet3, "GroupBox3", Bounds(8, 52, 386, 66),
                                    "Transparency (Win2000/XP)");
    GroupBox3->SetAnchors(akLeft | akTop | akRight);
    Declare<TLabel>(f, GroupBox3, "Label1", Bounds(10, 46, 150, 15), "Invisible");
    TLabel& fullVisible =
        Declare<TLabel>(f, GroupBox3, "Label2", Bounds(226, 46, 150, 15), "Full visible");
    fullVisible.SetAlignment(TTextAlignment::taRightJustify);
    fullVisible.SetAnchors(akTop | akRight);
    TrackBarLZAlpha = &Declare<TTrackBar>(f, GroupBox3, "TrackBarLZAlpha", Bounds(6, 18, 374, 26));
    TrackBarLZAlpha->SetAnchors(akLeft | akTop | akRight);
    TrackBarLZAlpha->SetRange(0, 255);
    TrackBarLZAlpha->SetTickMarks(false);
    GroupBox4 =
        &Declare<TGroupBox>(f, TabSheet3, "GroupBox4", Bounds(8, 126, 386, 54), "Size (pixels)");
    GroupBox4->SetAnchors(akLeft | akTop | akRight);
    Declare<TLabel>(f, GroupBox4, "Label3", Bounds(10, 25, 100, 15), "Height");
    Declare<TLabel>(f, GroupBox4, "Label5", Bounds(196, 25, 90, 15), "Width");
    SELZSizeH = &Declare<TSpinEdit>(f, GroupBox4, "SELZSizeH", Bounds(112, 21, 70, 23));
    SELZSizeW = &Declare<TSpinEdit>(f, GroupBox4, "SELZSizeW", Bounds(296, 21, 70, 23));
    Label6 = &Declare<TLabel>(f, TabSheet3, "Label6", Bounds(10, 196, 210, 15), "Zoom factor");
    CBLZZoomFactor = &Declare<TComboBox>(f, TabSheet3, "CBLZZoomFactor", Bounds(226, 192, 150, 23));
    CBLZZoomFactor->SetAnchors(akTop | akRight);
    CBLZZoomFactor->SetDropDownCount(16);
    CBLZZoomFactor->OnSelect = [this](TComponent&) { CBLZZoomFactorSelect(); };
    Label4 = &Declare<TLabel>(f, TabSheet3, "Label4", Bounds(10, 228, 210, 15),
                              "Image update interval (sec)");
    EUpdateTimeS = &Declare<TEdit>(f, TabSheet3, "EUpdateTimeS", Bounds(226, 224, 150, 23));
    EUpdateTimeS->SetAnchors(akTop | akRight);
    CBLZLiveFollow = &Declare<TCheckBox>(f, TabSheet3, "CBLZLiveFollow", Bounds(10, 256, 384, 17),
                                         "Redraw while the pointer moves");
    CBLZLiveFollow->SetAnchors(akLeft | akTop | akRight);
    CBLZLiveFollow->SetHint(
        "The picture follows the pointer at the display's pace instead of the update interval");
    CBLZSmooth = &Declare<TCheckBox>(f, TabSheet3, "CBLZSmooth", Bounds(10, 279, 384, 17),
                                     "Smooth enlarged picture");
    CBLZSmooth->SetAnchors(akLeft | akTop | akRight);

    TabSheet4 = &Declare<TTabSheet>(f, nullptr, "TabSheet4", {}, "Advanced options");
    TabSheet4->SetPageControl(PageControl1);
    Image4 = &Declare<TImage>(f, TabSheet4, "Image4", Bounds(8, 6, 38, 38));
    Label20 = &Declare<TLabel>(f, TabSheet4, "Label20", Bounds(54, 8, 340, 40), kLensFeatureText);
    Label20->SetAnchors(akLeft | akTop | akRight);
    Label20->SetWordWrap(true);
    Declare<TBevel>(f, TabSheet4, "Bevel1", Bounds(8, 56, 386, 122))
        .SetAnchors(akLeft | akTop | akRight);
    Label7 = &Declare<TLabel>(f, TabSheet4, "Label7", Bounds(16, 49, 150, 15), "Contrast mode");
    CBLZContrast = &Declare<TComboBox>(f, TabSheet4, "CBLZContrast", Bounds(16, 68, 240, 23));
    CBLZContrast->SetStyle(TComboBoxStyle::csDropDownList);
    CBLZContrast->OnClick = [this](TComponent&) { CBLZContrastClick(); };

    PanelFixedContrastOpt =
        &Declare<TPanel>(f, TabSheet4, "PanelFixedContrastOpt", Bounds(12, 94, 378, 80));
    PanelFixedContrastOpt->SetAnchors(akLeft | akTop | akRight);
    PanelFixedContrastOpt->SetBevelOuter(
        TBevelCut::bvNone);  // before its anchored controls measure it
    Declare<TLabel>(f, PanelFixedContrastOpt, "Label8", Bounds(4, 3, 92, 15), "Brightness");
    Declare<TLabel>(f, PanelFixedContrastOpt, "Label9", Bounds(4, 22, 92, 15), "Contrast");
    Declare<TLabel>(f, PanelFixedContrastOpt, "Label11", Bounds(4, 41, 92, 15), "Saturation");
    TrackBarBrightness =
        &Declare<TTrackBar>(f, PanelFixedContrastOpt, "TrackBarBrightness", Bounds(98, 0, 280, 20));
    TrackBarBrightness->SetAnchors(akLeft | akTop | akRight);
    TrackBarBrightness->SetRange(-255, 255);
    TrackBarContrast =
        &Declare<TTrackBar>(f, PanelFixedContrastOpt, "TrackBarContrast", Bounds(98, 19, 280, 20));
    TrackBarContrast->SetAnchors(akLeft | akTop | akRight);
    TrackBarContrast->SetRange(-255, 1500);
    TrackBarSaturation = &Declare<TTrackBar>(f, PanelFixedContrastOpt, "TrackBarSaturation",
                                             Bounds(98, 38, 280, 20));
    TrackBarSaturation->SetAnchors(akLeft | akTop | akRight);
    TrackBarSaturation->SetRange(-255, 1500);
    for (TTrackBar* bar : {TrackBarBrightness, TrackBarContrast, TrackBarSaturation}) {
        bar->SetTickMarks(false);
    }
    Declare<TLabel>(f, PanelFixedContrastOpt, "Label12", Bounds(4, 61, 92, 15), "Presets:");
    Button2 =
        &Declare<TButton>(f, PanelFixedContrastOpt, "Button2", Bounds(98, 57, 86, 22), "None");
    Button2->OnClick = [this](TComponent&) { Button2Click(); };
    Button1 =
        &Declare<TButton>(f, PanelFixedContrastOpt, "Button1", Bounds(190, 57, 86, 22), "Intense");
    Button1->OnClick = [this](TComponent&) { Button1Click(); };

    PanelBrokenTVContrastOpt =
        &Declare<TPanel>(f, TabSheet4, "PanelBrokenTVContrastOpt", Bounds(12, 94, 378, 80));
    PanelBrokenTVContrastOpt->SetAnchors(akLeft | akTop | akRight);
    PanelBrokenTVContrastOpt->SetBevelOuter(
        TBevelCut::bvNone);  // before its anchored controls measure it
    Declare<TLabel>(f, PanelBrokenTVContrastOpt, "Label13", Bounds(4, 8, 92, 15), "Breakage");
    TrackBarBreakageTV = &Declare<TTrackBar>(f, PanelBrokenTVContrastOpt, "TrackBarBreakageTV",
                                             Bounds(98, 2, 280, 30));
    TrackBarBreakageTV->SetAnchors(akLeft | akTop | akRight);
    TrackBarBreakageTV->SetRange(-7, 10);

    Declare<TBevel>(f, TabSheet4, "Bevel2", Bounds(8, 190, 386, 104))
        .SetAnchors(akLeft | akTop | akRight);
    Label10 = &Declare<TLabel>(f, TabSheet4, "Label10", Bounds(16, 183, 150, 15), "Glass Position");
    CBLZPosition2 = &Declare<TComboBox>(f, TabSheet4, "CBLZPosition2", Bounds(16, 202, 240, 23));
    CBLZPosition2->SetStyle(TComboBoxStyle::csDropDownList);
    CBLZPosition2->OnClick = [this](TComponent&) { CBLZPosition2Click(); };
    CBLZPosition2->OnDropDown = [this](TComponent&) { CBLZPosition2DropDown(); };

    PanelCornerTrackOpt =
        &Declare<TPanel>(f, TabSheet4, "PanelCornerTrackOpt", Bounds(12, 230, 378, 28));
    PanelCornerTrackOpt->SetAnchors(akLeft | akTop | akRight);
    PanelCornerTrackOpt->SetBevelOuter(
        TBevelCut::bvNone);  // before its anchored controls measure it
    Declare<TLabel>(f, PanelCornerTrackOpt, "Label15", Bounds(4, 6, 210, 15),
                    "Offset from cursor (pixels)");
    SELZCornerTrackOffset = &Declare<TSpinEdit>(f, PanelCornerTrackOpt, "SELZCornerTrackOffset",
                                                Bounds(218, 2, 70, 23));
    SELZCornerTrackOffset->SetRange(1, 100);

    PanelFixedPosOpt = &Declare<TGroupBox>(f, TabSheet4, "PanelFixedPosOpt",
                                           Bounds(12, 228, 252, 62), "Glass coordinates");
    Declare<TLabel>(f, PanelFixedPosOpt, "Label16", Bounds(10, 21, 40, 15), "Left");
    SELZLeftFixed =
        &Declare<TSpinEdit>(f, PanelFixedPosOpt, "SELZLeftFixed", Bounds(52, 17, 70, 23));
    Declare<TLabel>(f, PanelFixedPosOpt, "Label17", Bounds(128, 21, 48, 15), "Top");
    SELZTopFixed =
        &Declare<TSpinEdit>(f, PanelFixedPosOpt, "SELZTopFixed", Bounds(178, 17, 70, 23));
    CBTakeCoordsFromPreview =
        &Declare<TCheckBox>(f, PanelFixedPosOpt, "CBTakeCoordsFromPreview", Bounds(10, 42, 236, 17),
                            "Take from Preview window");
    CBTakeCoordsFromPreview->SetHint("You can move form by mouse to desired coorinates");
    CBFixedPassThroughtCursor =
        &Declare<TCheckBox>(f, TabSheet4, "CBFixedPassThroughtCursor", Bounds(272, 234, 118, 56),
                            "Mouse pass through glass (Win2000/XP)");
    CBFixedPassThroughtCursor->SetAnchors(akLeft | akTop | akRight);
    CBFixedPassThroughtCursor->SetWordWrap(true);

    TabSheet5 = &Declare<TTabSheet>(f, nullptr, "TabSheet5", {}, "Tools");
    TabSheet5->SetPageControl(PageControl1);
    Image5 = &Declare<TImage>(f, TabSheet5, "Image5", Bounds(8, 6, 38, 38));
    Label21 = &Declare<TLabel>(f, TabSheet5, "Label21", Bounds(54, 8, 340, 40),
                               "Tools for checking pixels and for presenting.");
    Label21->SetAnchors(akLeft | akTop | akRight);
    Label21->SetWordWrap(true);
    CBLZShowColor = &Declare<TCheckBox>(f, TabSheet5, "CBLZShowColor", Bounds(10, 56, 384, 17),
                                        "Show the colour under the pointer");
    CBLZShowColor->SetAnchors(akLeft | akTop | akRight);
    CBLZPixelGrid = &Declare<TCheckBox>(f, TabSheet5, "CBLZPixelGrid", Bounds(10, 80, 384, 17),
                                        "Pixel grid at zoom 6 and above");
    CBLZPixelGrid->SetAnchors(akLeft | akTop | akRight);
    CBLZVisibleToCapture =
        &Declare<TCheckBox>(f, TabSheet5, "CBLZVisibleToCapture", Bounds(10, 104, 384, 17),
                            "Show the glass to screen sharing");
    CBLZVisibleToCapture->SetAnchors(akLeft | akTop | akRight);
    CBLZVisibleToCapture->SetHint(
        "Not in the Under Cursor mode: there the glass would magnify itself");

    // Over the lower right corner of the page area, above whichever page shows.
    CBLZPreview =
        &Declare<TCheckBox>(f, &f, "CBLZPreview", Bounds(288, 326, 114, 17), "Glass Preview");
    CBLZPreview->SetAnchors(akRight | akBottom);
    CBLZPreview->OnClick = [this](TComponent&) { CBLZPreviewClick(); };

    TimerLZPreview2 = &Declare<TTimer>(f, "TimerLZPreview2");
    TimerLZPreview2->SetEnabled(false);
    TimerLZPreview2->SetInterval(10);
    TimerLZPreview2->OnTimer = [this](TComponent&) { TimerLZPreview2Timer(); };
    TimerComboBoxErase1 = &Declare<TTimer>(f, "TimerComboBoxErase1");
    TimerComboBoxErase1->SetEnabled(false);
    TimerComboBoxErase1->SetInterval(300);
    TimerComboBoxErase1->OnTimer = [this](TComponent&) { TimerComboBoxErase1Timer(); };
}

void TFrameLenzorOpt::InitControls() {
    for (TPanel* panel : {PanelCornerTrackOpt, PanelFixedContrastOpt, PanelBrokenTVContrastOpt}) {
        panel->SetBevelOuter(TBevelCut::bvNone);
    }
    FPreviewLens.reset();
    PageControl1->SetActivePageIndex(0);
    CBLZPosition2->Items().Assign(
        std::vector<std::string>(PositionModeNames.begin(), PositionModeNames.end()));
    CBLZContrast->Items().Assign(
        std::vector<std::string>(ContrastModeNames.begin(), ContrastModeNames.end()));
    std::vector<std::string> zooms(std::size(kZoomList));
    zooms.push_back(LangText(kMsgEnterAnyZoom));
    CBLZZoomFactor->Items().Assign(std::move(zooms));
    Translate(CurrentLanguageFile());
}

void TFrameLenzorOpt::Translate(const TLanguageFile* file) {
    TranslateControls({this}, file);
    WriteZoomNumbers();
}

void TFrameLenzorOpt::WriteZoomNumbers() {
    for (std::size_t i = 0; i < std::size(kZoomList); ++i) {
        CBLZZoomFactor->Items().SetStrings(static_cast<int>(i), NumberText(kZoomList[i]));
    }
}

void TFrameLenzorOpt::LoadFromLens() {
    TLenzor& lens = *FLens;
    TrackBarLZAlpha->SetPosition(lens.Alpha());
    CBLZZoomFactor->SetText(NumberText(lens.ZoomFactor()));
    CBLZPosition2->SetItemIndex(lens.PositionMode());
    CBLZContrast->SetItemIndex(lens.ContrastMode());
    SELZSizeH->SetValue(lens.Height());
    SELZSizeW->SetValue(lens.Width());
    SELZCornerTrackOffset->SetValue(lens.CornerTrackOffset());
    EUpdateTimeS->SetText(NumberText(lens.UpdateInterval() / 1000.0));
    SELZLeftFixed->SetValue(lens.LeftFixed());
    SELZTopFixed->SetValue(lens.TopFixed());
    TrackBarBrightness->SetPosition(lens.FixedBrightness());
    TrackBarContrast->SetPosition(lens.FixedContrast());
    TrackBarSaturation->SetPosition(lens.FixedSaturation());
    CBFixedPassThroughtCursor->SetChecked(lens.MouseThrough());
    TrackBarBreakageTV->SetPosition(lens.BreakageTVLevel());
    CBLZLiveFollow->SetChecked(lens.LiveFollow());
    CBLZSmooth->SetChecked(lens.Smooth());
    CBLZShowColor->SetChecked(lens.ShowColor());
    CBLZPixelGrid->SetChecked(lens.PixelGrid());
    CBLZVisibleToCapture->SetChecked(lens.VisibleToCapture());
    CBLZPosition2Click();
    CBLZContrastClick();
}

bool TFrameLenzorOpt::ApplyToLens(TLenzor& lens, bool reportErrors) {
    lens.SetAlpha(TrackBarLZAlpha->Position());

    double zoom = 0;
    // Zero, negative or endless factors are reported like malformed ones: none makes a lens.
    if (!TryTextToFloat(CBLZZoomFactor->Text(), zoom) || !std::isfinite(zoom) || zoom <= 0) {
        if (reportErrors) {
            ReportError(*CBLZZoomFactor, LangText(kMsgErrZoomFactor));
        }
        return false;
    }
    lens.SetZoomFactor(zoom);

    double seconds = 0;
    const double milliseconds =
        TryTextToFloat(EUpdateTimeS->Text(), seconds) ? RoundHalfEven(seconds * 1000) : -1;
    if (!(milliseconds >= 0 && milliseconds <= 4294967295.0)) {
        if (reportErrors) {
            ReportError(*EUpdateTimeS, LangText(kMsgErrUpdateInterval));
        }
        return false;
    }
    lens.SetUpdateInterval(static_cast<std::uint32_t>(milliseconds));

    // No entry chosen (a stored mode beyond the lists) leaves the lens's mode as it is.
    if (CBLZPosition2->ItemIndex() >= 0) {
        lens.SetPositionMode(CBLZPosition2->ItemIndex());
    }
    if (CBLZContrast->ItemIndex() >= 0) {
        lens.SetContrastMode(CBLZContrast->ItemIndex());
    }
    lens.SetCornerTrackOffset(SELZCornerTrackOffset->Value());
    lens.SetLeftFixed(SELZLeftFixed->Value());
    lens.SetTopFixed(SELZTopFixed->Value());
    lens.SetHeight(SELZSizeH->Value());
    lens.SetWidth(SELZSizeW->Value());
    lens.SetHoldPosition(IsFixedMode(lens.PositionMode()) && CBTakeCoordsFromPreview->Checked());
    lens.SetFixedBrightness(TrackBarBrightness->Position());
    lens.SetFixedContrast(TrackBarContrast->Position());
    lens.SetFixedSaturation(TrackBarSaturation->Position());
    lens.SetMouseThrough(CBFixedPassThroughtCursor->Checked());
    lens.SetBreakageTVLevel(TrackBarBreakageTV->Position());
    lens.SetLiveFollow(CBLZLiveFollow->Checked());
    lens.SetSmooth(CBLZSmooth->Checked());
    lens.SetShowColor(CBLZShowColor->Checked());
    lens.SetPixelGrid(CBLZPixelGrid->Checked());
    lens.SetVisibleToCapture(CBLZVisibleToCapture->Checked());
    return true;
}

void TFrameLenzorOpt::ReportError(TComponent& field, const std::string& text) {
    PageControl1->SetActivePage(TabSheet3);
    if (auto* control = dynamic_cast<TControl*>(&field)) {
        control->SetFocus();
    }
    if (FErrorBox) {
        FErrorBox(text, LangText(kMsgErrorCaption));
    }
}

void TFrameLenzorOpt::StopPreview() {
    CBLZPreview->SetChecked(false);
    FPreviewLens.reset();
}

void TFrameLenzorOpt::CBLZContrastClick() {
    PanelFixedContrastOpt->SetVisible(CBLZContrast->ItemIndex() == cmFixedGamma);
    PanelBrokenTVContrastOpt->SetVisible(CBLZContrast->ItemIndex() == cmBrokenTV);
}

void TFrameLenzorOpt::CBLZPosition2Click() {
    const int mode = CBLZPosition2->ItemIndex();
    PanelCornerTrackOpt->SetVisible(mode == pmCornerTracker);
    PanelFixedPosOpt->SetVisible(IsFixedMode(mode));
    CBFixedPassThroughtCursor->SetVisible(IsFixedMode(mode));
}

void TFrameLenzorOpt::CBLZPosition2DropDown() {
    CBLZPreview->SetChecked(false);
}

void TFrameLenzorOpt::CBLZPreviewClick() {
    if (CBLZPreview->Checked()) {
        if (!FPreviewLens) {
            FPreviewLens = FNewLens();
        }
        ApplyToLens(*FPreviewLens, true);  // a bad field is reported; the preview starts anyway
        FPreviewLens->SetShown(true);
        TimerLZPreview2->SetEnabled(true);
    } else {
        TimerLZPreview2->SetEnabled(false);
        FPreviewLens.reset();
    }
}

void TFrameLenzorOpt::CBLZZoomFactorSelect() {
    const int last = CBLZZoomFactor->Items().Count() - 1;
    if (last >= 0 && CBLZZoomFactor->Text() == CBLZZoomFactor->Items().Strings(last)) {
        TimerComboBoxErase1->SetEnabled(true);
    }
}

void TFrameLenzorOpt::TimerLZPreview2Timer() {
    if (!FPreviewLens) {
        return;
    }
    ApplyToLens(*FPreviewLens, false);
    FPreviewLens->Tick();
    if (IsFixedMode(FPreviewLens->PositionMode()) && CBTakeCoordsFromPreview->Checked()) {
        const LensRect bounds = FPreviewLens->LensForm().Bounds();
        SELZLeftFixed->SetValue(bounds.left);
        SELZTopFixed->SetValue(bounds.top);
    }
}

void TFrameLenzorOpt::TimerComboBoxErase1Timer() {
    TimerComboBoxErase1->SetEnabled(false);
    CBLZZoomFactor->SetText("");
}

void TFrameLenzorOpt::Button1Click() {
    TrackBarBrightness->SetPosition(-207);
    TrackBarContrast->SetPosition(703);
    TrackBarSaturation->SetPosition(876);
}

void TFrameLenzorOpt::Button2Click() {
    TrackBarBrightness->SetPosition(0);
    TrackBarContrast->SetPosition(0);
    TrackBarSaturation->SetPosition(0);
}

}  // namespace lenzor
