// Controls that hold a number: the track bar and the spin edit (an edit with up and down
// buttons).
#pragma once

#include "ui/std_controls.h"

#include <cstdint>

namespace lenzor {

class TTrackBar : public TWinControl {
public:
    explicit TTrackBar(TComponent* owner, std::string name = {});
    bool CanFocus() const override { return true; }

    int Min() const { return FMin; }
    int Max() const { return FMax; }
    // The position is kept inside the range.
    void SetRange(int min, int max);
    int Position() const { return FPosition; }
    // A change fires OnChange.
    void SetPosition(int position);
    // Tick marks at every step, or none.
    bool TickMarks() const { return FTickMarks; }
    void SetTickMarks(bool on);

    TNotifyEvent OnChange;

private:
    int FMin = 0;
    int FMax = 10;
    int FPosition = 0;
    bool FTickMarks = true;
};

// An edit for a whole number with up and down buttons. MinValue = MaxValue (0 and 0 by
// default) means no limits; otherwise the text is brought into the range when the control
// loses the focus, not while the user types.
class TSpinEdit : public TEdit {
public:
    explicit TSpinEdit(TComponent* owner, std::string name = {});

    int MinValue() const { return FMinValue; }
    int MaxValue() const { return FMaxValue; }
    void SetRange(int minValue, int maxValue);
    int Increment() const { return FIncrement; }
    void SetIncrement(int increment) { FIncrement = increment; }

    // The text as an integer (decimal, or hexadecimal after "$" or "0x"); text that is no
    // integer gives MinValue.
    int Value() const;
    // Writes the value, brought into the range, as text.
    void SetValue(int value);
    // The up and down buttons (and arrow keys): Value plus or minus Increment, kept in range.
    void Up();
    void Down();

    void DoExit() override;

private:
    int CheckValue(int value) const;
    bool HasLimits() const { return FMinValue != FMaxValue; }

    int FMinValue = 0;
    int FMaxValue = 0;
    int FIncrement = 1;
};

}  // namespace lenzor
