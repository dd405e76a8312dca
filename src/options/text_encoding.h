// Text files people edit by hand come in four encodings: the system ANSI code page, UTF-8 with
// or without a byte-order mark, and UTF-16LE with a byte-order mark (Notepad's "Unicode").
// Readers decode to the program's UTF-8; writers put text back in the encoding it came in.
#pragma once

#include "options/ini_platform.h"

#include <string>
#include <string_view>

namespace lenzor {

enum class TextEncoding { Ansi, Utf8Bom, Utf16LeBom, Utf8 };

// From the byte-order mark at the start. Without one the bytes are UTF-8 when they are valid
// UTF-8 and hold at least one non-ASCII character (what today's editors save), otherwise the
// ANSI code page, so older files read as before. ANSI text that happens to be valid UTF-8
// (rare in real text: every byte from 0x80 on would have to pair up as UTF-8) reads as UTF-8.
TextEncoding DetectTextEncoding(std::string_view bytes);

// The whole text as UTF-8 without its byte-order mark. Malformed sequences (a bad UTF-8 byte,
// an unpaired surrogate, an odd trailing byte) become U+FFFD, so the result is always valid.
std::string DecodeText(std::string_view bytes, const TextCodec& codec = SystemAnsiCodec());

// UTF-8 text in the given encoding, byte-order mark included where the encoding has one.
std::string EncodeText(std::string_view utf8, TextEncoding encoding,
                       const TextCodec& codec = SystemAnsiCodec());

// Replaces malformed UTF-8 with U+FFFD.
std::string ValidUtf8(std::string_view text);

// A cut at a byte limit may split the last UTF-8 sequence: the text without such a remnant.
std::string_view WithoutPartialUtf8Tail(std::string_view text);

}  // namespace lenzor
