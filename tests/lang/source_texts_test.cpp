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

}  // namespace
}  // namespace lenzor
