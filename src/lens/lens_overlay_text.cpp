#include "lens/lens_overlay_text.h"

#include "core/text_forms.h"

#include <cmath>
#include <cstdio>

namespace lenzor {
namespace {

int Red(uint32_t color) {
    return static_cast<int>(color & 0xFF);
}
int Green(uint32_t color) {
    return static_cast<int>((color >> 8) & 0xFF);
}
int Blue(uint32_t color) {
    return static_cast<int>((color >> 16) & 0xFF);
}

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

std::string HexColorText(uint32_t color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", Red(color), Green(color), Blue(color));
    return text;
}

std::string ReadoutText(uint32_t color) {
    return HexColorText(color) + "  R " + std::to_string(Red(color)) + "  G " +
           std::to_string(Green(color)) + "  B " + std::to_string(Blue(color));
}

// The contrast ratio (L1 + 0.05) / (L2 + 0.05) of the swatch against black equals the one
// against white where the luminance is sqrt(1.05 * 0.05) - 0.05, about 0.179; a mid-grey swatch
// is already lighter than that, so it gets black text.
uint32_t ReadoutTextColor(uint32_t swatch) {
    const double luminance = 0.2126 * Linear(Red(swatch)) + 0.7152 * Linear(Green(swatch)) +
                             0.0722 * Linear(Blue(swatch));
    return luminance > std::sqrt(1.05 * 0.05) - 0.05 ? 0x000000u : 0xFFFFFFu;
}

// A typed factor such as 1.3333 would make a long badge for a glance; factors so small or so
// large that two decimals say nothing or everything are shown as they are.
std::string ZoomBadgeText(double zoom, const FormatSettings& settings) {
    const bool rounded = zoom >= 0.01 && zoom < 1e13;
    return "x" + FloatToText(rounded ? std::nearbyint(zoom * 100) / 100 : zoom, settings);
}

}  // namespace lenzor
