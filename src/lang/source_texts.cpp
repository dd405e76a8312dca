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

// "Name='Text one'+#13#10+'Text two';" -> ("Name", "Text one*|*Text two"). Each step is one
// pass over the text, so that a long line in a hand-written file cannot stall the template.
std::pair<std::string, std::string> ParseEntry(std::string text) {
    text.erase(text.size() >= 2 ? text.size() - 2 : 0);
    const std::size_t equals = text.find('=');
    if (equals != std::string::npos && equals + 1 < text.size()) {
        text.erase(equals + 1, 1);  // the opening quote
    }
    // Removing one quote of a doubled pair until none is left leaves one of every run.
    std::string single;
    single.reserve(text.size());
    for (char c : text) {
        if (c != '\'' || single.empty() || single.back() != '\'') {
            single += c;
        }
    }
    const std::size_t keyEnd = single.find('=');
    std::string key = single.substr(0, keyEnd);
    const std::string rest =
        keyEnd == std::string::npos ? std::string() : single.substr(keyEnd + 1);
    // Each "'+ ... '" joint between two quoted pieces becomes a line-break mark. A joint with
    // no quote after it ends the value there.
    std::string value;
    value.reserve(rest.size());
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] != '\'' || i + 1 >= rest.size() || rest[i + 1] != '+') {
            value += rest[i];
            continue;
        }
        const std::size_t next = rest.find('\'', i + 1);
        if (next == std::string::npos) {
            break;
        }
        value += "*|*";
        i = next;
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
    // Continuation lines join the line before them (the first line stays on its own).
    std::vector<WorkItem> joined;
    for (WorkItem& item : work) {
        if (joined.empty() || item.entry) {
            joined.push_back(std::move(item));
        } else {
            joined.back().text += item.text;
        }
    }
    std::vector<std::pair<std::string, std::string>> entries;
    for (WorkItem& item : joined) {
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
