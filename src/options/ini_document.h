// IniDocument: the lines of an INI file as bytes, read and edited the way the Windows profile
// functions do, so that every line the program does not write stays as it was.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lenzor {

class IniDocument {
public:
    // Longest value a read returns (the profile functions' 2048-byte buffer less its NUL).
    static constexpr std::size_t kMaxValueLength = 2047;

    IniDocument() = default;
    // Lines end at CR LF, LF or a lone CR.
    explicit IniDocument(std::string_view bytes);

    // The value of the first key of that name in the first section of that name (names match
    // regardless of ASCII case), blanks around it removed, one pair of enclosing double or
    // single quotes removed, cut to kMaxValueLength bytes. None when the key is missing.
    std::optional<std::string> Read(std::string_view section, std::string_view key) const;

    // Replaces the key's line in place, or adds "key=value" after the last non-blank line of
    // the section, or adds the section at the end. Written lines end in CR LF. The caller
    // keeps line breaks out of names and value.
    void Write(std::string_view section, std::string_view key, std::string_view value);

    std::string Bytes() const;

private:
    struct Line {
        std::string text;
        std::string end;  // the line's own terminator, empty on an unterminated last line
    };

    // Index of the first section header of that name, or the line count.
    std::size_t FindSection(std::string_view section) const;
    // One past the last line of the section whose header is at `header`.
    std::size_t SectionEnd(std::size_t header) const;
    void Insert(std::size_t at, std::string text);

    std::vector<Line> lines_;
};

}  // namespace lenzor
