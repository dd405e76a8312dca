#include "app/start_switches.h"

#include <algorithm>

namespace lenzor {
namespace {

std::string UpperAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; });
    return text;
}

}  // namespace

StartSwitches ParseStartSwitches(const std::vector<std::string>& arguments) {
    StartSwitches switches;
    for (const std::string& argument : arguments) {
        const std::string upper = UpperAscii(argument);
        switches.showMainForm |= upper == "-S";
        switches.languageBuild |= upper == "-L";
    }
    return switches;
}

}  // namespace lenzor
