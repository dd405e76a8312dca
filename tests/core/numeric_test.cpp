#include "core/numeric.h"

#include "core/errors.h"

#include <gtest/gtest.h>

#include <limits>

namespace lenzor {
namespace {

TEST(NumericTest, ClampByteBoundsBothEnds) {
    EXPECT_EQ(ClampByte(-1), 0);
    EXPECT_EQ(ClampByte(0), 0);
    EXPECT_EQ(ClampByte(255), 255);
    EXPECT_EQ(ClampByte(256), 255);
    EXPECT_EQ(ClampByte(int64_t{1} << 40), 255);
}

TEST(NumericTest, RoundsTiesToEven) {
    EXPECT_EQ(RoundHalfEven(0.5), 0.0);
    EXPECT_EQ(RoundHalfEven(1.5), 2.0);
    EXPECT_EQ(RoundHalfEven(2.5), 2.0);
    EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
    EXPECT_EQ(RoundHalfEven(60.5), 60.0);
    EXPECT_EQ(RoundToInt32(187.5), 188);
    EXPECT_EQ(RoundToInt32(62.5), 62);
}

TEST(NumericTest, RoundToInt32RefusesWhatDoesNotFit) {
    EXPECT_EQ(RoundToInt32(2147483647.4), 2147483647);
    EXPECT_THROW(RoundToInt32(2147483648.0), ERangeError);
    EXPECT_THROW(RoundToInt32(-2147483649.0), ERangeError);
    EXPECT_THROW(RoundToInt32(std::numeric_limits<double>::quiet_NaN()), ERangeError);
}

TEST(NumericTest, FormatMessageFillsThePlaceholder) {
    EXPECT_EQ(FormatMessage1("Unable to write to %s", "C:\\x.ini"), "Unable to write to C:\\x.ini");
    EXPECT_EQ(FormatMessage1("List index out of bounds (%d)", "5"), "List index out of bounds (5)");
}

}  // namespace
}  // namespace lenzor
