// Small rules of the notification-area icon: the tooltip text the shell gets, and icon indexes
// into the icon list when chosen and when cycling.
#pragma once

#include <string>
#include <string_view>

namespace lenzor {

// The shell's tooltip holds 127 UTF-16 units plus the terminating zero.
inline constexpr std::size_t kTrayTipMaxUnits = 127;

// The tooltip for a hint: empty when hidden, else the hint's longest prefix of whole characters
// that fits the shell's tooltip (UTF-8 in and out; invalid bytes count as one unit each).
std::string TrayTipText(std::string_view hint, bool showHint);

// An index into a list of count icons: above the list gives the last, negative gives the first,
// an empty list gives 0.
int ClampIconIndex(int index, int count);

// The icon that follows index when cycling through count icons.
int NextCycleIndex(int index, int count);

}  // namespace lenzor
