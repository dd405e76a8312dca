// Any bytes as the lines of a source file for the language template: the parse ends in time
// and gives at most one entry per line that starts one, each with a name that holds no "=".
#include "ini_fuzz_support.h"
#include "lang/source_texts.h"

#include <string>
#include <vector>

using namespace lenzor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines;
    std::size_t starts = 0;
    for (std::size_t start = 0;;) {
        const std::size_t stop = text.find_first_of("\r\n", start);
        lines.push_back(text.substr(start, stop - start));
        starts += lines.back().find("='") != std::string::npos;
        if (stop == std::string::npos) {
            break;
        }
        start = stop + 1;
    }
    const auto entries = ParseSourceTexts(lines);
    if (entries.size() > starts) {
        fuzz::Fail("more entries than lines that start one");
    }
    for (const auto& [key, value] : entries) {
        if (key.empty() || key.find('=') != std::string::npos) {
            fuzz::Fail("an entry without a usable name");
        }
    }
    return 0;
}
