#include "app/settings.h"

#include "lens/lenzor.h"
#include "options/opt_system.h"

#include <cstdint>
#include <string>

namespace lenzor {
namespace {

Variant Get(TOptSystem& options, std::string_view name) {
    return options.Item(std::string(name)).GetValue();
}

void Set(TOptSystem& options, std::string_view name, const Variant& value) {
    options.Item(std::string(name)).SetValue(value);
}

// What a byte-sized mode makes of any stored integer: its low byte.
int AsModeByte(const Variant& value) {
    return static_cast<std::uint8_t>(static_cast<std::uint32_t>(value.ToInt32()));
}

}  // namespace

void DeclareOptions(TOptSystem& options) {
    struct Declaration {
        std::string_view name;
        TOptDataType type;
        Variant initial;
    };
    const Declaration declarations[] = {
        {setting::ZoomFactor, dtFloat, Variant(2.0)},
        {setting::Alpha, dtInteger, Variant(160)},
        {setting::ContrastMode, dtInteger, Variant(0)},
        {setting::PositionMode, dtInteger, Variant(0)},
        {setting::CornerTrackOffset, dtInteger, Variant(10)},
        {setting::Width, dtInteger, Variant(250)},
        {setting::Height, dtInteger, Variant(250)},
        {setting::UpdateInterval, dtInteger, Variant(100)},
        {setting::LeftFixed, dtInteger, Variant(0)},
        {setting::TopFixed, dtInteger, Variant(0)},
        {setting::FixedBrightness, dtInteger, Variant(0)},
        {setting::FixedContrast, dtInteger, Variant(0)},
        {setting::FixedSaturation, dtInteger, Variant(0)},
        {setting::MouseThrough, dtBoolean, Variant(true)},
        {setting::BreakageTVLevel, dtInteger, Variant(0)},
        {setting::ShowAfterStart, dtBoolean, Variant(false)},
        {setting::FirstStart, dtBoolean, Variant(true)},
        {setting::Language, dtString, Variant("English")},
        {setting::HotKeyShowGlass, dtInteger, Variant(0)},
        {setting::LiveFollow, dtBoolean, Variant(true)},
        {setting::Smooth, dtBoolean, Variant(false)},
        {setting::ShowColor, dtBoolean, Variant(false)},
        {setting::PixelGrid, dtBoolean, Variant(false)},
        {setting::VisibleToCapture, dtBoolean, Variant(false)},
        {setting::HotKeyZoomIn, dtInteger, Variant(49185)},   // Ctrl+Alt+PageUp
        {setting::HotKeyZoomOut, dtInteger, Variant(49186)},  // Ctrl+Alt+PageDown
        {setting::HotKeyFreeze, dtInteger, Variant(0)},
        {setting::HotKeyCopy, dtInteger, Variant(0)},
        {setting::HotKeyCopyColor, dtInteger, Variant(0)},
    };
    for (const Declaration& d : declarations) {
        options.AddItem(std::string(d.name), d.type, d.initial, true, true);
    }
}

void ApplyOptionsToLens(TOptSystem& options, TLenzor& lens) {
    lens.SetZoomFactor(Get(options, setting::ZoomFactor).ToDouble());
    lens.SetAlpha(Get(options, setting::Alpha).ToInt32());
    lens.SetContrastMode(AsModeByte(Get(options, setting::ContrastMode)));
    lens.SetPositionMode(AsModeByte(Get(options, setting::PositionMode)));
    lens.SetCornerTrackOffset(Get(options, setting::CornerTrackOffset).ToInt32());
    lens.SetWidth(Get(options, setting::Width).ToInt32());
    lens.SetHeight(Get(options, setting::Height).ToInt32());
    // The interval is unsigned: a negative stored number is its 32-bit pattern.
    lens.SetUpdateInterval(
        static_cast<std::uint32_t>(Get(options, setting::UpdateInterval).ToInt32()));
    lens.SetLeftFixed(Get(options, setting::LeftFixed).ToInt32());
    lens.SetTopFixed(Get(options, setting::TopFixed).ToInt32());
    lens.SetFixedBrightness(Get(options, setting::FixedBrightness).ToInt32());
    lens.SetFixedContrast(Get(options, setting::FixedContrast).ToInt32());
    lens.SetFixedSaturation(Get(options, setting::FixedSaturation).ToInt32());
    lens.SetMouseThrough(Get(options, setting::MouseThrough).ToBoolean());
    lens.SetBreakageTVLevel(Get(options, setting::BreakageTVLevel).ToInt32());
    lens.SetLiveFollow(Get(options, setting::LiveFollow).ToBoolean());
    lens.SetSmooth(Get(options, setting::Smooth).ToBoolean());
    lens.SetShowColor(Get(options, setting::ShowColor).ToBoolean());
    lens.SetPixelGrid(Get(options, setting::PixelGrid).ToBoolean());
    lens.SetVisibleToCapture(Get(options, setting::VisibleToCapture).ToBoolean());
}

void ReadOptionsFromLens(TLenzor& lens, TOptSystem& options) {
    Set(options, setting::ZoomFactor, Variant(lens.ZoomFactor()));
    Set(options, setting::Alpha, Variant(static_cast<int32_t>(lens.Alpha())));
    Set(options, setting::ContrastMode, Variant(static_cast<int32_t>(lens.ContrastMode())));
    Set(options, setting::PositionMode, Variant(static_cast<int32_t>(lens.PositionMode())));
    Set(options, setting::CornerTrackOffset,
        Variant(static_cast<int32_t>(lens.CornerTrackOffset())));
    Set(options, setting::Width, Variant(static_cast<int32_t>(lens.Width())));
    Set(options, setting::Height, Variant(static_cast<int32_t>(lens.Height())));
    Set(options, setting::UpdateInterval, Variant(static_cast<int32_t>(lens.UpdateInterval())));
    Set(options, setting::LeftFixed, Variant(static_cast<int32_t>(lens.LeftFixed())));
    Set(options, setting::TopFixed, Variant(static_cast<int32_t>(lens.TopFixed())));
    Set(options, setting::FixedBrightness, Variant(static_cast<int32_t>(lens.FixedBrightness())));
    Set(options, setting::FixedContrast, Variant(static_cast<int32_t>(lens.FixedContrast())));
    Set(options, setting::FixedSaturation, Variant(static_cast<int32_t>(lens.FixedSaturation())));
    Set(options, setting::MouseThrough, Variant(lens.MouseThrough()));
    Set(options, setting::BreakageTVLevel, Variant(static_cast<int32_t>(lens.BreakageTVLevel())));
    Set(options, setting::LiveFollow, Variant(lens.LiveFollow()));
    Set(options, setting::Smooth, Variant(lens.Smooth()));
    Set(options, setting::ShowColor, Variant(lens.ShowColor()));
    Set(options, setting::PixelGrid, Variant(lens.PixelGrid()));
    Set(options, setting::VisibleToCapture, Variant(lens.VisibleToCapture()));
}

}  // namespace lenzor
