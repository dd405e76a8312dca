#include "ui/strings.h"

#include "core/errors.h"
#include "core/text_utils.h"

namespace lenzor {

const std::string& TStrings::Strings(int index) const {
    if (index < 0 || index >= Count()) {
        throw EListError(FormatMessage1("List index out of bounds (%d)", std::to_string(index)));
    }
    return FList[static_cast<std::size_t>(index)];
}

void TStrings::SetStrings(int index, std::string text) {
    Strings(index);  // range check
    FList[static_cast<std::size_t>(index)] = std::move(text);
    Changed();
}

void TStrings::Add(std::string text) {
    FList.push_back(std::move(text));
    Changed();
}

void TStrings::Clear() {
    FList.clear();
    Changed();
}

void TStrings::Assign(std::vector<std::string> list) {
    FList = std::move(list);
    Changed();
}

int TStrings::IndexOf(std::string_view text) const {
    for (std::size_t i = 0; i < FList.size(); ++i) {
        if (EqualsIgnoringAsciiCase(FList[i], text)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string TStrings::Text() const {
    std::string text;
    for (const std::string& line : FList) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void TStrings::SetText(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t stop = text.find_first_of("\r\n", start);
        if (stop == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, stop - start));
        start = stop + (text.compare(stop, 2, "\r\n") == 0 ? 2 : 1);
    }
    Assign(std::move(lines));
}

void TStrings::Changed() {
    if (FOnChange) {
        FOnChange();
    }
}

}  // namespace lenzor
