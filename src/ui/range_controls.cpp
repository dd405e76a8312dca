#include "ui/range_controls.h"

#include "core/text_forms.h"

#include <algorithm>
#include <limits>

namespace lenzor {

TTrackBar::TTrackBar(TComponent* owner, std::string name) : TWinControl(owner, std::move(name)) {
    SetTabStop(true);
}

void TTrackBar::SetRange(int min, int max) {
    FMin = min;
    FMax = std::max(min, max);
    Changed(ControlChange::Range);
    SetPosition(FPosition);
}

void TTrackBar::SetPosition(int position) {
    position = std::clamp(position, FMin, FMax);
    if (position == FPosition) {
        return;
    }
    FPosition = position;
    Changed(ControlChange::Position);
    if (OnChange) {
        OnChange(*this);
    }
}

void TTrackBar::SetTickMarks(bool on) {
    if (on != FTickMarks) {
        FTickMarks = on;
        Changed(ControlChange::Style);
    }
}

TSpinEdit::TSpinEdit(TComponent* owner, std::string name) : TEdit(owner, std::move(name)) {
    SetText("0");
}

void TSpinEdit::SetRange(int minValue, int maxValue) {
    FMinValue = minValue;
    FMaxValue = maxValue;
    Changed(ControlChange::Range);
}

int TSpinEdit::Value() const {
    int32_t value = 0;
    return TryTextToInt32(Text(), value) ? value : FMinValue;
}

void TSpinEdit::SetValue(int value) {
    SetText(IntToText(CheckValue(value)));
}

void TSpinEdit::Up() {
    const int64_t next = static_cast<int64_t>(Value()) + FIncrement;
    SetValue(static_cast<int>(std::clamp<int64_t>(next, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max())));
}

void TSpinEdit::Down() {
    const int64_t next = static_cast<int64_t>(Value()) - FIncrement;
    SetValue(static_cast<int>(std::clamp<int64_t>(next, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max())));
}

void TSpinEdit::DoExit() {
    const int value = Value();
    if (CheckValue(value) != value) {
        SetValue(value);
    }
}

int TSpinEdit::CheckValue(int value) const {
    if (!HasLimits()) {
        return value;
    }
    return std::clamp(value, std::min(FMinValue, FMaxValue), std::max(FMinValue, FMaxValue));
}

}  // namespace lenzor
