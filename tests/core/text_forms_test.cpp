#include "core/text_forms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace lenzor {
namespace {

FormatSettings WithSeparator(char separator) {
    FormatSettings settings;
    settings.decimalSeparator = separator;
    return settings;
}

TEST(FloatToTextTest, FixedNotationFromOneTenThousandthToFifteenDigits) {
    const FormatSettings point = WithSeparator('.');
    EXPECT_EQ(FloatToText(2.0, point), "2");
    EXPECT_EQ(FloatToText(0.0, point), "0");
    EXPECT_EQ(FloatToText(-0.0, point), "0");
    EXPECT_EQ(FloatToText(0.0001, point), "0.0001");
    EXPECT_EQ(FloatToText(-2.5, point), "-2.5");
    EXPECT_EQ(FloatToText(123.456, point), "123.456");
    EXPECT_EQ(FloatToText(100.0, point), "100");
    EXPECT_EQ(FloatToText(100000000000000.0, point), "100000000000000");
    EXPECT_EQ(FloatToText(999999999999999.0, point), "999999999999999");
}

TEST(FloatToTextTest, ScientificNotationOutsideTheFixedRange) {
    const FormatSettings point = WithSeparator('.');
    EXPECT_EQ(FloatToText(0.00001, point), "1E-5");
    EXPECT_EQ(FloatToText(-0.000012345, point), "-1.2345E-5");
    EXPECT_EQ(FloatToText(1e15, point), "1E15");
    EXPECT_EQ(FloatToText(1.5e20, point), "1.5E20");
    EXPECT_EQ(FloatToText(123456789012345678.0, point), "1.23456789012346E17");
    EXPECT_EQ(FloatToText(1e-300, point), "1E-300");
    EXPECT_EQ(FloatToText(std::numeric_limits<double>::max(), point), "1.79769313486232E308");
}

TEST(FloatToTextTest, RoundsToFifteenSignificantDigitsBeforeChoosingTheNotation) {
    const FormatSettings point = WithSeparator('.');
    EXPECT_EQ(FloatToText(0.1 + 0.2, point), "0.3");
    EXPECT_EQ(FloatToText(1.0 / 3.0, point), "0.333333333333333");
    EXPECT_EQ(FloatToText(2.0 / 3.0, point), "0.666666666666667");
    EXPECT_EQ(FloatToText(9.9999999999999999e-5, point), "0.0001");
    EXPECT_EQ(FloatToText(999999999999999.9, point), "1E15");
}

TEST(FloatToTextTest, UsesTheLocaleSeparatorAndNamesNonFiniteValues) {
    const FormatSettings comma = WithSeparator(',');
    EXPECT_EQ(FloatToText(2.5, comma), "2,5");
    EXPECT_EQ(FloatToText(1.5e20, comma), "1,5E20");
    EXPECT_EQ(FloatToText(1234567.25, comma), "1234567,25");
    EXPECT_EQ(FloatToText(std::nan(""), comma), "NAN");
    EXPECT_EQ(FloatToText(-std::numeric_limits<double>::infinity(), comma), "-INF");
}

TEST(TryTextToFloatTest, ReadsNumbersInTheLocaleFormat) {
    const FormatSettings point = WithSeparator('.');
    const FormatSettings comma = WithSeparator(',');
    struct Case {
        const char* text;
        const FormatSettings& settings;
        double expected;
    };
    const Case cases[] = {
        {"2.5", point, 2.5},   {"  2.5\t", point, 2.5}, {"2,5", comma, 2.5},
        {"-.5", point, -0.5},  {"5.", point, 5.0},      {"+3", point, 3.0},
        {"1E-5", point, 1e-5}, {"1e+3", point, 1000.0}, {"1,5E20", comma, 1.5e20},
        {"007", point, 7.0},
    };
    for (const Case& c : cases) {
        double value = -1;
        EXPECT_TRUE(TryTextToFloat(c.text, value, c.settings)) << c.text;
        EXPECT_EQ(value, c.expected) << c.text;
    }
}

TEST(TryTextToFloatTest, RefusesOtherShapesAndKeepsTheOutput) {
    const FormatSettings point = WithSeparator('.');
    const FormatSettings comma = WithSeparator(',');
    for (const char* text :
         {"", " ", ".", "-", "abc", "2,5", "1,000.5", "1e", "1e+", "2.5.1", "- 3", "0x10", "1 000",
          "1e400", "1.79769313486233E308", "NAN", "INF", "2.5x"}) {
        double value = 42;
        EXPECT_FALSE(TryTextToFloat(text, value, point)) << text;
        EXPECT_EQ(value, 42) << text;
    }
    double value = 42;
    EXPECT_FALSE(TryTextToFloat("2.5", value, comma));
    EXPECT_FALSE(TryTextToFloat("1.000,5", value, comma));
}

TEST(TryTextToFloatTest, ReadsBackEveryFloatText) {
    for (char separator : {'.', ','}) {
        const FormatSettings settings = WithSeparator(separator);
        // The largest double's text is rounded just beyond the range and must still read.
        constexpr double kLargest = std::numeric_limits<double>::max();
        for (double original :
             {2.0, 0.1, -1234.5678, 1e-5, 6.02214076e23, 1.0 / 3.0, 1e300, kLargest, -kLargest}) {
            double value = 0;
            ASSERT_TRUE(TryTextToFloat(FloatToText(original, settings), value, settings));
            EXPECT_NEAR(value, original, std::fabs(original) * 1e-14);
        }
    }
}

TEST(IntegerTextTest, WritesDecimal) {
    EXPECT_EQ(IntToText(0), "0");
    EXPECT_EQ(IntToText(-5), "-5");
    EXPECT_EQ(IntToText(std::numeric_limits<int32_t>::min()), "-2147483648");
}

TEST(IntegerTextTest, ReadsDecimalAndHexadecimalWithinThe32BitRange) {
    struct Case {
        const char* text;
        int32_t expected;
    };
    const Case accepted[] = {
        {"0x20", 32},
        {"0X1f", 31},
        {"$20", 32},
        {"$7FFFFFFF", 2147483647},
        {"-5", -5},
        {"+5", 5},
        {" 7 ", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"000123", 123},
    };
    for (const Case& c : accepted) {
        int32_t value = 0;
        EXPECT_TRUE(TryTextToInt32(c.text, value)) << c.text;
        EXPECT_EQ(value, c.expected) << c.text;
    }
    for (const char* text :
         {"", "abc", "0x", "$", "-$20", "-0x20", "12abc", "1.5", "2147483648", "-2147483649",
          "$80000000", "0xFFFFFFFF", "99999999999999999999", "0x100000000", "--1", "1 2"}) {
        int32_t value = 99;
        EXPECT_FALSE(TryTextToInt32(text, value)) << text;
        EXPECT_EQ(value, 99) << text;
    }
}

}  // namespace
}  // namespace lenzor
