// The shipped language files against the template the program writes with "-L": English.ini is
// that template byte for byte, and every other language has exactly the template's keys.
#include "fake_platform.h"

#include "app/main_controller.h"

#include "../options/temp_folder.h"
#include "lang/ini_lang.h"
#include "options/file_system.h"
#include "options/text_encoding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

namespace lenzor {
namespace {

const std::string kLanguageFolder = LENZOR_LANGUAGE_FOLDER;
const std::string kTextFolder = LENZOR_TEXT_FOLDER;
const std::string kRegenerate = "regenerate it with: bash scripts/make-english-ini.sh";

// The Custom.ini a fresh program folder gets from "-L" and one showing of the dialog.
std::string FreshTemplate() {
    TempFolder folder;
    SetProgramFolder(folder.File(""));
    std::string bytes;
    {
        testing::FakePlatform platform;
        TMainController program(platform, {"-L"});
        platform.form = &program.Form();
        program.FormCreate();
        program.Form().Show();
        bytes = ReadBytes(folder.File("Custom.ini"));
    }
    ReleaseCurrentLanguageFile();
    SetProgramFolder("");
    return bytes;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// "section/key" of every entry, in lower case, as the program matches them.
std::set<std::string> Keys(std::string text) {
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) {
        text.erase(0, 3);
    }
    std::set<std::string> keys;
    std::string section;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end;
        std::string line = text.substr(start, end - start);
        start = end + 1;
        line.erase(0, line.find_first_not_of(" \t\r"));
        line.erase(line.find_last_not_of(" \t\r") + 1);
        if (line.empty() || line[0] == ';') {
            continue;
        }
        if (line.front() == '[' && line.back() == ']') {
            section = Lower(line.substr(1, line.size() - 2));
        } else if (std::size_t equals = line.find('='); equals != std::string::npos) {
            std::string key = line.substr(0, equals);
            key.erase(key.find_last_not_of(" \t") + 1);
            keys.insert(section + "/" + Lower(key));
        }
    }
    return keys;
}

std::vector<std::string> Difference(const std::set<std::string>& a,
                                    const std::set<std::string>& b) {
    std::vector<std::string> result;
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(result));
    return result;
}

TEST(LanguageFiles, EnglishIsTheTemplateAndTheOthersHaveExactlyItsKeys) {
    const std::string fresh = FreshTemplate();
    ASSERT_FALSE(fresh.empty());
    const std::string shipped = ReadBytes(kLanguageFolder + "/English.ini");
    if (shipped != fresh) {
        const auto [at, _] =
            std::mismatch(shipped.begin(), shipped.end(), fresh.begin(), fresh.end());
        const std::size_t line = shipped.find_last_of('\n', at - shipped.begin()) + 1;
        ADD_FAILURE() << "assets/Language/English.ini is not the program's template from byte "
                      << (at - shipped.begin()) << " on: \n  shipped: "
                      << shipped.substr(line, shipped.find('\n', line) - line)
                      << "\n  written: " << fresh.substr(line, fresh.find('\n', line) - line)
                      << "\n"
                      << kRegenerate;
    }

    const std::set<std::string> wanted = Keys(fresh);
    int translations = 0;
    for (const auto& entry : std::filesystem::directory_iterator(PathFromUtf8(kLanguageFolder))) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() != ".ini" || name == "English.ini") {
            continue;
        }
        SCOPED_TRACE(name);
        ++translations;
        const std::string bytes = ReadBytes(kLanguageFolder + "/" + name);
        EXPECT_EQ(bytes.rfind("\xEF\xBB\xBF", 0), 0u) << "not UTF-8 with a byte-order mark";
        const std::set<std::string> keys = Keys(bytes);
        EXPECT_EQ(Difference(wanted, keys), std::vector<std::string>{}) << "missing keys";
        EXPECT_EQ(Difference(keys, wanted), std::vector<std::string>{})
            << "keys not in the template";
    }
    EXPECT_GE(translations, 2);  // German and Russian
}

std::vector<std::string> LanguageFiles() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(PathFromUtf8(kLanguageFolder))) {
        if (entry.path().extension() == ".ini") {
            names.push_back(entry.path().filename().string());
        }
    }
    return names;
}

// Words (runs of letters) of the UTF-8 text that mix Latin and Cyrillic, such as a Cyrillic
// letter that looks Latin: screen readers mispronounce them and searches miss them. A letter is
// told by its first byte: ASCII, U+00C0..U+024F (C3..C9) or U+0400..U+04FF (D0..D3).
constexpr std::string_view kCyrillicLeads = "\xD0\xD1\xD2\xD3";

std::vector<std::string> MixedWords(const std::string& text) {
    std::vector<std::string> mixed;
    std::size_t start = 0;
    int scripts = 0;  // 1: Latin, 2: Cyrillic
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const auto byte = i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
        if ((byte & 0xC0) == 0x80) {
            continue;  // inside a character
        }
        const int script = std::isalpha(byte) || (byte >= 0xC3 && byte <= 0xC9)                ? 1
                           : kCyrillicLeads.find(static_cast<char>(byte)) != std::string::npos ? 2
                                                                                               : 0;
        if (script == 0 && scripts == 3) {
            mixed.push_back(text.substr(start, i - start));
        }
        start = scripts == 0 ? i : start;
        scripts = script == 0 ? 0 : scripts | script;
    }
    return mixed;
}

TEST(LanguageFiles, EachWordKeepsToOneScriptAndEnglishHasNoCyrillic) {
    for (const std::string& name : LanguageFiles()) {
        SCOPED_TRACE(name);
        const std::string text = ReadBytes(kLanguageFolder + "/" + name);
        EXPECT_EQ(MixedWords(text), std::vector<std::string>{});
        EXPECT_EQ(text.find_first_of(kCyrillicLeads) != std::string::npos, name == "Russian.ini");
    }
}

// The "About" and "Pro version" pages show the files a language names (the English names where
// it names none): each must ship, in an encoding the memo reads alike on every code page.
TEST(LanguageFiles, TheTextsEachLanguageNamesShipAndReadOnAnyCodePage) {
    for (const std::string& name : LanguageFiles()) {
        const TLanguageFile file =
            TLanguageFile::FromBytes(ReadBytes(kLanguageFolder + "/" + name));
        for (const MessageText& message : {kMsgReadmeFile, kMsgProVersionFile}) {
            const std::string text = file.ReadString("Misc", message.key, message.text);
            SCOPED_TRACE(name + ": " + text);
            ASSERT_TRUE(IsFile(kTextFolder + "/" + text));
            const std::string bytes = ReadBytes(kTextFolder + "/" + text);
            const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) {
                return static_cast<unsigned char>(c) < 0x80;
            });
            EXPECT_TRUE(ascii || DetectTextEncoding(bytes) != TextEncoding::Ansi);
        }
    }
}

}  // namespace
}  // namespace lenzor
