// TFrameLenzorOpt: the three option pages of the settings dialog ("Basic options", "Advanced
// options", "Tools") that edit the lens parameters. It loads its controls from the main lens,
// validates them and writes them into a lens: the main lens on OK, and a preview lens every
// 10 ms while "Glass Preview" is checked, so every edit shows live before it is committed.
#pragma once

#include "ui/forms.h"

#include <functional>
#include <memory>
#include <string>

namespace lenzor {

class TLenzor;
class TPageControl;
class TTabSheet;
class TImage;
class TLabel;
class TGroupBox;
class TTrackBar;
class TSpinEdit;
class TComboBox;
class TEdit;
class TPanel;
class TButton;
class TCheckBox;
class TBevel;
class TTimer;

class TFrameLenzorOpt : public TFrame {
public:
    // A new lens, hidden, made with the same system services as the main one.
    using LensFactory = std::function<std::unique_ptr<TLenzor>()>;
    // An error box: the text, the caption, an error icon and an OK button.
    using ErrorBox = std::function<void(const std::string& text, const std::string& caption)>;

    TFrameLenzorOpt(TComponent* owner, std::string name, LensFactory newLens, ErrorBox errorBox);
    ~TFrameLenzorOpt() override;

    void SetLens(TLenzor* lens) { FLens = lens; }
    // Once, after creation: bevels, the mode and zoom lists, the current language.
    void InitControls();
    // The main lens's parameters into the controls.
    void LoadFromLens();
    // Validates and writes the controls into the lens, field by field in a fixed order; the
    // first invalid field (reported in an error box when asked) stops it with false and leaves
    // the fields before it written.
    bool ApplyToLens(TLenzor& lens, bool reportErrors);
    void StopPreview();
    // Applies a language file to the frame. The numbers of the zoom list stay in the system's
    // number format whatever the file says, so a picked entry is always a valid factor.
    void Translate(const class TLanguageFile* file);

    TLenzor* PreviewLens() const { return FPreviewLens.get(); }

    // Event handlers.
    void CBLZContrastClick();
    void CBLZPosition2Click();
    void CBLZPosition2DropDown();
    void CBLZPreviewClick();
    void CBLZZoomFactorSelect();
    void TimerLZPreview2Timer();
    void TimerComboBoxErase1Timer();
    void Button1Click();
    void Button2Click();

    // Components, in creation order.
    TPageControl* PageControl1;
    TTabSheet* TabSheet3;
    TImage* Image1;
    TLabel* Label14;
    TGroupBox* GroupBox3;
    TTrackBar* TrackBarLZAlpha;
    TGroupBox* GroupBox4;
    TSpinEdit* SELZSizeH;
    TSpinEdit* SELZSizeW;
    TLabel* Label6;
    TComboBox* CBLZZoomFactor;
    TLabel* Label4;
    TEdit* EUpdateTimeS;
    TCheckBox* CBLZLiveFollow;
    TCheckBox* CBLZSmooth;
    TTabSheet* TabSheet4;
    TImage* Image4;
    TLabel* Label20;
    TLabel* Label7;
    TComboBox* CBLZContrast;
    TPanel* PanelFixedContrastOpt;
    TTrackBar* TrackBarBrightness;
    TTrackBar* TrackBarContrast;
    TTrackBar* TrackBarSaturation;
    TButton* Button2;
    TButton* Button1;
    TPanel* PanelBrokenTVContrastOpt;
    TTrackBar* TrackBarBreakageTV;
    TLabel* Label10;
    TComboBox* CBLZPosition2;
    TPanel* PanelCornerTrackOpt;
    TSpinEdit* SELZCornerTrackOffset;
    TGroupBox* PanelFixedPosOpt;
    TSpinEdit* SELZLeftFixed;
    TSpinEdit* SELZTopFixed;
    TCheckBox* CBTakeCoordsFromPreview;
    TCheckBox* CBFixedPassThroughtCursor;
    TTabSheet* TabSheet5;
    TImage* Image5;
    TLabel* Label21;
    TCheckBox* CBLZShowColor;
    TCheckBox* CBLZPixelGrid;
    TCheckBox* CBLZVisibleToCapture;
    TCheckBox* CBLZPreview;
    TTimer* TimerLZPreview2;
    TTimer* TimerComboBoxErase1;

private:
    void CreateComponents();
    void WriteZoomNumbers();
    void ReportError(TComponent& field, const std::string& text);

    LensFactory FNewLens;
    ErrorBox FErrorBox;
    TLenzor* FLens = nullptr;
    std::unique_ptr<TLenzor> FPreviewLens;
};

// A zoom factor or update interval as the frame writes it: up to 15 significant digits, the
// locale's decimal separator ("2", "1.5", "0.1").
std::string NumberText(double value);

}  // namespace lenzor
