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

    EXPECT_EQ(DetectTextEncoding("caf\xE9"), TextEncoding::Ansi);
    EXPECT_EQ(DecodeText("caf\xE9", kFakeAnsi), "cafE");
    EXPECT_EQ(EncodeText("caf\xE9", TextEncoding::Ansi, kFakeAnsi), "cafE");
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
