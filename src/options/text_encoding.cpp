#include "options/text_encoding.h"

#include <cstdint>

namespace lenzor {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// One code point from text at pos (advanced past it); kReplacement for a malformed sequence,
// which then consumes a single byte.
char32_t NextUtf8(std::string_view text, std::size_t& pos) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    std::size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead >= 0xF5 || pos + length > text.size()) {
        ++pos;
        return kReplacement;
    }
    char32_t c = lead & (0xFF >> (length + 1));
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80) {
            ++pos;
            return kReplacement;
        }
        c = (c << 6) | (byte(pos + i) & 0x3F);
    }
    // Overlong forms, surrogates and values beyond U+10FFFF are not characters.
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
        ++pos;
        return kReplacement;
    }
    pos += length;
    return c;
}

// A malformed sequence gives kReplacement for one byte; a real U+FFFD in the text takes three.
bool IsMalformed(char32_t c, std::size_t length) {
    return c == kReplacement && length == 1;
}

std::string Utf16LeToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    auto unit = [&](std::size_t i) {
        return static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                     static_cast<unsigned char>(bytes[i + 1]) << 8);
    };
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        char16_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < bytes.size()) {
            char16_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        AppendUtf8(out, u >= 0xD800 && u <= 0xDFFF ? kReplacement : u);
    }
    if (i < bytes.size()) {
        AppendUtf8(out, kReplacement);
    }
    return out;
}

std::string Utf8ToUtf16Le(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    auto put = [&](char32_t u) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>(u >> 8);
    };
    for (std::size_t pos = 0; pos < text.size();) {
        char32_t c = NextUtf8(text, pos);
        if (c >= 0x10000) {
            put(0xD800 + ((c - 0x10000) >> 10));
            put(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            put(c);
        }
    }
    return out;
}

}  // namespace

TextEncoding DetectTextEncoding(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Bom)) {
        return TextEncoding::Utf8Bom;
    }
    if (bytes.starts_with(kUtf16LeBom)) {
        return TextEncoding::Utf16LeBom;
    }
    bool nonAscii = false;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t start = pos;
        const char32_t c = NextUtf8(bytes, pos);
        if (IsMalformed(c, pos - start)) {
            return TextEncoding::Ansi;
        }
        nonAscii = nonAscii || pos - start > 1;
    }
    return nonAscii ? TextEncoding::Utf8 : TextEncoding::Ansi;
}

std::string DecodeText(std::string_view bytes, const TextCodec& codec) {
    switch (DetectTextEncoding(bytes)) {
    case TextEncoding::Utf8Bom:
        return ValidUtf8(bytes.substr(kUtf8Bom.size()));
    case TextEncoding::Utf8:
        return std::string(bytes);
    case TextEncoding::Utf16LeBom:
        return Utf16LeToUtf8(bytes.substr(kUtf16LeBom.size()));
    case TextEncoding::Ansi:
        break;
    }
    return ValidUtf8(codec.toUtf8(bytes));
}

std::string EncodeText(std::string_view utf8, TextEncoding encoding, const TextCodec& codec) {
    switch (encoding) {
    case TextEncoding::Utf8Bom:
        return std::string(kUtf8Bom) + ValidUtf8(utf8);
    case TextEncoding::Utf8:
        return ValidUtf8(utf8);
    case TextEncoding::Utf16LeBom:
        return std::string(kUtf16LeBom) + Utf8ToUtf16Le(utf8);
    case TextEncoding::Ansi:
        break;
    }
    return codec.fromUtf8(utf8);
}

std::string ValidUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t start = pos;
        char32_t c = NextUtf8(text, pos);
        if (IsMalformed(c, pos - start)) {
            AppendUtf8(out, kReplacement);
        } else {
            out.append(text.substr(start, pos - start));
        }
    }
    return out;
}

std::string_view WithoutPartialUtf8Tail(std::string_view text) {
    std::size_t start = text.size();
    while (start > 0 && (static_cast<unsigned char>(text[start - 1]) & 0xC0) == 0x80) {
        --start;
    }
    if (start == 0) {
        return text;
    }
    auto lead = static_cast<unsigned char>(text[start - 1]);
    std::size_t expected = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return text.size() - (start - 1) < expected ? text.substr(0, start - 1) : text;
}

}  // namespace lenzor
