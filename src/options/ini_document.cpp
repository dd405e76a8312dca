#include "options/ini_document.h"

#include "core/text_utils.h"

namespace lenzor {
namespace {

constexpr const char* kCrLf = "\r\n";

// "[name]"; the name ends at the last closing bracket, anything after it is ignored.
bool ParseSectionHeader(std::string_view line, std::string_view& name) {
    line = TrimBlanks(line);
    std::size_t close = line.rfind(']');
    if (!line.starts_with('[') || close == std::string_view::npos) {
        return false;
    }
    name = TrimBlanks(line.substr(1, close - 1));
    return true;
}

// "key=value". A comment line is a key whose name starts with ";", which no option has.
bool ParseKeyLine(std::string_view line, std::string_view& key, std::string_view& value) {
    line = TrimBlanks(line);
    std::size_t equals = line.find('=');
    if (line.starts_with('[') || equals == std::string_view::npos) {
        return false;
    }
    key = TrimBlanks(line.substr(0, equals));
    value = TrimBlanks(line.substr(equals + 1));
    return true;
}

}  // namespace

IniDocument::IniDocument(std::string_view bytes) {
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t stop = bytes.find_first_of("\r\n", start);
        if (stop == std::string_view::npos) {
            lines_.push_back({std::string(bytes.substr(start)), ""});
            break;
        }
        std::size_t endLength = bytes.compare(stop, 2, kCrLf) == 0 ? 2 : 1;
        lines_.push_back({std::string(bytes.substr(start, stop - start)),
                          std::string(bytes.substr(stop, endLength))});
        start = stop + endLength;
    }
}

std::optional<std::string> IniDocument::Read(std::string_view section, std::string_view key) const {
    std::size_t header = FindSection(section);
    if (header == lines_.size()) {
        return std::nullopt;
    }
    std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        std::string_view name;
        std::string_view value;
        if (ParseKeyLine(lines_[i].text, name, value) && EqualsIgnoringAsciiCase(name, key)) {
            if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                value.back() == value.front()) {
                value = value.substr(1, value.size() - 2);
            }
            return std::string(value.substr(0, kMaxValueLength));
        }
    }
    return std::nullopt;
}

void IniDocument::Write(std::string_view section, std::string_view key, std::string_view value) {
    std::size_t header = FindSection(section);
    if (header == lines_.size()) {
        Insert(lines_.size(), "[" + std::string(section) + "]");
        Insert(lines_.size(), std::string(key) + "=" + std::string(value));
        return;
    }
    std::size_t end = SectionEnd(header);
    std::size_t lastNonBlank = header;
    for (std::size_t i = header + 1; i < end; ++i) {
        std::string_view name;
        std::string_view oldValue;
        if (ParseKeyLine(lines_[i].text, name, oldValue) && EqualsIgnoringAsciiCase(name, key)) {
            lines_[i] = {std::string(name) + "=" + std::string(value), kCrLf};
            return;
        }
        if (!TrimBlanks(lines_[i].text).empty()) {
            lastNonBlank = i;
        }
    }
    Insert(lastNonBlank + 1, std::string(key) + "=" + std::string(value));
}

std::string IniDocument::Bytes() const {
    std::string bytes;
    for (const Line& line : lines_) {
        bytes += line.text;
        bytes += line.end;
    }
    return bytes;
}

std::size_t IniDocument::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        std::string_view name;
        if (ParseSectionHeader(lines_[i].text, name) && EqualsIgnoringAsciiCase(name, section)) {
            return i;
        }
    }
    return lines_.size();
}

std::size_t IniDocument::SectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    std::string_view name;
    while (i < lines_.size() && !ParseSectionHeader(lines_[i].text, name)) {
        ++i;
    }
    return i;
}

void IniDocument::Insert(std::size_t at, std::string text) {
    if (at > 0 && lines_[at - 1].end.empty()) {
        lines_[at - 1].end = kCrLf;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text), kCrLf});
}

}  // namespace lenzor
