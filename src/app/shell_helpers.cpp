#include "app/shell_helpers.h"

#include "core/text_forms.h"

namespace lenzor {

bool IsFloat(std::string_view text, const FormatSettings& settings) {
    double ignored = 0;
    return TryTextToFloat(text, ignored, settings);
}

}  // namespace lenzor
