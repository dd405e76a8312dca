// The INI document on any bytes: it parses, and a value written under usable names reads back
// from the re-parsed bytes while every other name reads as before.
#include "ini_fuzz_support.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <optional>

using namespace lenzor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string section = in.ConsumeRandomLengthString(24);
    const std::string key = in.ConsumeRandomLengthString(24);
    const std::string value = in.ConsumeRandomLengthString(2100);
    const std::string text = in.ConsumeRemainingBytesAsString();

    IniDocument document(text);
    if (document.Bytes() != text) {
        fuzz::Fail("parsing and writing out changed bytes nobody wrote");
    }
    if (!fuzz::UsableNames(section, key) || !fuzz::UsableValue(value)) {
        return 0;
    }
    const auto names = fuzz::DeclaredNames(text);
    std::vector<std::optional<std::string>> before;
    for (const auto& [s, k] : names) {
        before.push_back(document.Read(s, k));
    }

    document.Write(section, key, value);
    const IniDocument reread(document.Bytes());
    if (reread.Read(section, key) != fuzz::ExpectedRead(value)) {
        fuzz::Fail("a written value does not read back");
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto& [s, k] = names[i];
        if (!(EqualsIgnoringAsciiCase(s, section) && EqualsIgnoringAsciiCase(k, key)) &&
            reread.Read(s, k) != before[i]) {
            fuzz::Fail("a write changed another key");
        }
    }
    return 0;
}
