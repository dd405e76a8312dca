// IniFile over a file in each encoding (8-bit, UTF-8 with or without a byte-order mark, UTF-16LE
// with one): a write saved and read by a fresh IniFile gives the value back, the file keeps its
// encoding, and every other name reads as before.
#include "ini_fuzz_support.h"
#include "options/ini_file.h"
#include "options/text_encoding.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <fstream>
#include <optional>
#include <unistd.h>

using namespace lenzor;

namespace {

// In memory, so that the atomic replacement's flushes to disk cost nothing.
const std::string& FilePath() {
    static const std::string path = [] {
        char folder[] = "/dev/shm/lenzor-fuzz-XXXXXX";
        if (mkdtemp(folder) == nullptr) {
            fuzz::Fail("no temporary folder");
        }
        return std::string(folder) + "/Lenzor.ini";
    }();
    return path;
}

void WriteFile(const std::string& bytes) {
    std::ofstream(FilePath(), std::ios::binary | std::ios::trunc) << bytes;
}

std::string ReadFile() {
    std::string bytes;
    ReadFileBytes(FilePath(), bytes);
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const auto chosen = static_cast<TextEncoding>(in.ConsumeIntegralInRange(0, 2));
    std::string section = in.ConsumeRandomLengthString(24);
    std::string key = in.ConsumeRandomLengthString(24);
    std::string value = in.ConsumeRandomLengthString(600);  // short enough never to be cut
    const std::string body = in.ConsumeRemainingBytesAsString();
    const std::string bytes = (chosen == TextEncoding::Utf8Bom      ? "\xEF\xBB\xBF"
                               : chosen == TextEncoding::Utf16LeBom ? "\xFF\xFE"
                                                                    : "") +
                              body;
    const TextEncoding encoding = DetectTextEncoding(bytes);
    if (encoding != TextEncoding::Ansi) {  // the program's own text is UTF-8
        section = ValidUtf8(section);
        key = ValidUtf8(key);
        value = ValidUtf8(value);
    }
    WriteFile(bytes);

    IniFile file(FilePath());
    if (!fuzz::UsableNames(section, key) || !fuzz::UsableValue(value)) {
        return 0;
    }
    const auto names = fuzz::DeclaredNames(DecodeText(bytes));
    std::vector<std::optional<std::string>> before;
    for (const auto& [s, k] : names) {
        before.push_back(file.ReadString(s, k));
    }
    file.WriteString(section, key, value);
    file.Flush();

    const std::string saved = ReadFile();
    // Without a byte-order mark the bytes choose between 8-bit and UTF-8, so a write may move a
    // file from one to the other; with the identity codec here both read alike, up to a
    // character that a long value's cut splits.
    const TextEncoding savedAs = DetectTextEncoding(saved);
    auto unmarked = [](TextEncoding e) {
        return e == TextEncoding::Ansi || e == TextEncoding::Utf8;
    };
    const bool switched = savedAs != encoding && unmarked(savedAs) && unmarked(encoding);
    if (savedAs != encoding && !switched) {
        fuzz::Fail("a save changed the file's encoding");
    }
    auto unchanged = [&](const std::optional<std::string>& now,
                         const std::optional<std::string>& was) {
        return now == was || (switched && now && was &&
                              WithoutPartialUtf8Tail(*now) == WithoutPartialUtf8Tail(*was));
    };
    const IniFile reread(FilePath());
    if (reread.ReadString(section, key) != fuzz::ExpectedRead(value)) {
        fuzz::Fail("a saved value does not read back");
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto& [s, k] = names[i];
        if (!(EqualsIgnoringAsciiCase(s, section) && EqualsIgnoringAsciiCase(k, key)) &&
            !unchanged(reread.ReadString(s, k), before[i])) {
            fuzz::Fail("a save changed another key");
        }
    }
    return 0;
}
