#include "gallery_form.h"

#include <algorithm>
#include <string>
#include <vector>

namespace lenzor::test_support {
namespace {

// A vertical blue-to-white strip like the dialog's left picture.
Bitmap24 StripPicture(int width, int height) {
    Bitmap24 picture(width, height);
    for (int y = 0; y < height; ++y) {
        const int light = 40 + 200 * y / std::max(height - 1, 1);
        for (int x = 0; x < width; ++x) {
            picture.SetPixelColor(x, y,
                                  static_cast<std::uint32_t>(0xFF0000 | (light << 8) | light / 2));
        }
    }
    return picture;
}

// A disc on a magenta ground; the ground is the bottom-left colour, so it shows through.
Bitmap24 DiscPicture(int size) {
    Bitmap24 picture(size, size);
    picture.Fill(0xFF00FF);
    const int r = size / 2 - 2;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int dx = x - size / 2;
            const int dy = y - size / 2;
            if (dx * dx + dy * dy <= r * r) {
                picture.SetPixelColor(x, y, dx + dy < 0 ? 0x00C0FF : 0x0060D0);
            }
        }
    }
    return picture;
}

template <class T>
T& Place(TForm& form, TWinControl* parent, const char* name, TRect bounds,
         const char* caption = "") {
    return Declare<T>(form, parent, name, bounds, caption);
}

}  // namespace

GalleryForm::GalleryForm() {
    form.SetCaption("Lenzor control gallery");
    form.SetClientSize(523, 386);

    Image1 = &Place<TOrImage>(form, &form, "Image1", Bounds(0, 0, 109, 350));
    Image1->SetAlign(TAlign::alLeft);
    Image1->SetStretch(true);
    Image1->SetPictureOriginal(StripPicture(109, 350));
    PaintBox1 = &Place<TPaintBox>(form, &form, "PaintBox1", Bounds(6, 300, 97, 28));
    PaintBox1->SetCursor(TCursor::crHandPoint);
    PaintBox1->SetHint("Visit the Lenzor web site");
    auto& spacer = Place<TPanel>(form, &form, "Panel2", Bounds(109, 0, 4, 350));
    spacer.SetAlign(TAlign::alLeft);
    spacer.SetBevelOuter(TBevelCut::bvNone);

    Panel1 = &Place<TPanel>(form, &form, "Panel1", Bounds(0, 350, 523, 36));
    Panel1->SetAlign(TAlign::alBottom);
    LabelWebAdress = &Place<TLabel>(form, Panel1, "LabelWebAdress", Bounds(10, 12, 150, 15),
                                    "www.lenzor.example");
    LabelWebAdress->SetFontColor(clBlue);
    LabelWebAdress->SetCursor(TCursor::crHandPoint);
    LabelWebAdress->SetAnchors(akLeft | akBottom);
    BOK = &Place<TButton>(form, Panel1, "BOK", Bounds(360, 6, 75, 24), "OK");
    BOK->SetDefault(true);
    BOK->SetAnchors(akRight | akBottom);
    BCancel = &Place<TButton>(form, Panel1, "BCancel", Bounds(440, 6, 75, 24), "Cancel");
    BCancel->SetCancel(true);
    BCancel->SetAnchors(akRight | akBottom);

    FrameLenzorOpt1 = &Place<TFrame>(form, &form, "FrameLenzorOpt1", Bounds(113, 0, 410, 350));
    FrameLenzorOpt1->SetAlign(TAlign::alClient);
    PageControl1 =
        &Place<TPageControl>(form, FrameLenzorOpt1, "PageControl1", Bounds(0, 0, 410, 350));
    PageControl1->SetAlign(TAlign::alClient);
    // Over the lower right part of the pages, whichever is shown.
    CBLZPreview = &Place<TCheckBox>(form, FrameLenzorOpt1, "CBLZPreview", Bounds(290, 320, 110, 19),
                                    "Glass Preview");
    CBLZPreview->SetAnchors(akRight | akBottom);

    TabSheet3 = &Place<TTabSheet>(form, nullptr, "TabSheet3", {}, "Basic options");
    TabSheet3->SetPageControl(PageControl1);
    ImageBasic = &Place<TImage>(form, TabSheet3, "Image1Basic", Bounds(8, 8, 38, 38));
    ImageBasic->SetIcon("MAINICON");
    auto& intro = Place<TLabel>(form, TabSheet3, "Label14", Bounds(54, 8, 336, 38),
                                "Set parameters for Lenzor feature. This feature will help you "
                                "see small details on monitor or TV.");
    intro.SetWordWrap(true);
    GroupBox3 = &Place<TGroupBox>(form, TabSheet3, "GroupBox3", Bounds(8, 52, 386, 72),
                                  "Transparency (Win2000/XP)");
    TrackBarLZAlpha = &Place<TTrackBar>(form, GroupBox3, "TrackBarLZAlpha", Bounds(8, 20, 370, 26));
    TrackBarLZAlpha->SetRange(0, 255);
    TrackBarLZAlpha->SetTickMarks(false);
    TrackBarLZAlpha->SetPosition(200);
    Place<TLabel>(form, GroupBox3, "Label8", Bounds(12, 48, 100, 15), "Invisible");
    Place<TLabel>(form, GroupBox3, "Label9", Bounds(300, 48, 78, 15), "Full visible");
    auto& size =
        Place<TGroupBox>(form, TabSheet3, "GroupBox4", Bounds(8, 130, 386, 56), "Size (pixels)");
    Place<TLabel>(form, &size, "Label11", Bounds(12, 26, 44, 15), "Height");
    SELZSizeH = &Place<TSpinEdit>(form, &size, "SELZSizeH", Bounds(60, 22, 80, 23));
    SELZSizeH->SetValue(150);
    Place<TLabel>(form, &size, "Label12", Bounds(196, 26, 44, 15), "Width");
    SELZSizeW = &Place<TSpinEdit>(form, &size, "SELZSizeW", Bounds(244, 22, 80, 23));
    SELZSizeW->SetValue(200);
    Place<TLabel>(form, TabSheet3, "Label6", Bounds(8, 200, 140, 15), "Zoom factor");
    CBLZZoomFactor =
        &Place<TComboBox>(form, TabSheet3, "CBLZZoomFactor", Bounds(200, 196, 120, 23));
    CBLZZoomFactor->SetDropDownCount(16);
    CBLZZoomFactor->Items().Assign({"0.7", "1", "1.5", "2", "2.5", "3", "3.5", "4", "6", "8", "10",
                                    "12", "16", "32", "(enter any...)"});
    CBLZZoomFactor->SetText("2");
    Place<TLabel>(form, TabSheet3, "Label4", Bounds(8, 230, 180, 15),
                  "Image update interval (sec)");
    EUpdateTimeS = &Place<TEdit>(form, TabSheet3, "EUpdateTimeS", Bounds(200, 226, 120, 23));
    EUpdateTimeS->SetText("0.1");

    TabSheet4 = &Place<TTabSheet>(form, nullptr, "TabSheet4", {}, "Advanced options");
    TabSheet4->SetPageControl(PageControl1);
    Bevel1 = &Place<TBevel>(form, TabSheet4, "Bevel1", Bounds(8, 8, 386, 60));
    Place<TLabel>(form, TabSheet4, "Label7", Bounds(16, 14, 200, 15), "Contrast mode");
    CBLZContrast = &Place<TComboBox>(form, TabSheet4, "CBLZContrast", Bounds(16, 34, 200, 23));
    CBLZContrast->SetStyle(TComboBoxStyle::csDropDownList);
    CBLZContrast->Items().Assign(
        {"None", "Negative", "Fixed gamma (CPU max)", "Broken TV (CPU max)"});
    CBLZContrast->SetItemIndex(2);
    TrackBarBrightness =
        &Place<TTrackBar>(form, TabSheet4, "TrackBarBrightness", Bounds(8, 76, 300, 32));
    TrackBarBrightness->SetRange(-255, 255);
    TrackBarBrightness->SetPosition(-207);
    Button2 = &Place<TButton>(form, TabSheet4, "Button2", Bounds(316, 80, 75, 24), "None");
    Button1 = &Place<TButton>(form, TabSheet4, "Button1", Bounds(316, 110, 75, 24), "Intense");
    Place<TLabel>(form, TabSheet4, "Label13", Bounds(8, 150, 200, 15),
                  "Offset from cursor (pixels)");
    SELZCornerTrackOffset =
        &Place<TSpinEdit>(form, TabSheet4, "SELZCornerTrackOffset", Bounds(220, 146, 70, 23));
    SELZCornerTrackOffset->SetRange(1, 100);
    SELZCornerTrackOffset->SetValue(20);
    CBTakeCoordsFromPreview =
        &Place<TCheckBox>(form, TabSheet4, "CBTakeCoordsFromPreview", Bounds(8, 184, 300, 19),
                          "Take from Preview window");
    CBTakeCoordsFromPreview->SetHint("You can move form by mouse to desired coorinates");

    FSheetGeneral = new TTabSheet(&form, "FSheetGeneral");
    FSheetGeneral->SetCaption("General");
    FSheetGeneral->SetPageControl(PageControl1);
    FSheetGeneral->SetPageIndex(0);
    PanelGeneralOpt = &Place<TPanel>(form, FSheetGeneral, "PanelGeneralOpt", Bounds(0, 0, 10, 10));
    PanelGeneralOpt->SetAlign(TAlign::alClient);
    PanelGeneralOpt->SetBevelOuter(TBevelCut::bvNone);
    Image2 = &Place<TImage>(form, PanelGeneralOpt, "Image2", Bounds(8, 8, 38, 38));
    Image2->SetBitmap(DiscPicture(38));
    Image2->SetTransparent(true);
    auto& general = Place<TLabel>(form, PanelGeneralOpt, "Label14General", Bounds(54, 8, 336, 30),
                                  "Set general parameters for Lenzor application.");
    general.SetWordWrap(true);
    GroupBox1 =
        &Place<TGroupBox>(form, PanelGeneralOpt, "GroupBox1", Bounds(8, 50, 386, 68), " Start ");
    CBAutoRunApp = &Place<TCheckBox>(form, GroupBox1, "CBAutoRunApp", Bounds(12, 22, 360, 19),
                                     "Run application on Windows startup");
    CBSwitchToGlassAfterRun =
        &Place<TCheckBox>(form, GroupBox1, "CBSwitchToGlassAfterRun", Bounds(12, 44, 360, 19),
                          "Show Glass after application start");
    CBSwitchToGlassAfterRun->SetChecked(true);
    Place<TLabel>(form, PanelGeneralOpt, "Label1", Bounds(8, 134, 180, 15), "Application Language");
    outCBLanguage =
        &Place<TComboBox>(form, PanelGeneralOpt, "outCBLanguage", Bounds(200, 130, 150, 23));
    outCBLanguage->SetStyle(TComboBoxStyle::csDropDownList);
    outCBLanguage->Items().Assign({"English", "Deutsch", "Русский"});
    outCBLanguage->SetText("Русский");
    Place<TLabel>(form, PanelGeneralOpt, "Label2", Bounds(8, 164, 180, 15),
                  "HotKey for Show/Hide Glass");
    HotKey1 = &Place<THotKey>(form, PanelGeneralOpt, "HotKey1", Bounds(200, 160, 150, 23));
    HotKey1->SetHotKey(49223);
    Label3 = &Place<TLabel>(form, PanelGeneralOpt, "Label3", Bounds(8, 196, 386, 45),
                            "Note: if hotkey combination resetting when you enter it then such "
                            "hot key  combination already using in your system.");
    Label3->SetWordWrap(true);

    FSheetAbout = new TTabSheet(&form, "FSheetAbout");
    FSheetAbout->SetCaption("About");
    FSheetAbout->SetPageControl(PageControl1);
    outMemo1 = &Place<TMemo>(form, FSheetAbout, "outMemo1", Bounds(8, 8, 386, 304));
    outMemo1->SetAnchors(akLeft | akTop | akRight | akBottom);
    outMemo1->SetReadOnly(true);
    outMemo1->SetVerticalScrollBar(true);
    std::vector<std::string> lines{"Lenzor 1.0", "",
                                   "A screen magnifier: an icon in the notification area, a "
                                   "global hot key and a small always-on-top lens.",
                                   "Лупа для экрана. Bildschirmlupe."};
    for (int i = 1; i <= 30; ++i) {
        lines.push_back("Line " + std::to_string(i));
    }
    outMemo1->Lines().Assign(std::move(lines));

    PageControl1->SetActivePageIndex(0);
}

}  // namespace lenzor::test_support
