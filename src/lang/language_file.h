// A language file in memory: sections of key=value entries, matched regardless of ASCII case.
// Read in the system code page, or in UTF-8 or UTF-16LE after a byte-order mark, or in UTF-8
// without one as DetectTextEncoding tells. Where a section or a key repeats, the first one
// counts, as in the settings file.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace lenzor {

class TLanguageFile {
public:
    // Files are read up to this size; a longer file is read as far as that.
    static constexpr std::size_t kMaxFileSize = std::size_t{1} << 20;

    // From the file's bytes (byte-order mark and all).
    static TLanguageFile FromBytes(std::string_view bytes);

    std::optional<std::string> Read(std::string_view section, std::string_view key) const;
    // The value, or the default when the section or key is missing.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;

private:
    struct LessIgnoringCase {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    using Section = std::map<std::string, std::string, LessIgnoringCase>;
    std::map<std::string, Section, LessIgnoringCase> FSections;
};

}  // namespace lenzor
