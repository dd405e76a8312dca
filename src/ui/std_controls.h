// The standard controls of the dialogs: label, button, check box, edit, memo, combo box,
// panel, group box, bevel and paint box. Setters change the state and tell the peer; the
// methods named after user actions (Click, Select, DropDown, TypeText) also fire the events
// a user's action fires, in the same order.
#pragma once

#include "ui/control.h"
#include "ui/strings.h"

namespace lenzor {

enum class TTextAlignment { taLeftJustify, taRightJustify, taCenter };

class TLabel : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    bool HasCaption() const override { return true; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool wrap);
    TTextAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TTextAlignment alignment);

private:
    bool FWordWrap = false;
    TTextAlignment FAlignment = TTextAlignment::taLeftJustify;
};

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner, std::string name = {});
    bool HasCaption() const override { return true; }
    bool CanFocus() const override { return true; }
    // Pressed by Enter, and by Esc: see TCustomForm.
    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }

private:
    bool FDefault = false;
    bool FCancel = false;
};

class TCheckBox : public TWinControl {
public:
    explicit TCheckBox(TComponent* owner, std::string name = {});
    bool HasCaption() const override { return true; }
    bool CanFocus() const override { return true; }
    bool Checked() const { return FChecked; }
    // A change fires OnClick, whether the user or the program made it.
    void SetChecked(bool checked);
    // The user's click: toggles.
    void Click() override { SetChecked(!FChecked); }
    // A caption longer than the width goes on over several lines.
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool wrap);

private:
    bool FChecked = false;
    bool FWordWrap = false;
};

class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent* owner, std::string name = {});
    bool CanFocus() const override { return true; }
    const std::string& Text() const { return FText; }
    // A change fires OnChange.
    void SetText(std::string text);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool readOnly);

    TNotifyEvent OnChange;

private:
    std::string FText;
    bool FReadOnly = false;
};

class TMemo : public TWinControl {
public:
    explicit TMemo(TComponent* owner, std::string name = {});
    bool CanFocus() const override { return true; }
    TStrings& Lines() { return FLines; }
    const TStrings& Lines() const { return FLines; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool readOnly);
    bool VerticalScrollBar() const { return FVerticalScrollBar; }
    void SetVerticalScrollBar(bool on);

private:
    TStrings FLines;
    bool FReadOnly = false;
    bool FVerticalScrollBar = false;
};

enum class TComboBoxStyle { csDropDown, csDropDownList };

class TComboBox : public TWinControl {
public:
    explicit TComboBox(TComponent* owner, std::string name = {});
    bool CanFocus() const override { return true; }

    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle style);
    TStrings& Items() { return FItems; }
    const TStrings& Items() const { return FItems; }
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int rows);

    // -1 when none is selected. Selecting also sets the text to the item.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int index);
    // A drop-down list shows the selected item only: its text selects the item of that text
    // (regardless of ASCII case), or none.
    const std::string& Text() const { return FText; }
    void SetText(std::string text);

    // The user picks item `index` from the list: text, OnClick, then OnSelect.
    void Select(int index);
    // The user opens the list.
    void DropDown();
    // The user edits the text of an editable combo box: OnChange.
    void TypeText(std::string text);

    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnChange;

private:
    void ItemsChanged();

    TComboBoxStyle FStyle = TComboBoxStyle::csDropDown;
    TStrings FItems;
    int FItemIndex = -1;
    std::string FText;
    int FDropDownCount = 8;
};

enum class TBevelCut { bvNone, bvLowered, bvRaised };

class TPanel : public TWinControl {
public:
    using TWinControl::TWinControl;
    bool HasCaption() const override { return true; }
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut bevel);
    TRect ClientRect() const override;

private:
    TBevelCut FBevelOuter = TBevelCut::bvRaised;
};

class TGroupBox : public TWinControl {
public:
    using TWinControl::TWinControl;
    bool HasCaption() const override { return true; }
    // Below the caption line, inside the frame.
    TRect ClientRect() const override;
};

// An etched frame around a group of controls.
class TBevel : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
};

// A click area without a picture of its own.
class TPaintBox : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
};

}  // namespace lenzor
