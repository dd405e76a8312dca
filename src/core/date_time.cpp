#include "core/date_time.h"

#include <cmath>
#include <cstdint>

namespace lenzor {
namespace {

constexpr int64_t kMsPerDay = 86400000;
constexpr int64_t kFirstDay = -693593;  // 1 January 0001
constexpr int64_t kLastDay = 2958465;   // 31 December 9999
constexpr int64_t kUnixEpochDay = 25569;

bool IsLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days since 1970-01-01 of a civil date and back (H. Hinnant's algorithms).
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
    y -= m <= 2;
    int64_t era = (y >= 0 ? y : y - 399) / 400;
    int64_t yoe = y - era * 400;
    int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, DateParts& out) {
    z += 719468;
    int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    int64_t doe = z - era * 146097;
    int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    int64_t mp = (5 * doy + 2) / 153;
    int64_t m = mp + (mp < 10 ? 3 : -9);
    out.year = static_cast<int>(yoe + era * 400 + (m <= 2));
    out.month = static_cast<int>(m);
    out.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
}

}  // namespace

bool TryEncodeDate(int year, int month, int day, double& out) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month)) {
        return false;
    }
    out = static_cast<double>(DaysFromCivil(year, month, day) + kUnixEpochDay);
    return true;
}

bool TryEncodeTime(int hour, int minute, int second, int millisecond, double& out) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
        millisecond < 0 || millisecond > 999) {
        return false;
    }
    int64_t ms = ((hour * 60 + minute) * 60 + second) * 1000 + millisecond;
    out = static_cast<double>(ms) / kMsPerDay;
    return true;
}

double CombineDateTime(double date, double time) {
    return date < 0 ? date - time : date + time;
}

bool TryDecodeDateTime(double value, DateParts& date, TimeParts& time) {
    if (!(value >= kFirstDay - 1 && value <= kLastDay + 1)) {
        return false;
    }
    double whole = std::trunc(value);
    int64_t day = static_cast<int64_t>(whole);
    int64_t ms = static_cast<int64_t>(std::nearbyint(std::fabs(value - whole) * kMsPerDay));
    if (ms == kMsPerDay) {  // rounding reached the next midnight
        ms = 0;
        day += value < 0 ? -1 : 1;
    }
    if (day < kFirstDay || day > kLastDay) {
        return false;
    }
    CivilFromDays(day - kUnixEpochDay, date);
    // 30 December 1899 was a Saturday.
    date.dayOfWeek = static_cast<int>(((day % 7) + 7 + 6) % 7);
    time.hour = static_cast<int>(ms / 3600000);
    time.minute = static_cast<int>(ms / 60000 % 60);
    time.second = static_cast<int>(ms / 1000 % 60);
    time.millisecond = static_cast<int>(ms % 1000);
    return true;
}

}  // namespace lenzor
