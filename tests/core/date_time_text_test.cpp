#include "core/date_time.h"
#include "core/date_time_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace lenzor {
namespace {

FormatSettings Us() {
    FormatSettings settings;
    settings.shortDateFormat = "M/d/yyyy";
    settings.longTimeFormat = "h:mm:ss tt";
    return settings;
}

FormatSettings German() {
    FormatSettings settings;
    settings.decimalSeparator = ',';
    settings.shortDateFormat = "dd.MM.yyyy";
    settings.longTimeFormat = "HH:mm:ss";
    return settings;
}

const FormatSettings kIso;  // the defaults: yyyy-MM-dd HH:mm:ss

// 15 March 2023 is day 45000 after 30 December 1899.
constexpr double kMarch15 = 45000.0;

TEST(DateTimeCalendarTest, CountsDaysFrom30December1899) {
    double value = -1;
    ASSERT_TRUE(TryEncodeDate(1899, 12, 30, value));
    EXPECT_EQ(value, 0.0);
    ASSERT_TRUE(TryEncodeDate(2023, 3, 15, value));
    EXPECT_EQ(value, kMarch15);
    ASSERT_TRUE(TryEncodeDate(1, 1, 1, value));
    EXPECT_EQ(value, -693593.0);
    EXPECT_TRUE(TryEncodeDate(2024, 2, 29, value));
    EXPECT_FALSE(TryEncodeDate(2023, 2, 29, value));
    EXPECT_FALSE(TryEncodeDate(1900, 2, 29, value));
    EXPECT_FALSE(TryEncodeDate(2023, 13, 1, value));
    EXPECT_FALSE(TryEncodeDate(10000, 1, 1, value));
}

TEST(DateTimeCalendarTest, DecodesNegativeValuesWithTheTimeCountingForward) {
    DateParts date;
    TimeParts time;
    ASSERT_TRUE(TryDecodeDateTime(-1.25, date, time));
    EXPECT_EQ(date.year, 1899);
    EXPECT_EQ(date.month, 12);
    EXPECT_EQ(date.day, 29);
    EXPECT_EQ(time.hour, 6);
    EXPECT_EQ(CombineDateTime(-1.0, 0.25), -1.25);
    EXPECT_FALSE(TryDecodeDateTime(std::nan(""), date, time));
    EXPECT_FALSE(TryDecodeDateTime(1e10, date, time));
}

TEST(DateTimeTextTest, WritesDateAndTimeInTheLocaleFormats) {
    EXPECT_EQ(DateTimeToText(kMarch15 + 0.5, kIso), "2023-03-15 12:00:00");
    EXPECT_EQ(DateTimeToText(kMarch15 + 0.75, Us()), "3/15/2023 6:00:00 PM");
    EXPECT_EQ(DateTimeToText(kMarch15 + 0.25, German()), "15.03.2023 06:00:00");
    EXPECT_EQ(DateToText(kMarch15 + 0.75, Us()), "3/15/2023");
    EXPECT_EQ(TimeToText(kMarch15 + 0.75, Us()), "6:00:00 PM");
    EXPECT_EQ(TimeToText(0.0, Us()), "12:00:00 AM");
    EXPECT_EQ(DateTimeToText(-1.25, kIso), "1899-12-29 06:00:00");
}

TEST(DateTimeTextTest, LeavesOutTheTimeAtMidnight) {
    EXPECT_EQ(DateTimeToText(kMarch15, kIso), "2023-03-15");
    EXPECT_EQ(DateTimeToText(kMarch15 + 0.4 / 86400.0, kIso), "2023-03-15");  // 400 ms
    EXPECT_EQ(DateTimeToText(kMarch15 + 1.0 / 86400.0, kIso), "2023-03-15 00:00:01");
    // A value a hair below midnight rounds to the next day rather than showing 24:00:00.
    EXPECT_EQ(DateTimeToText(kMarch15 - 1e-10, kIso), "2023-03-15");
}

TEST(DateTimeTextTest, WritesNamesPaddingAndQuotedText) {
    FormatSettings settings;
    settings.shortDateFormat = "dddd, MMMM d, yyyy";
    settings.longTimeFormat = "H 'h' m 'min' t";
    EXPECT_EQ(DateTimeToText(kMarch15 + 0.375 + 5.0 / 1440, settings),
              "Wednesday, March 15, 2023 9 h 5 min A");
    settings.shortDateFormat = "ddd dd-MMM-yy";
    EXPECT_EQ(DateToText(kMarch15, settings), "Wed 15-Mar-23");
}

TEST(DateTimeTextTest, UnrepresentableValuesGiveEmptyText) {
    EXPECT_EQ(DateTimeToText(1e10, kIso), "");
    EXPECT_EQ(DateToText(std::nan(""), kIso), "");
    EXPECT_EQ(TimeToText(-1e10, kIso), "");
}

TEST(DateTimeTextTest, ReadsDatesInTheFormatsFieldOrder) {
    double value = 0;
    ASSERT_TRUE(TryTextToDate("3/15/2023", value, Us()));
    EXPECT_EQ(value, kMarch15);
    ASSERT_TRUE(TryTextToDate(" 15.3.2023 ", value, German()));
    EXPECT_EQ(value, kMarch15);
    ASSERT_TRUE(TryTextToDate("2023-03-15", value, kIso));
    EXPECT_EQ(value, kMarch15);
    EXPECT_FALSE(TryTextToDate("15/3/2023", value, Us()));
    EXPECT_FALSE(TryTextToDate("2023-02-29", value, kIso));
    EXPECT_FALSE(TryTextToDate("3/15", value, Us()));
    EXPECT_FALSE(TryTextToDate("3/15/2023 6:00 PM", value, Us()));
    EXPECT_FALSE(TryTextToDate("3.15.2023", value, Us()));
}

TEST(DateTimeTextTest, ReadsTwoDigitYearsWithinFiftyYearsOfToday) {
    double value = 0;
    double expected = 0;
    ASSERT_TRUE(TryTextToDate("3/15/05", value, Us()));
    ASSERT_TRUE(TryEncodeDate(2005, 3, 15, expected));
    EXPECT_EQ(value, expected);
    ASSERT_TRUE(TryTextToDate("3/15/99", value, Us()));
    ASSERT_TRUE(TryEncodeDate(1999, 3, 15, expected));
    EXPECT_EQ(value, expected);
}

TEST(DateTimeTextTest, ReadsTimesWithAndWithoutDayHalves) {
    double value = -1;
    ASSERT_TRUE(TryTextToTime("14:05", value, kIso));
    EXPECT_DOUBLE_EQ(value, (14 * 60 + 5) / 1440.0);
    ASSERT_TRUE(TryTextToTime("2:05:30 pm", value, Us()));
    EXPECT_DOUBLE_EQ(value, (14 * 3600 + 5 * 60 + 30) / 86400.0);
    ASSERT_TRUE(TryTextToTime("12:00 AM", value, Us()));
    EXPECT_EQ(value, 0.0);
    ASSERT_TRUE(TryTextToTime("PM 12:30", value, Us()));
    EXPECT_DOUBLE_EQ(value, 12.5 / 24);
    ASSERT_TRUE(TryTextToTime("5 PM", value, Us()));
    EXPECT_DOUBLE_EQ(value, 17.0 / 24);
    for (const char* text : {"25:00", "12:60", "12:00:60", "13:00 PM", "14", "", "14:", "a:b"}) {
        EXPECT_FALSE(TryTextToTime(text, value, Us())) << text;
    }
}

TEST(DateTimeTextTest, ReadsBackEveryDateTimeText) {
    const FormatSettings locales[] = {kIso, Us(), German()};
    for (const FormatSettings& settings : locales) {
        for (double original :
             {kMarch15, kMarch15 + 0.75, 0.5, -1.25, 2958465.0 + 86399.0 / 86400, -693593.0}) {
            double value = 0;
            std::string text = DateTimeToText(original, settings);
            ASSERT_TRUE(TryTextToDateTime(text, value, settings)) << text;
            EXPECT_NEAR(value, original, 1e-9) << text;
        }
    }
    double value = 0;
    ASSERT_TRUE(TryTextToDateTime("6:00 PM", value, Us()));  // a time alone is day zero
    EXPECT_EQ(value, 0.75);
    EXPECT_FALSE(TryTextToDateTime("3/15/2023 junk", value, Us()));
}

}  // namespace
}  // namespace lenzor
