// Checks on number input the dialogs share.
#pragma once

#include "core/format_settings.h"

#include <string_view>

namespace lenzor {

// Whether text is a number under the locale's decimal separator: the options frame's check, which
// it makes with TryTextToFloat itself because it needs the number too.
bool IsFloat(std::string_view text, const FormatSettings& settings = CurrentFormatSettings());

}  // namespace lenzor
