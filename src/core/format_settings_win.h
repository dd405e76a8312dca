// Fills the current format settings from the Windows user's locale.
#pragma once

namespace lenzor {

// Decimal separator, short date, long time and the AM/PM markers of the user's locale; a
// setting the locale cannot supply keeps its current value.
void LoadUserFormatSettings();

}  // namespace lenzor
