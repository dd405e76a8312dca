#include "options/ini_file.h"

#include "core/errors.h"

#include <algorithm>

namespace lenzor {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

}  // namespace

IniFile::IniFile(std::string path, const TextCodec& codec, TextEncoding newFileEncoding)
    : path_(std::move(path)), codec_(codec), newFileEncoding_(newFileEncoding) {
    std::string bytes;
    const FileReadResult read = ReadFileBytes(path_, bytes);
    if (read == FileReadResult::Read) {
        snapshot_ = Decode(bytes);
    } else if (read == FileReadResult::Missing) {
        snapshot_.encoding = newFileEncoding_;
    }
}

std::optional<std::string> IniFile::ReadString(std::string_view section,
                                               std::string_view key) const {
    std::optional<std::string> value =
        snapshot_.document.Read(ToFile(snapshot_, section), ToFile(snapshot_, key));
    if (!value) {
        return std::nullopt;
    }
    // The profile functions hand out C strings, so a value ends at a NUL in the file; the rest
    // could not be written back.
    value->erase(std::min(value->find('\0'), value->size()));
    if (snapshot_.encoding == TextEncoding::Ansi) {
        return codec_.toUtf8(*value);
    }
    return ValidUtf8(WithoutPartialUtf8Tail(*value));
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    for (std::string_view part : {section, key, value}) {
        if (part.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) {
            throw EIniFileException(FormatMessage1("Unable to write to %s", path_));
        }
    }
    Edit edit{std::string(section), std::string(key), std::string(value)};
    Apply(snapshot_, edit);
    pending_.push_back(std::move(edit));
}

void IniFile::Flush() {
    if (pending_.empty()) {
        return;
    }
    std::string bytes;
    FileReadResult read = ReadFileBytes(path_, bytes);
    if (read == FileReadResult::Unreadable) {
        throw EIniFileException(FormatMessage1("Unable to write to %s", path_));
    }
    Content current = read == FileReadResult::Read ? Decode(bytes) : Content{newFileEncoding_, {}};
    for (const Edit& edit : pending_) {
        Apply(current, edit);
    }
    ReplaceFileContents(path_, Encode(current));
    pending_.clear();
}

IniFile::Content IniFile::Decode(std::string_view bytes) const {
    Content content;
    content.encoding = DetectTextEncoding(bytes);
    switch (content.encoding) {
    case TextEncoding::Ansi:
        content.document = IniDocument(bytes);
        break;
    case TextEncoding::Utf8Bom:
        // Undecoded, so that malformed bytes on lines nobody writes survive a save.
        content.document = IniDocument(bytes.substr(kUtf8Bom.size()));
        break;
    case TextEncoding::Utf8:
        content.document = IniDocument(bytes);
        break;
    case TextEncoding::Utf16LeBom:
        content.document = IniDocument(DecodeText(bytes, codec_));
        break;
    }
    return content;
}

std::string IniFile::Encode(const Content& content) const {
    switch (content.encoding) {
    case TextEncoding::Ansi:
    case TextEncoding::Utf8:
        return content.document.Bytes();
    case TextEncoding::Utf8Bom:
        return std::string(kUtf8Bom) + content.document.Bytes();
    case TextEncoding::Utf16LeBom:
        break;
    }
    return EncodeText(content.document.Bytes(), TextEncoding::Utf16LeBom, codec_);
}

std::string IniFile::ToFile(const Content& content, std::string_view utf8) const {
    return content.encoding == TextEncoding::Ansi ? codec_.fromUtf8(utf8) : ValidUtf8(utf8);
}

void IniFile::Apply(Content& content, const Edit& edit) const {
    content.document.Write(ToFile(content, edit.section), ToFile(content, edit.key),
                           ToFile(content, edit.value));
}

}  // namespace lenzor
