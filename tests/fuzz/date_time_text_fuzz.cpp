// Date and time text forms: any picture format and any value can be written; under the usual
// numeric formats a written date-time reads back to the same text, and any text that reads as a
// date-time writes out as one that reads back the same.
#include "core/date_time_text.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

using namespace lenzor;

namespace {

[[noreturn]] void Fail(const char* what, const std::string& text) {
    std::fprintf(stderr, "fuzz property broken: %s (%s)\n", what, text.c_str());
    std::abort();
}

// Numeric dates only: names of months and days are written but, as in the original, not read.
constexpr const char* kDateFormats[] = {"yyyy-MM-dd", "M/d/yyyy", "dd.MM.yyyy", "d/M/yyyy"};
constexpr const char* kTimeFormats[] = {"HH:mm:ss", "h:mm:ss tt", "H.mm.ss", "tt hh:mm:ss"};

void CheckRoundTrip(double value, const FormatSettings& settings) {
    const std::string text = DateTimeToText(value, settings);
    if (text.empty()) {
        return;  // outside years 1..9999
    }
    double reread = 0;
    if (!TryTextToDateTime(text, reread, settings)) {
        Fail("a written date-time is refused", text);
    }
    if (DateTimeToText(reread, settings) != text) {
        Fail("a written date-time reads back as another", text);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const bool freeFormats = in.ConsumeBool();
    FormatSettings settings;
    if (freeFormats) {
        settings.shortDateFormat = in.ConsumeRandomLengthString(32);
        settings.longTimeFormat = in.ConsumeRandomLengthString(32);
        settings.timeAMString = in.ConsumeRandomLengthString(8);
        settings.timePMString = in.ConsumeRandomLengthString(8);
    } else {
        settings.shortDateFormat = in.PickValueInArray(kDateFormats);
        settings.longTimeFormat = in.PickValueInArray(kTimeFormats);
    }
    const double value = in.ConsumeFloatingPoint<double>();
    const std::string text = in.ConsumeRemainingBytesAsString();

    // Whatever the formats, writing and reading never fail badly.
    DateToText(value, settings);
    TimeToText(value, settings);
    double parsed = 0;
    TryTextToDate(text, parsed, settings);
    TryTextToTime(text, parsed, settings);
    const bool isDateTime = TryTextToDateTime(text, parsed, settings);
    if (isDateTime && !std::isfinite(parsed)) {
        Fail("a text reads as a date-time that is not a number", text);
    }
    if (freeFormats) {
        DateTimeToText(value, settings);
        return 0;
    }
    CheckRoundTrip(value, settings);
    if (isDateTime) {
        CheckRoundTrip(parsed, settings);
    }
    return 0;
}
