// What the two INI fuzz targets share: the names a text declares, which names a write can use
// and still be found again, and what a read of a written value must give back.
#pragma once

#include "core/text_utils.h"
#include "options/ini_document.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lenzor::fuzz {

// (section, key) pairs the text could hold, as the parser would see its lines; the first
// `limit` sections and keys, so that a large input stays quick.
inline std::vector<std::pair<std::string, std::string>> DeclaredNames(std::string_view text,
                                                                      std::size_t limit = 24) {
    std::vector<std::string> sections;
    std::vector<std::string> keys;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t stop = text.find_first_of("\r\n", start);
        std::string_view line = TrimBlanks(text.substr(start, stop - start));
        if (line.starts_with('[') && line.rfind(']') != std::string_view::npos) {
            if (sections.size() < limit) {
                sections.emplace_back(TrimBlanks(line.substr(1, line.rfind(']') - 1)));
            }
        } else if (std::size_t equals = line.find('=');
                   equals != std::string_view::npos && keys.size() < limit) {
            keys.emplace_back(TrimBlanks(line.substr(0, equals)));
        }
        if (stop == std::string_view::npos) {
            break;
        }
        start = stop + 1;
    }
    std::vector<std::pair<std::string, std::string>> names;
    for (const std::string& section : sections) {
        for (const std::string& key : keys) {
            names.emplace_back(section, key);
        }
    }
    return names;
}

// Names a writer can use and find again: no line break or NUL, no blanks around them, a key
// that neither holds "=" nor looks like a section header.
inline bool UsableNames(std::string_view section, std::string_view key) {
    auto plain = [](std::string_view name) {
        return !name.empty() && TrimBlanks(name) == name &&
               name.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
    };
    return plain(section) && plain(key) && key.find('=') == std::string_view::npos &&
           !key.starts_with('[');
}

inline bool UsableValue(std::string_view value) {
    return value.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

// A written value read back: blanks around it and one pair of enclosing quotes removed, cut to
// the profile functions' buffer.
inline std::string ExpectedRead(std::string_view value) {
    value = TrimBlanks(value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value.substr(0, IniDocument::kMaxValueLength));
}

[[noreturn]] inline void Fail(const char* what) {
    std::fprintf(stderr, "fuzz property broken: %s\n", what);
    std::abort();
}

}  // namespace lenzor::fuzz
