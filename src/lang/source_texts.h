// Message texts gathered from source files for the language template: lines of the form
// Name='Text one'+#13#10+'Text two'; give Name=Text one*|*Text two.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace lenzor {

class IniFile;

// Entries (key, value) from the lines of one source file, in order.
std::vector<std::pair<std::string, std::string>>
ParseSourceTexts(const std::vector<std::string>& lines);

// Adds the "Misc" entries of every "*.pas" file in the program folder except "IniLang.pas".
void HarvestSourceTexts(IniFile& templateFile);

}  // namespace lenzor
