#include "core/text_forms.h"

#include "core/text_utils.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace lenzor {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Accumulates digits of one base; fails on an empty run, a foreign character or a magnitude
// above `limit`.
bool ParseMagnitude(std::string_view digits, int base, uint64_t limit, uint64_t& out) {
    if (digits.empty()) {
        return false;
    }
    uint64_t value = 0;
    for (char c : digits) {
        int digit;
        if (IsDigit(c)) {
            digit = c - '0';
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            return false;
        }
        value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
        if (value > limit) {
            return false;
        }
    }
    out = value;
    return true;
}

// The largest doubles are written rounded to 15 digits, just beyond the range
// (1.79769313486232E308); that text is to read as the largest double, not as nothing. A tenth
// of the number is in range, so the comparison is made there.
bool IsLargestDoubleText(const std::string& plain) {
    std::string tenth = plain;
    const std::size_t e = tenth.find('e');
    if (e == std::string::npos) {
        tenth += "e-1";
    } else {
        const std::size_t digits = e + 1 + (tenth[e + 1] == '+' ? 1 : 0);
        long long exponent = 0;
        auto parsed = std::from_chars(tenth.data() + digits, tenth.data() + tenth.size(), exponent);
        if (parsed.ec != std::errc()) {
            return false;
        }
        tenth = tenth.substr(0, e + 1) + std::to_string(exponent - 1);
    }
    double value = 0;
    auto parsed = std::from_chars(tenth.data(), tenth.data() + tenth.size(), value);
    return parsed.ec == std::errc() && value <= 1.79769313486232e307;
}

}  // namespace

std::string IntToText(int32_t value) {
    return std::to_string(value);
}

bool TryTextToInt32(std::string_view text, int32_t& out) {
    text = TrimBlanks(text);
    constexpr uint64_t kMax = std::numeric_limits<int32_t>::max();
    uint64_t magnitude = 0;
    if (text.starts_with('$') || text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(text.front() == '$' ? 1 : 2);
        if (!ParseMagnitude(text, 16, kMax, magnitude)) {
            return false;
        }
        out = static_cast<int32_t>(magnitude);
        return true;
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (!ParseMagnitude(text, 10, negative ? kMax + 1 : kMax, magnitude)) {
        return false;
    }
    out = negative ? static_cast<int32_t>(-static_cast<int64_t>(magnitude))
                   : static_cast<int32_t>(magnitude);
    return true;
}

std::string FloatToText(double value, const FormatSettings& settings) {
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : "INF";
    }
    if (value == 0) {
        return "0";
    }
    // Rounding to 15 significant digits first: the exponent of the rounded number decides the
    // notation (9.999999999999999E-5 rounds up to 0.0001).
    char buffer[32];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    std::string_view sci(buffer, static_cast<std::size_t>(result.ptr - buffer));
    std::string text = value < 0 ? "-" : "";
    if (sci.front() == '-') {
        sci.remove_prefix(1);
    }
    std::size_t e = sci.find('e');
    int exponent = 0;
    std::from_chars(sci.data() + e + (sci[e + 1] == '+' ? 2 : 1), sci.data() + sci.size(),
                    exponent);
    std::string digits;
    digits += sci[0];
    digits += sci.substr(2, e - 2);
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    if (exponent >= -4 && exponent < 15) {
        if (exponent < 0) {
            text += '0';
            text += settings.decimalSeparator;
            text.append(static_cast<std::size_t>(-exponent - 1), '0');
            text += digits;
        } else if (digits.size() <= static_cast<std::size_t>(exponent) + 1) {
            text += digits;
            text.append(static_cast<std::size_t>(exponent) + 1 - digits.size(), '0');
        } else {
            text += digits.substr(0, static_cast<std::size_t>(exponent) + 1);
            text += settings.decimalSeparator;
            text += digits.substr(static_cast<std::size_t>(exponent) + 1);
        }
        return text;
    }
    text += digits[0];
    if (digits.size() > 1) {
        text += settings.decimalSeparator;
        text += digits.substr(1);
    }
    text += 'E';
    text += std::to_string(exponent);
    return text;
}

bool TryTextToFloat(std::string_view text, double& out, const FormatSettings& settings) {
    text = TrimBlanks(text);
    // Rebuild the number in the one syntax from_chars reads, checking the shape on the way.
    std::string plain;
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    std::size_t mantissaDigits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++mantissaDigits) {
        plain += text[i];
    }
    if (i < text.size() && text[i] == settings.decimalSeparator) {
        plain += '.';
        for (++i; i < text.size() && IsDigit(text[i]); ++i, ++mantissaDigits) {
            plain += text[i];
        }
    }
    if (mantissaDigits == 0) {
        return false;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
            plain += text[i++];
        }
        std::size_t exponentDigits = 0;
        for (; i < text.size() && IsDigit(text[i]); ++i, ++exponentDigits) {
            plain += text[i];
        }
        if (exponentDigits == 0) {
            return false;
        }
    }
    if (i != text.size()) {
        return false;
    }
    double value = 0;
    const char* end = plain.data() + plain.size();
    auto result = std::from_chars(plain.data(), end, value);
    if ((result.ec == std::errc::result_out_of_range || std::isinf(value)) &&
        IsLargestDoubleText(plain)) {
        value = std::numeric_limits<double>::max();
        result.ec = std::errc();
        result.ptr = end;
    }
    if (result.ec != std::errc() || result.ptr != end || std::isinf(value)) {
        return false;
    }
    out = negative ? -value : value;
    return true;
}

}  // namespace lenzor
