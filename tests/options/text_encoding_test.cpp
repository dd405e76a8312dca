#include "options/text_encoding.h"

#include <gtest/gtest.h>

namespace lenzor {
namespace {

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = c == '\xE9' ? 'E' : c;  // a stand-in code page: e-acute <-> 'E'
    return out;
}
const TextCodec kFakeAnsi{Upper, Upper};

TEST(TextEncoding, DecodesEachEncodingAndWritesItBack) {
    // "Zoë ж 😀" in each encoding.
    const std::string utf8 = "Zo\xC3\xAB \xD0\xB6 \xF0\x9F\x98\x80";
    const std::string utf16 =
        std::string("\xFF\xFE", 2) + std::string("Z\0o\0\xEB\0 \0\x36\x04 \0\x3D\xD8\x00\xDE", 16);
    EXPECT_EQ(DetectTextEncoding(utf16), TextEncoding::Utf16LeBom);
    EXPECT_EQ(DecodeText(utf16), utf8);
    EXPECT_EQ(EncodeText(utf8, TextEncoding::Utf16LeBom), utf16);

    EXPECT_EQ(DetectTextEncoding("\xEF\xBB\xBF" + utf8), TextEncoding::Utf8Bom);
    EXPECT_EQ(DecodeText("\xEF\xBB\xBF" + utf8), utf8);
    EXPECT_EQ(EncodeText(utf8, TextEncoding::Utf8Bom), "\xEF\xBB\xBF" + utf8);

    EXPECT_EQ(EncodeText(utf8, TextEncoding::Utf8), utf8);

    EXPECT_EQ(DetectTextEncoding("caf\xE9"), TextEncoding::Ansi);
    EXPECT_EQ(DecodeText("caf\xE9", kFakeAnsi), "cafE");
    EXPECT_EQ(EncodeText("caf\xE9", TextEncoding::Ansi, kFakeAnsi), "cafE");
}

// Without a byte-order mark: UTF-8 when the bytes are valid UTF-8 holding a non-ASCII
// character, else the ANSI code page (here tagged, to see which way the text was decoded).
TEST(TextEncoding, UnmarkedTextIsUtf8OnlyWhenValidAndNotPlainAscii) {
    const TextCodec tagged{[](std::string_view t) { return "ansi:" + std::string(t); },
                           [](std::string_view t) { return std::string(t); }};
    using enum TextEncoding;
    const struct {
        const char* what;
        std::string bytes;
        TextEncoding expected;
    } cases[] = {
        {"empty", "", Ansi},
        {"plain ASCII", "[Common]\r\nLanguage=English\r\n", Ansi},
        {"German in UTF-8", "Gr\xC3\xBC\xC3\x9F", Utf8},
        {"Russian in UTF-8", "\xD0\xAF\xD0\xB7\xD1\x8B\xD0\xBA", Utf8},
        {"3 and 4 bytes: euro, emoji", "\xE2\x82\xAC \xF0\x9F\x98\x80", Utf8},
        {"U+FFFD itself", "a\xEF\xBF\xBD", Utf8},
        {"German in cp1252", "Gr\xFC\xDF", Ansi},
        {"Russian in cp1251", "\xDF\xE7\xFB\xEA", Ansi},
        // 8-bit text that happens to be valid UTF-8 reads as UTF-8, by the rule.
        {"cp1252 \"Ã©tÃ©\"", "\xC3\xA9t\xC3\xA9", Utf8},
        {"cp1251 \"РџСЂРёРІРµС‚\"", "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82", Utf8},
        {"overlong 2 bytes", "\xC3\xA9 \xC0\xAF", Ansi},
        {"overlong 3 bytes", "\xC3\xA9 \xE0\x80\xAF", Ansi},
        {"overlong 4 bytes", "\xC3\xA9 \xF0\x80\x80\xAF", Ansi},
        {"truncated at the end", "\xC3\xA9 \xE2\x82", Ansi},
        {"truncated inside", "\xE2\x82 \xC3\xA9", Ansi},
        {"lone continuation byte", "\xC3\xA9\xA9", Ansi},
        {"encoded surrogate", "\xED\xA0\x80", Ansi},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", Ansi},
        {"5-byte form", "\xF8\x88\x80\x80\x80", Ansi},
        {"one bad byte far on", "\xC3\xA9" + std::string(70000, 'a') + "\xFF", Ansi},
        {"a mark decides, even over bad bytes", "\xEF\xBB\xBF\xFF", Utf8Bom},
        {"UTF-16 mark", "\xFF\xFEZ", Utf16LeBom},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(DetectTextEncoding(c.bytes), c.expected);
        const std::string text = DecodeText(c.bytes, tagged);
        EXPECT_EQ(text.starts_with("ansi:"), c.expected == Ansi);
        if (c.expected == Utf8) {
            EXPECT_EQ(text, c.bytes);
        }
    }
}

TEST(TextEncoding, MalformedInputBecomesReplacementCharacters) {
    const std::string r = "\xEF\xBF\xBD";
    struct Case {
        std::string bytes;
        std::string utf8;
    } cases[] = {
        {"\xEF\xBB\xBF"
         "a\xFF"
         "b",
         "a" + r + "b"},  // stray byte
        {"\xEF\xBB\xBF"
         "\xC0\xAF",
         r + r},  // overlong "/"
        {"\xEF\xBB\xBF"
         "\xED\xA0\x80",
         r + r + r},  // encoded surrogate
        {"\xEF\xBB\xBF"
         "\xE2\x82",
         r + r},  // cut sequence
        {std::string("\xFF\xFE"
                     "A\0\x00\xD8"
                     "B\0",
                     8),
         "A" + r + "B"},  // lone high surrogate
        {std::string("\xFF\xFE"
                     "A\0\x00\xDC",
                     6),
         "A" + r},  // lone low surrogate
        {std::string("\xFF\xFE"
                     "A\0B",
                     5),
         "A" + r},  // odd byte count
        {std::string("\xEF\xBB\xBF"
                     "a\0b",
                     6),
         std::string("a\0b", 3)},  // NUL kept
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecodeText(c.bytes), c.utf8) << testing::PrintToString(c.bytes);
    }
    EXPECT_EQ(ValidUtf8(r + "ok"), r + "ok");
}

}  // namespace
}  // namespace lenzor
