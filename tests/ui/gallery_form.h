// A form with every control kind of the settings dialog, laid out the way the dialog is
// (left picture strip, bottom button panel, a page control with pages made at run time), shared
// by the Win32 control tests and the control gallery program.
#pragma once

#include "ui/declare.h"
#include "ui/forms.h"
#include "ui/hot_key.h"
#include "ui/image.h"
#include "ui/or_image.h"
#include "ui/page_control.h"
#include "ui/range_controls.h"
#include "ui/std_controls.h"

namespace lenzor::test_support {

struct GalleryForm {
    GalleryForm();

    TForm form{nullptr, "GalleryForm"};
    TOrImage* Image1;
    TPaintBox* PaintBox1;
    TPanel* Panel1;
    TLabel* LabelWebAdress;
    TButton* BOK;
    TButton* BCancel;
    TFrame* FrameLenzorOpt1;
    TPageControl* PageControl1;
    TCheckBox* CBLZPreview;
    // "Basic options"
    TTabSheet* TabSheet3;
    TImage* ImageBasic;
    TGroupBox* GroupBox3;
    TTrackBar* TrackBarLZAlpha;
    TSpinEdit* SELZSizeH;
    TSpinEdit* SELZSizeW;
    TComboBox* CBLZZoomFactor;
    TEdit* EUpdateTimeS;
    // "Advanced options"
    TTabSheet* TabSheet4;
    TBevel* Bevel1;
    TComboBox* CBLZContrast;
    TTrackBar* TrackBarBrightness;
    TButton* Button2;
    TButton* Button1;
    TSpinEdit* SELZCornerTrackOffset;
    TCheckBox* CBTakeCoordsFromPreview;
    // "General", made at run time and moved to the front
    TTabSheet* FSheetGeneral;
    TPanel* PanelGeneralOpt;
    TImage* Image2;
    TGroupBox* GroupBox1;
    TCheckBox* CBAutoRunApp;
    TCheckBox* CBSwitchToGlassAfterRun;
    TComboBox* outCBLanguage;
    THotKey* HotKey1;
    TLabel* Label3;
    // "About", made at run time
    TTabSheet* FSheetAbout;
    TMemo* outMemo1;
};

}  // namespace lenzor::test_support
