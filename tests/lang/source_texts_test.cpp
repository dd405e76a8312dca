#include "lang/source_texts.h"

#include <gtest/gtest.h>

namespace lenzor {
namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

TEST(SourceTexts, SourceLinesBecomeMessageEntries) {
    struct Case {
        std::vector<std::string> lines;
        Entries entries;
    } cases[] = {
        {{"  Name='Text one'+#13#10+'Text two';"}, {{"Name", "Text one*|*Text two"}}},
        {{"Quote='It''s ''fine''';"}, {{"Quote", "It's 'fine'"}}},
        {{"Long='first part'", "  +#13#10", "  +'second part';", "begin"},
         {{"Long", "first part*|*second part"}}},
        {{"'leading continuation';", "A='x';", "B='y'+'z';"}, {{"A", "x"}, {"B", "y*|*z"}}},
        {{"Open='no closing quote'+#13#10;"}, {{"Open", "no closing quote"}}},
        {{"='no name';", "X=';"}, {{"X", ""}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseSourceTexts(c.lines), c.entries) << c.lines.front();
    }
}

// Lines of a few megabytes, as a hand-written file may hold: every run of quotes still becomes
// one quote and every joint a mark, and the parse ends (it once took hours on such lines).
TEST(SourceTexts, LongLinesParse) {
    const std::size_t n = 1'000'000;
    std::string quotes = "Q='";
    for (std::size_t i = 0; i < n; ++i) {
        quotes += "a''";
    }
    std::string joints = "J='x";
    for (std::size_t i = 0; i < n / 4; ++i) {
        joints += "'+#13#10+'x";
    }
    const Entries entries = ParseSourceTexts({quotes + "';", joints + "';"});
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].second.size(), 2 * n);
    EXPECT_EQ(entries[0].second.substr(0, 6), "a'a'a'");
    EXPECT_EQ(entries[1].second.size(), 1 + 4 * (n / 4));
    EXPECT_EQ(entries[1].second.substr(0, 9), "x*|*x*|*x");
}

}  // namespace
}  // namespace lenzor
