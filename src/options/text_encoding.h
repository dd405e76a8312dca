// Text files people edit by hand come in three encodings: the system ANSI code page (no mark),
// UTF-8 with a byte-order mark, and UTF-16LE with a byte-order mark (Notepad's "Unicode").
// Readers decode to the program's UTF-8; writers put text back in the encoding it came in.
#pragma once

#include "options/ini_platform.h"

#include <string>
#include <string_view>

namespace lenzor {

enum class TextEncoding { Ansi, Utf8Bom, Utf16LeBom };

// From the byte-order mark at the start; no mark means the ANSI code page.
TextEncoding DetectTextEncoding(std::string_view bytes);

// The whole text as UTF-8 without its byte-order mark. Malformed sequences (a bad UTF-8 byte,
// an unpaired surrogate, an odd trailing byte) become U+FFFD, so the result is always valid.
std::string DecodeText(std::string_view bytes, const TextCodec& codec = SystemAnsiCodec());

// UTF-8 text in the given encoding, byte-order mark included.
std::string EncodeText(std::string_view utf8, TextEncoding encoding,
                       const TextCodec& codec = SystemAnsiCodec());

// Replaces malformed UTF-8 with U+FFFD.
std::string ValidUtf8(std::string_view text);

}  // namespace lenzor
