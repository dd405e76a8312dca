// Number input checks under a chosen decimal separator.
#include "app/shell_helpers.h"

#include <gtest/gtest.h>

namespace lenzor {
namespace {

TEST(IsFloat, FollowsTheDecimalSeparator) {
    FormatSettings dot;
    FormatSettings comma;
    comma.decimalSeparator = ',';

    EXPECT_TRUE(IsFloat("2.5", dot));
    EXPECT_FALSE(IsFloat("2,5", dot));
    EXPECT_TRUE(IsFloat("2,5", comma));
    EXPECT_FALSE(IsFloat("2.5", comma));
}

TEST(IsFloat, AcceptsNumbersAndRefusesTheRest) {
    FormatSettings dot;
    for (const char* text : {"2", "-0.5", " 3 ", "1E3", "+7"}) {
        EXPECT_TRUE(IsFloat(text, dot)) << text;
    }
    for (const char* text : {"", "abc", "2.5x", "1.2.3", "1e999"}) {
        EXPECT_FALSE(IsFloat(text, dot)) << text;
    }
}

}  // namespace
}  // namespace lenzor
