// What the marks over the lens picture say, and in which colour: the colour readout and the
// zoom badge. Portable, so the window only measures and draws.
#pragma once

#include "core/format_settings.h"

#include <cstdint>
#include <string>

namespace lenzor {

// "#RRGGBB", upper-case hex, of a $00BBGGRR colour.
std::string HexColorText(uint32_t color);

// The readout strip's text: the hex form, then the three channels ("#FF8000  R 255  G 128  B 0").
std::string ReadoutText(uint32_t color);

// Black or white, whichever stands out more against the colour (by its relative luminance,
// with the screen's gamma undone), so text on a swatch of it is readable.
uint32_t ReadoutTextColor(uint32_t swatch);

// "x" and the factor in the locale's form, rounded to two decimals ("x2.5", German "x2,5").
std::string ZoomBadgeText(double zoom, const FormatSettings& settings = CurrentFormatSettings());

}  // namespace lenzor
