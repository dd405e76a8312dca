#include "core/date_time_text.h"

#include "core/date_time.h"

#include <ctime>

namespace lenzor {
namespace {

constexpr const char* kShortDayNames[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr const char* kLongDayNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                         "Thursday", "Friday", "Saturday"};
constexpr const char* kShortMonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char* kLongMonthNames[] = {"January",   "February", "March",    "April",
                                           "May",       "June",     "July",     "August",
                                           "September", "October",  "November", "December"};

std::string Padded(int value, std::size_t width) {
    std::string digits = std::to_string(value);
    return digits.size() < width ? std::string(width - digits.size(), '0') + digits : digits;
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// First character (a whole UTF-8 sequence) of a text.
std::string FirstCharacter(const std::string& text) {
    std::size_t length = 1;
    while (length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) {
        ++length;
    }
    return text.substr(0, length);
}

// Walks a picture format, handing each token (a run of one letter) or literal to `visit`.
template <class Visit> void WalkPicture(std::string_view picture, Visit visit) {
    std::size_t i = 0;
    while (i < picture.size()) {
        char c = picture[i];
        if (c == '\'') {
            std::size_t close = picture.find('\'', i + 1);
            std::size_t end = close == std::string_view::npos ? picture.size() : close;
            visit('\0', 0, picture.substr(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        std::size_t run = 1;
        while (i + run < picture.size() && picture[i + run] == c) {
            ++run;
        }
        visit(IsLetter(c) ? c : '\0', run, picture.substr(i, run));
        i += run;
    }
}

std::string FormatPicture(std::string_view picture, const DateParts& date, const TimeParts& time,
                          const FormatSettings& settings) {
    std::string out;
    WalkPicture(picture, [&](char token, std::size_t run, std::string_view literal) {
        const std::string& marker = time.hour < 12 ? settings.timeAMString : settings.timePMString;
        int hour12 = time.hour % 12 == 0 ? 12 : time.hour % 12;
        switch (token) {
        case 'd':
            out += run >= 4   ? kLongDayNames[date.dayOfWeek]
                   : run == 3 ? kShortDayNames[date.dayOfWeek]
                              : Padded(date.day, run);
            break;
        case 'M':
            out += run >= 4   ? kLongMonthNames[date.month - 1]
                   : run == 3 ? kShortMonthNames[date.month - 1]
                              : Padded(date.month, run);
            break;
        case 'y':
            out += run >= 3 ? Padded(date.year, 4) : Padded(date.year % 100, run);
            break;
        case 'g':  // the era adds nothing in the Gregorian calendar
            break;
        case 'h':
            out += Padded(hour12, run > 1 ? 2 : 1);
            break;
        case 'H':
            out += Padded(time.hour, run > 1 ? 2 : 1);
            break;
        case 'm':
            out += Padded(time.minute, run > 1 ? 2 : 1);
            break;
        case 's':
            out += Padded(time.second, run > 1 ? 2 : 1);
            break;
        case 't':
            out += run == 1 ? FirstCharacter(marker) : marker;
            break;
        default:
            out += literal;
        }
    });
    return out;
}

// The first unquoted literal character of a picture, which separates its fields, or `fallback`.
char SeparatorOf(std::string_view picture, char fallback) {
    char separator = '\0';
    WalkPicture(picture, [&](char token, std::size_t run, std::string_view literal) {
        bool unquotedLiteral = token == '\0' && run > 0;
        if (separator == '\0' && unquotedLiteral && !IsBlank(literal[0])) {
            separator = literal[0];
        }
    });
    return separator == '\0' ? fallback : separator;
}

// "dmy", "mdy" or "ymd" after the first appearance of each field in the short date format.
std::string DateOrderOf(std::string_view picture) {
    std::string order;
    WalkPicture(picture, [&](char token, std::size_t, std::string_view) {
        char field = token == 'd' ? 'd' : token == 'M' ? 'm' : token == 'y' ? 'y' : '\0';
        if (field != '\0' && order.find(field) == std::string::npos) {
            order += field;
        }
    });
    return order.size() == 3 ? order : "ymd";
}

class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    void SkipBlanks() {
        while (pos_ < text_.size() && IsBlank(text_[pos_])) {
            ++pos_;
        }
    }
    bool AtEnd() {
        SkipBlanks();
        return pos_ == text_.size();
    }
    bool Char(char c) {
        SkipBlanks();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    // Up to 9 digits; `digits` tells how many were read.
    bool Number(int& value, int& digits) {
        SkipBlanks();
        value = 0;
        digits = 0;
        while (pos_ < text_.size() && IsDigit(text_[pos_]) && digits < 9) {
            value = value * 10 + (text_[pos_++] - '0');
            ++digits;
        }
        return digits > 0 && (pos_ == text_.size() || !IsDigit(text_[pos_]));
    }
    bool Word(const std::string& word) {
        SkipBlanks();
        if (word.empty() || text_.size() - pos_ < word.size()) {
            return false;
        }
        for (std::size_t i = 0; i < word.size(); ++i) {
            if (LowerAscii(text_[pos_ + i]) != LowerAscii(word[i])) {
                return false;
            }
        }
        pos_ += word.size();
        return true;
    }
    std::size_t Position() const { return pos_; }
    void Rewind(std::size_t pos) { pos_ = pos; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

int CurrentYear() {
    std::time_t now = std::time(nullptr);
    DateParts date;
    TimeParts time;
    TryDecodeDateTime(static_cast<double>(now / 86400) + 25569.0, date, time);
    return date.year;
}

int ExpandTwoDigitYear(int year) {
    int windowStart = CurrentYear() - 50;
    year += windowStart / 100 * 100;
    return year < windowStart ? year + 100 : year;
}

bool ScanDate(Scanner& scanner, const FormatSettings& settings, double& out) {
    char separator = SeparatorOf(settings.shortDateFormat, '/');
    int values[3];
    int digits[3];
    if (!scanner.Number(values[0], digits[0]) || !scanner.Char(separator) ||
        !scanner.Number(values[1], digits[1]) || !scanner.Char(separator) ||
        !scanner.Number(values[2], digits[2])) {
        return false;
    }
    std::string order = DateOrderOf(settings.shortDateFormat);
    int year = 0;
    int month = 0;
    int day = 0;
    for (int i = 0; i < 3; ++i) {
        if (order[i] == 'y') {
            year = digits[i] <= 2 ? ExpandTwoDigitYear(values[i]) : values[i];
        } else if (order[i] == 'm') {
            month = values[i];
        } else {
            day = values[i];
        }
    }
    return TryEncodeDate(year, month, day, out);
}

// Which day half a marker names: 0 none, 1 before noon, 2 after noon.
int ScanDayHalf(Scanner& scanner, const FormatSettings& settings) {
    for (const std::string& am : {settings.timeAMString, std::string("AM")}) {
        if (scanner.Word(am)) {
            return 1;
        }
    }
    for (const std::string& pm : {settings.timePMString, std::string("PM")}) {
        if (scanner.Word(pm)) {
            return 2;
        }
    }
    return 0;
}

bool ScanTime(Scanner& scanner, const FormatSettings& settings, double& out) {
    char separator = SeparatorOf(settings.longTimeFormat, ':');
    int half = ScanDayHalf(scanner, settings);
    int hour = 0;
    int minute = 0;
    int second = 0;
    int digits = 0;
    if (!scanner.Number(hour, digits)) {
        return false;
    }
    bool hasMinutes = scanner.Char(separator);
    if (hasMinutes) {
        if (!scanner.Number(minute, digits)) {
            return false;
        }
        if (scanner.Char(separator) && !scanner.Number(second, digits)) {
            return false;
        }
    }
    if (half == 0) {
        half = ScanDayHalf(scanner, settings);
    }
    if (!hasMinutes && half == 0) {
        return false;
    }
    if (half != 0) {
        if (hour > 12) {
            return false;
        }
        hour = hour % 12 + (half == 2 ? 12 : 0);
    }
    return TryEncodeTime(hour, minute, second, 0, out);
}

}  // namespace

std::string DateTimeToText(double value, const FormatSettings& settings) {
    DateParts date;
    TimeParts time;
    if (!TryDecodeDateTime(value, date, time)) {
        return {};
    }
    std::string text = FormatPicture(settings.shortDateFormat, date, time, settings);
    if (time.hour != 0 || time.minute != 0 || time.second != 0) {
        text += ' ';
        text += FormatPicture(settings.longTimeFormat, date, time, settings);
    }
    return text;
}

std::string DateToText(double value, const FormatSettings& settings) {
    DateParts date;
    TimeParts time;
    return TryDecodeDateTime(value, date, time)
               ? FormatPicture(settings.shortDateFormat, date, time, settings)
               : std::string();
}

std::string TimeToText(double value, const FormatSettings& settings) {
    DateParts date;
    TimeParts time;
    return TryDecodeDateTime(value, date, time)
               ? FormatPicture(settings.longTimeFormat, date, time, settings)
               : std::string();
}

bool TryTextToDateTime(std::string_view text, double& out, const FormatSettings& settings) {
    Scanner scanner(text);
    double date = 0;
    double time = 0;
    if (ScanDate(scanner, settings, date)) {
        if (scanner.AtEnd()) {
            out = date;
            return true;
        }
        if (ScanTime(scanner, settings, time) && scanner.AtEnd()) {
            out = CombineDateTime(date, time);
            return true;
        }
        return false;
    }
    scanner.Rewind(0);
    if (ScanTime(scanner, settings, time) && scanner.AtEnd()) {
        out = time;
        return true;
    }
    return false;
}

bool TryTextToDate(std::string_view text, double& out, const FormatSettings& settings) {
    Scanner scanner(text);
    double date = 0;
    if (ScanDate(scanner, settings, date) && scanner.AtEnd()) {
        out = date;
        return true;
    }
    return false;
}

bool TryTextToTime(std::string_view text, double& out, const FormatSettings& settings) {
    Scanner scanner(text);
    double time = 0;
    if (ScanTime(scanner, settings, time) && scanner.AtEnd()) {
        out = time;
        return true;
    }
    return false;
}

}  // namespace lenzor
