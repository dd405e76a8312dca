#include "lang/language_file.h"

#include "core/text_utils.h"
#include "options/text_encoding.h"

#include <algorithm>

namespace lenzor {
namespace {

char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

bool TLanguageFile::LessIgnoringCase::operator()(const std::string& a, const std::string& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return UpperAscii(x) < UpperAscii(y);
    });
}

TLanguageFile TLanguageFile::FromBytes(std::string_view bytes) {
    TLanguageFile file;
    std::string_view kept = bytes.substr(0, kMaxFileSize);
    if (bytes.size() >= kMaxFileSize) {
        // Possibly cut there, perhaps inside a character of a file without a byte-order mark,
        // which would then no longer read as UTF-8.
        kept = WithoutPartialUtf8Tail(kept);
    }
    const std::string text = DecodeText(kept);
    Section* section = nullptr;
    bool sectionIsRepeat = false;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t stop = text.find_first_of("\r\n", start);
        if (stop == std::string::npos) {
            stop = text.size();
        }
        const std::string_view line =
            TrimBlanks(std::string_view(text).substr(start, stop - start));
        start = stop + 1;
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
            std::string name(TrimBlanks(line.substr(1, line.size() - 2)));
            sectionIsRepeat = file.FSections.count(name) != 0;
            section = &file.FSections[name];
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!section || sectionIsRepeat || equals == std::string_view::npos) {
            continue;
        }
        section->emplace(std::string(TrimBlanks(line.substr(0, equals))),
                         std::string(TrimBlanks(line.substr(equals + 1))));
    }
    return file;
}

std::optional<std::string> TLanguageFile::Read(std::string_view section,
                                               std::string_view key) const {
    auto s = FSections.find(std::string(section));
    if (s == FSections.end()) {
        return std::nullopt;
    }
    auto k = s->second.find(std::string(key));
    if (k == s->second.end()) {
        return std::nullopt;
    }
    return k->second;
}

std::string TLanguageFile::ReadString(std::string_view section, std::string_view key,
                                      std::string_view defaultValue) const {
    std::optional<std::string> value = Read(section, key);
    return value ? *value : std::string(defaultValue);
}

}  // namespace lenzor
