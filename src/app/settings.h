// The program's settings: their names, types and defaults in declaration order (the order of
// loading and saving), and their way into and out of the lens. The first nineteen are the
// original ones; the rest came with live following, smooth enlarging, the pixel tools and the
// extra hot keys, and a file without them gets their defaults.
#pragma once

#include <string_view>

namespace lenzor {

class TOptSystem;
class TLenzor;

namespace setting {
inline constexpr std::string_view ZoomFactor = "MouseControl.Lenzor.ZoomFactor";
inline constexpr std::string_view Alpha = "MouseControl.Lenzor.Alpha";
inline constexpr std::string_view ContrastMode = "MouseControl.Lenzor.ContrastMode";
inline constexpr std::string_view PositionMode = "MouseControl.Lenzor.PositionMode";
inline constexpr std::string_view CornerTrackOffset = "MouseControl.Lenzor.CornerTrackOffSet";
inline constexpr std::string_view Width = "MouseControl.Lenzor.Width";
inline constexpr std::string_view Height = "MouseControl.Lenzor.Height";
inline constexpr std::string_view UpdateInterval = "MouseControl.Lenzor.UpdateInterval";
inline constexpr std::string_view LeftFixed = "MouseControl.Lenzor.LeftFixed";
inline constexpr std::string_view TopFixed = "MouseControl.Lenzor.TopFixed";
inline constexpr std::string_view FixedBrightness = "MouseControl.Lenzor.FixedContrast.Brightness";
inline constexpr std::string_view FixedContrast = "MouseControl.Lenzor.FixedContrast.Contrast";
inline constexpr std::string_view FixedSaturation = "MouseControl.Lenzor.FixedContrast.Saturation";
inline constexpr std::string_view MouseThrough = "MouseControl.Lenzor.MouseThrough";
inline constexpr std::string_view BreakageTVLevel = "MouseControl.Lenzor.BreakageTVLevel";
inline constexpr std::string_view ShowAfterStart = "Common.ShowAfterStart";
inline constexpr std::string_view FirstStart = "Common.FirstStart";
inline constexpr std::string_view Language = "Common.Language";
inline constexpr std::string_view HotKeyShowGlass = "Common.HotKeyShowGlass";
inline constexpr std::string_view LiveFollow = "MouseControl.Lenzor.LiveFollow";
inline constexpr std::string_view Smooth = "MouseControl.Lenzor.Smooth";
inline constexpr std::string_view ShowColor = "MouseControl.Lenzor.ShowColor";
inline constexpr std::string_view PixelGrid = "MouseControl.Lenzor.PixelGrid";
inline constexpr std::string_view VisibleToCapture = "MouseControl.Lenzor.VisibleToCapture";
inline constexpr std::string_view HotKeyZoomIn = "Common.HotKeyZoomIn";
inline constexpr std::string_view HotKeyZoomOut = "Common.HotKeyZoomOut";
inline constexpr std::string_view HotKeyFreeze = "Common.HotKeyFreeze";
inline constexpr std::string_view HotKeyCopy = "Common.HotKeyCopy";
inline constexpr std::string_view HotKeyCopyColor = "Common.HotKeyCopyColor";
}  // namespace setting

// The settings file beside the program.
inline constexpr std::string_view kSettingsFileName = "Lenzor.ini";
// The program's value name under the registry's Run keys (start with Windows).
inline constexpr std::string_view kAutoRunValueName = "Lenzor10Quendal";

// Declares every setting on the option system, each with saving and loading on.
void DeclareOptions(TOptSystem& options);

// The lens's settings into the lens: the original fifteen in the order the lens expects them
// (modes as one byte each, nothing range-checked on the way: the lens copes with what a
// hand-edited file holds), then the five newer switches.
void ApplyOptionsToLens(TOptSystem& options, TLenzor& lens);

// The same values from the lens's current state into the settings.
void ReadOptionsFromLens(TLenzor& lens, TOptSystem& options);

}  // namespace lenzor
