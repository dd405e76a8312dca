// The lens's position and contrast modes, by index, with the names the options show for them.
#pragma once

#include <array>
#include <string_view>

namespace lenzor {

enum TPositionMode { pmUnderCursor = 0, pmCornerTracker = 1, pmFixedElusive = 2, pmFixed = 3 };
enum TContrastMode { cmNone = 0, cmNegative = 1, cmFixedGamma = 2, cmBrokenTV = 3 };

inline constexpr std::array<std::string_view, 4> PositionModeNames = {
    "Under Cursor (Win2000/XP)", "Corner Tracker", "Fixed Elusive", "Fixed"};
inline constexpr std::array<std::string_view, 4> ContrastModeNames = {
    "None", "Negative", "Fixed gamma (CPU max)", "Broken TV (CPU max)"};

}  // namespace lenzor
