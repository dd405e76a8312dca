#include "ui/std_controls.h"

#include <algorithm>

namespace lenzor {

void TLabel::SetWordWrap(bool wrap) {
    if (wrap != FWordWrap) {
        FWordWrap = wrap;
        Changed(ControlChange::Style);
    }
}

void TLabel::SetAlignment(TTextAlignment alignment) {
    if (alignment != FAlignment) {
        FAlignment = alignment;
        Changed(ControlChange::Style);
    }
}

TButton::TButton(TComponent* owner, std::string name) : TWinControl(owner, std::move(name)) {
    SetTabStop(true);
}

void TButton::SetDefault(bool value) {
    if (value != FDefault) {
        FDefault = value;
        Changed(ControlChange::Style);
    }
}

TCheckBox::TCheckBox(TComponent* owner, std::string name) : TWinControl(owner, std::move(name)) {
    SetTabStop(true);
}

void TCheckBox::SetChecked(bool checked) {
    if (checked == FChecked) {
        return;
    }
    FChecked = checked;
    Changed(ControlChange::Checked);
    TControl::Click();
}

void TCheckBox::SetWordWrap(bool wrap) {
    if (wrap != FWordWrap) {
        FWordWrap = wrap;
        Changed(ControlChange::Style);
    }
}

TEdit::TEdit(TComponent* owner, std::string name) : TWinControl(owner, std::move(name)) {
    SetTabStop(true);
}

void TEdit::SetText(std::string text) {
    if (text == FText) {
        return;
    }
    FText = std::move(text);
    Changed(ControlChange::Text);
    if (OnChange) {
        OnChange(*this);
    }
}

void TEdit::SetReadOnly(bool readOnly) {
    if (readOnly != FReadOnly) {
        FReadOnly = readOnly;
        Changed(ControlChange::Style);
    }
}

TMemo::TMemo(TComponent* owner, std::string name)
    : TWinControl(owner, std::move(name)), FLines([this] { Changed(ControlChange::Lines); }) {
    SetTabStop(true);
}

void TMemo::SetReadOnly(bool readOnly) {
    if (readOnly != FReadOnly) {
        FReadOnly = readOnly;
        Changed(ControlChange::Style);
    }
}

void TMemo::SetVerticalScrollBar(bool on) {
    if (on != FVerticalScrollBar) {
        FVerticalScrollBar = on;
        Changed(ControlChange::Style);
    }
}

TComboBox::TComboBox(TComponent* owner, std::string name)
    : TWinControl(owner, std::move(name)), FItems([this] { ItemsChanged(); }) {
    SetTabStop(true);
}

void TComboBox::SetStyle(TComboBoxStyle style) {
    if (style != FStyle) {
        FStyle = style;
        Changed(ControlChange::Style);
        SetItemIndex(FItemIndex);
    }
}

void TComboBox::SetDropDownCount(int rows) {
    FDropDownCount = std::max(rows, 1);
    Changed(ControlChange::Style);
}

void TComboBox::SetItemIndex(int index) {
    if (index < -1 || index >= FItems.Count()) {
        index = -1;
    }
    FItemIndex = index;
    if (index >= 0) {
        FText = FItems.Strings(index);
    } else if (FStyle == TComboBoxStyle::csDropDownList) {
        FText.clear();
    }
    Changed(ControlChange::ItemIndex);
}

void TComboBox::SetText(std::string text) {
    if (FStyle == TComboBoxStyle::csDropDownList) {
        SetItemIndex(FItems.IndexOf(text));
        return;
    }
    FText = std::move(text);
    Changed(ControlChange::Text);
}

void TComboBox::Select(int index) {
    SetItemIndex(index);
    Click();
    if (OnSelect) {
        OnSelect(*this);
    }
}

void TComboBox::DropDown() {
    if (OnDropDown) {
        OnDropDown(*this);
    }
}

void TComboBox::TypeText(std::string text) {
    if (FStyle == TComboBoxStyle::csDropDownList) {
        return;
    }
    FText = std::move(text);
    FItemIndex = -1;
    Changed(ControlChange::Text);
    if (OnChange) {
        OnChange(*this);
    }
}

void TComboBox::ItemsChanged() {
    if (FItemIndex >= FItems.Count()) {
        FItemIndex = -1;
        if (FStyle == TComboBoxStyle::csDropDownList) {
            FText.clear();
        }
    }
    Changed(ControlChange::Items);
}

void TPanel::SetBevelOuter(TBevelCut bevel) {
    if (bevel != FBevelOuter) {
        FBevelOuter = bevel;
        Changed(ControlChange::Style);
        Realign();
    }
}

TRect TPanel::ClientRect() const {
    const int inset = FBevelOuter == TBevelCut::bvNone ? 0 : 1;
    return {inset, inset, std::max(Width() - inset, inset), std::max(Height() - inset, inset)};
}

TRect TGroupBox::ClientRect() const {
    // A caption line of the dialog font, then the etched frame.
    constexpr int kCaptionHeight = 15;
    constexpr int kFrame = 2;
    return {kFrame, kCaptionHeight + kFrame, std::max(Width() - kFrame, kFrame),
            std::max(Height() - kFrame, kCaptionHeight + kFrame)};
}

}  // namespace lenzor
