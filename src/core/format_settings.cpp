#include "core/format_settings.h"

namespace lenzor {
namespace {

FormatSettings& Current() {
    static FormatSettings settings;
    return settings;
}

}  // namespace

const FormatSettings& CurrentFormatSettings() {
    return Current();
}

void SetCurrentFormatSettings(const FormatSettings& settings) {
    Current() = settings;
}

}  // namespace lenzor
