// IniFile: one INI file between opening and closing. Reads see the file as it was when the
// object was made plus the object's own writes; Flush puts the writes into the current file
// in one atomic replacement, so changes other programs made meanwhile survive.
#pragma once

#include "options/ini_document.h"
#include "options/ini_platform.h"
#include "options/text_encoding.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lenzor {

class IniFile {
public:
    // Reads the file now; a missing or unreadable file reads as empty. Text is in the codec's
    // 8-bit code page, or UTF-8 or UTF-16LE after the byte-order mark of that encoding, or
    // UTF-8 without a mark as DetectTextEncoding tells; saves keep the encoding the file has on
    // disk when they happen, and a new file gets `newFileEncoding`.
    explicit IniFile(std::string path, const TextCodec& codec = SystemAnsiCodec(),
                     TextEncoding newFileEncoding = TextEncoding::Ansi);

    const std::string& Path() const { return path_; }

    // UTF-8 in and out; none when the section or key is missing.
    std::optional<std::string> ReadString(std::string_view section, std::string_view key) const;

    // Refuses (EIniFileException "Unable to write to <path>") a line break or NUL character in
    // the names or the value, which would add lines to the file.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);

    // Writes every pending write into the file; nothing happens when there is none. Throws
    // EIniFileException "Unable to write to <path>" with the file unchanged, also when the
    // file exists but cannot be read (it would otherwise lose its other lines).
    void Flush();

private:
    // The lines of a UTF-8 or UTF-16 file are kept as UTF-8 (decoded from UTF-16), those of an
    // 8-bit file as its own bytes, so that lines nobody writes stay byte-exact.
    struct Content {
        TextEncoding encoding = TextEncoding::Ansi;
        IniDocument document;
    };
    struct Edit {
        std::string section;
        std::string key;
        std::string value;
    };

    Content Decode(std::string_view bytes) const;
    std::string Encode(const Content& content) const;
    std::string ToFile(const Content& content, std::string_view utf8) const;
    void Apply(Content& content, const Edit& edit) const;

    std::string path_;
    const TextCodec& codec_;
    TextEncoding newFileEncoding_;
    Content snapshot_;
    std::vector<Edit> pending_;
};

}  // namespace lenzor
