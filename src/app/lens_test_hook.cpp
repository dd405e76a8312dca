#include "app/lens_test_hook.h"

#include "lens/lenzor.h"

#include <charconv>

namespace lenzor {
namespace {

std::optional<int> ParseInt(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

LensTestHook ParseLensTestHook(std::string_view text) {
    LensTestHook hook;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view pair = text.substr(0, comma);
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
        const std::size_t equals = pair.find('=');
        if (equals == std::string_view::npos) {
            continue;
        }
        const std::string_view key = pair.substr(0, equals);
        const std::optional<int> value = ParseInt(pair.substr(equals + 1));
        if (!value) {
            continue;
        }
        if (key == "position") {
            hook.positionMode = value;
        } else if (key == "contrast") {
            hook.contrastMode = value;
        } else if (key == "interval" && *value >= 0) {
            hook.updateInterval = value;
        }
    }
    return hook;
}

void ApplyLensTestHook(const LensTestHook& hook, TLenzor& lens) {
    if (hook.positionMode) {
        lens.SetPositionMode(*hook.positionMode);
    }
    if (hook.contrastMode) {
        lens.SetContrastMode(*hook.contrastMode);
    }
    if (hook.updateInterval) {
        lens.SetUpdateInterval(static_cast<uint32_t>(*hook.updateInterval));
    }
}

}  // namespace lenzor
