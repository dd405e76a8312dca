#include "lang/source_texts.h"

#include "core/text_utils.h"
#include "options/file_system.h"
#include "options/ini_file.h"
#include "options/text_encoding.h"

namespace lenzor {
namespace {

struct WorkItem {
    std::string text;
    bool entry;
};

// "Name='Text one'+#13#10+'Text two';" -> ("Name", "Text one*|*Text two").
std::pair<std::string, std::string> ParseEntry(std::string text) {
    text.erase(text.size() >= 2 ? text.size() - 2 : 0);
    const std::size_t equals = text.find('=');
    if (equals != std::string::npos && equals + 1 < text.size()) {
        text.erase(equals + 1, 1);  // the opening quote
    }
    for (std::size_t pair = text.find("''"); pair != std::string::npos; pair = text.find("''")) {
        text.erase(pair, 1);
    }
    const std::size_t keyEnd = text.find('=');
    std::string key = text.substr(0, keyEnd);
    std::string value = keyEnd == std::string::npos ? std::string() : text.substr(keyEnd + 1);
    // Each "'+ ... '" joint between two quoted pieces becomes a line-break mark. A joint with
    // no quote after it ends the value there.
    for (std::size_t p = value.find("'+"); p != std::string::npos; p = value.find("'+")) {
        value.erase(p, 1);
        while (p < value.size() && value[p] != '\'') {
            value.erase(p, 1);
        }
        if (p < value.size()) {
            value.replace(p, 1, "*|*");
        }
    }
    return {std::move(key), std::move(value)};
}

}  // namespace

std::vector<std::pair<std::string, std::string>>
ParseSourceTexts(const std::vector<std::string>& lines) {
    std::vector<WorkItem> work;
    for (const std::string& raw : lines) {
        std::string_view line = TrimBlanks(raw);
        if (line.find("='") != std::string_view::npos) {
            work.push_back({std::string(line), true});
        } else if (!line.empty() && (line[0] == '\'' || line[0] == '+' || line[0] == '#')) {
            work.push_back({std::string(line), false});
        }
    }
    for (std::size_t i = work.size(); i-- > 1;) {
        if (!work[i].entry) {
            work[i - 1].text += work[i].text;
            work.erase(work.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    std::vector<std::pair<std::string, std::string>> entries;
    for (WorkItem& item : work) {
        if (item.entry) {
            auto entry = ParseEntry(std::move(item.text));
            if (!entry.first.empty()) {  // a profile entry needs a name
                entries.push_back(std::move(entry));
            }
        }
    }
    return entries;
}

void HarvestSourceTexts(IniFile& templateFile) {
    const std::string& folder = ProgramFolder();
    for (const std::string& name : ListFiles(folder, ".pas")) {
        if (name == "IniLang.pas") {
            continue;
        }
        std::string bytes;
        if (ReadFileStart(folder + name, std::size_t{16} << 20, bytes) != FileReadResult::Read) {
            continue;
        }
        const std::string text = DecodeText(bytes);
        std::vector<std::string> lines;
        std::size_t start = 0;
        while (start <= text.size()) {
            std::size_t stop = text.find_first_of("\r\n", start);
            if (stop == std::string::npos) {
                lines.push_back(text.substr(start));
                break;
            }
            lines.push_back(text.substr(start, stop - start));
            start = stop + 1;
        }
        for (const auto& [key, value] : ParseSourceTexts(lines)) {
            const std::string_view unwritable("\r\n\0", 3);
            if (key.find_first_of(unwritable) == std::string::npos &&
                value.find_first_of(unwritable) == std::string::npos) {
                templateFile.WriteString("Misc", key, value);
            }
        }
    }
}

}  // namespace lenzor
