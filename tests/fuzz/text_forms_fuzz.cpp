// Number text forms: any text either is refused or reads as a number whose written form reads
// back to the same number, under any decimal separator; any double's written form reads back.
#include "core/text_forms.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

using namespace lenzor;

namespace {

[[noreturn]] void Fail(const char* what, const std::string& text) {
    std::fprintf(stderr, "fuzz property broken: %s (%s)\n", what, text.c_str());
    std::abort();
}

// Written, read and written again: the two texts agree and the reading is exact.
void CheckFloatRoundTrip(double value, const FormatSettings& settings) {
    if (!std::isfinite(value)) {
        return;
    }
    const std::string text = FloatToText(value, settings);
    double reread = 0;
    if (!TryTextToFloat(text, reread, settings)) {
        Fail("a written number is refused", text);
    }
    if (FloatToText(reread, settings) != text) {
        Fail("a written number reads back as another", text);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    FormatSettings settings;
    const char separators[] = {'.', ',', static_cast<char>(in.ConsumeIntegral<uint8_t>())};
    settings.decimalSeparator = separators[in.ConsumeIntegralInRange(0, 2)];
    const std::string_view notSeparators = "0123456789eE+- \t";
    if (notSeparators.find(settings.decimalSeparator) != std::string_view::npos) {
        return 0;  // characters of the number itself cannot separate its parts
    }
    const double raw = in.ConsumeFloatingPoint<double>();
    const std::string text = in.ConsumeRemainingBytesAsString();

    CheckFloatRoundTrip(raw, settings);

    int32_t integer = 0;
    if (TryTextToInt32(text, integer)) {
        int32_t reread = 0;
        if (!TryTextToInt32(IntToText(integer), reread) || reread != integer) {
            Fail("a written integer does not read back", text);
        }
    }
    double number = 0;
    if (TryTextToFloat(text, number, settings)) {
        if (!std::isfinite(number)) {
            Fail("a text reads as a number beyond the double range", text);
        }
        CheckFloatRoundTrip(number, settings);
    }
    return 0;
}
