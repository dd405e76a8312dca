// Calendar arithmetic of the date-time double: whole days counted from 30 December 1899, the
// time of day as the fraction (for negative values the fraction still counts forward).
#pragma once

namespace lenzor {

struct DateParts {
    int year = 0;
    int month = 0;
    int day = 0;
    int dayOfWeek = 0;  // 0 Sunday .. 6 Saturday
};

struct TimeParts {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// Years 1..9999 of the proleptic Gregorian calendar; false for an invalid date.
bool TryEncodeDate(int year, int month, int day, double& out);
bool TryEncodeTime(int hour, int minute, int second, int millisecond, double& out);

// Date and time as the value combines them (the time counts away from zero for dates before
// the epoch).
double CombineDateTime(double date, double time);

// Splits a value to the nearest millisecond; false outside years 1..9999 or for NaN.
bool TryDecodeDateTime(double value, DateParts& date, TimeParts& time);

}  // namespace lenzor
