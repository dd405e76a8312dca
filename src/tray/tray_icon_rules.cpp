#include "tray/tray_icon_rules.h"

namespace lenzor {
namespace {

// Bytes of the UTF-8 character starting at text[at], and the UTF-16 units it becomes.
struct CharSize {
    std::size_t bytes;
    std::size_t units;
};

CharSize SizeOfChar(std::string_view text, std::size_t at) {
    auto lead = static_cast<unsigned char>(text[at]);
    std::size_t bytes = 1;
    if (lead >= 0xF0) {
        bytes = 4;
    } else if (lead >= 0xE0) {
        bytes = 3;
    } else if (lead >= 0xC0) {
        bytes = 2;
    }
    if (at + bytes > text.size()) {
        bytes = 1;
    }
    // Characters beyond the basic plane take a surrogate pair.
    return {bytes, bytes == 4 ? std::size_t{2} : std::size_t{1}};
}

}  // namespace

std::string TrayTipText(std::string_view hint, bool showHint) {
    if (!showHint) {
        return {};
    }
    std::size_t at = 0;
    std::size_t units = 0;
    while (at < hint.size()) {
        CharSize size = SizeOfChar(hint, at);
        if (units + size.units > kTrayTipMaxUnits) {
            break;
        }
        units += size.units;
        at += size.bytes;
    }
    return std::string(hint.substr(0, at));
}

int ClampIconIndex(int index, int count) {
    if (count <= 0 || index < 0) {
        return 0;
    }
    return index >= count ? count - 1 : index;
}

int NextCycleIndex(int index, int count) {
    return index < count - 1 ? index + 1 : 0;
}

}  // namespace lenzor
