// Reads and writes the same INI files through the INI layer and through the system's profile
// functions and compares what comes out.
#include "options/ini_file.h"

#include "core/errors.h"
#include "temp_folder.h"
#include "win/unicode_win.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace lenzor {
namespace {

constexpr const char* kMissing = "\x01<missing>";

struct Query {
    const char* section;
    const char* key;
};

struct Write {
    const char* section;
    const char* key;
    std::string value;  // in the ANSI code page
};

// The profile functions keep a file cached for a while after reading it; flushing first makes
// every read see the file as it is now.
std::optional<std::string> ProfileRead(const std::string& path, const Query& query) {
    std::string ansiPath = Utf8ToAnsi(path);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, ansiPath.c_str());
    char buffer[2048];
    DWORD length = GetPrivateProfileStringA(query.section, query.key, kMissing, buffer,
                                            sizeof buffer, ansiPath.c_str());
    std::string value(buffer, length);
    return value == kMissing ? std::nullopt : std::optional<std::string>(value);
}

std::optional<std::string> LayerRead(const std::string& path, const Query& query) {
    std::optional<std::string> value =
        IniFile(path).ReadString(AnsiToUtf8(query.section), AnsiToUtf8(query.key));
    return value ? std::optional<std::string>(Utf8ToAnsi(*value)) : std::nullopt;
}

void ProfileWrite(const std::string& path, const std::vector<Write>& writes) {
    std::string ansiPath = Utf8ToAnsi(path);
    for (const Write& w : writes) {
        ASSERT_TRUE(
            WritePrivateProfileStringA(w.section, w.key, w.value.c_str(), ansiPath.c_str()));
    }
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, ansiPath.c_str());
}

void LayerWrite(const std::string& path, const std::vector<Write>& writes) {
    IniFile file(path);
    for (const Write& w : writes) {
        file.WriteString(AnsiToUtf8(w.section), AnsiToUtf8(w.key), AnsiToUtf8(w.value));
    }
    file.Flush();
}

std::string Show(const std::optional<std::string>& value) {
    return value.value_or("<missing>");
}

class IniConformanceTest : public ::testing::Test {
protected:
    // Every query gives the same answer through both readers.
    void ExpectSameReads(const std::string& content, const std::vector<Query>& queries,
                         const std::string& label) {
        WriteBytes(path_, content);
        for (const Query& q : queries) {
            EXPECT_EQ(Show(LayerRead(path_, q)), Show(ProfileRead(path_, q)))
                << label << ": [" << q.section << "] " << q.key;
        }
    }

    TempFolder folder_;
    std::string path_ = folder_.File("conformance.ini");
};

TEST_F(IniConformanceTest, CaseBlanksAndEmptyValuesReadAlike) {
    ExpectSameReads("[ Common ]\r\n  ShowAfterStart  =  1  \r\n\tLanguage\t=\tDeutsch \t\r\n"
                    "Empty=\r\nBlank=   \r\n[MouseControl]\r\nLenzor.Alpha=0x20\r\n",
                    {{"common", "showafterstart"},
                     {"COMMON", "LANGUAGE"},
                     {"Common", "Empty"},
                     {"Common", "Blank"},
                     {"Common", "Missing"},
                     {"Missing", "Language"},
                     {"mousecontrol", "lenzor.alpha"},
                     {"MouseControl", "Lenzor"}},
                    "case and blanks");
}

TEST_F(IniConformanceTest, EnclosingQuotesAreDroppedAlike) {
    ExpectSameReads("[S]\r\nq1=\"quoted value\"\r\nq2=' single '\r\nq3=\"open\r\nq4=\"a'\r\n"
                    "q5=\"\r\nq6=\"\"x\"\"\r\nq7=a \"b\" c\r\nq8=\"\"\r\n",
                    {{"S", "q1"},
                     {"S", "q2"},
                     {"S", "q3"},
                     {"S", "q4"},
                     {"S", "q5"},
                     {"S", "q6"},
                     {"S", "q7"},
                     {"S", "q8"}},
                    "quotes");
}

TEST_F(IniConformanceTest, LongValuesAreCutAlike) {
    std::string value(3000, 'v');
    value[2046] = 'x';
    ExpectSameReads("[S]\r\nlong=" + value + "\r\nquoted=\"" + value +
                        "\"\r\nexact=" + std::string(2047, 'e') + "\r\n",
                    {{"S", "long"}, {"S", "quoted"}, {"S", "exact"}}, "2047 cut");
}

TEST_F(IniConformanceTest, LineEndingsReadAlike) {
    for (const char* end : {"\r\n", "\n", "\r"}) {
        std::string e = end;
        ExpectSameReads("[S]" + e + "a=1" + e + e + "b=2" + e + "[T]" + e + "c=3",
                        {{"S", "a"}, {"S", "b"}, {"T", "c"}, {"T", "a"}},
                        "line end " + std::to_string(e.size()) + std::to_string(e[0]));
    }
    ExpectSameReads("[S]\r\r\na=1\n\rb=2\r\n\r\n\n[T]\rc=3\r\n",
                    {{"S", "a"}, {"S", "b"}, {"T", "c"}}, "mixed line ends");
}

TEST_F(IniConformanceTest, CommentsUnknownLinesAndRepeatsReadAlike) {
    ExpectSameReads("; settings\r\n[S]\r\n;Commented=2\r\nNoEquals\r\n# Hash=3\r\nKey=first\r\n"
                    "Key=second\r\n[Other]\r\nOnlyHere=4\r\n[s]\r\nKey=third\r\nLater=5\r\n"
                    "[A]B]\r\nc=6\r\n",
                    {{"S", "Commented"},
                     {"S", ";Commented"},
                     {"S", "NoEquals"},
                     {"S", "# Hash"},
                     {"S", "Key"},
                     {"S", "OnlyHere"},
                     {"S", "Later"},
                     {"Other", "OnlyHere"},
                     {"A]B", "c"},
                     {"A", "c"}},
                    "comments and repeats");
}

TEST_F(IniConformanceTest, AnsiAndUtf8TextReadAlike) {
    ExpectSameReads("[S]\r\nName=Jos\xE9 \xA3"
                    "5\r\n",
                    {{"S", "Name"}}, "ANSI");
    ExpectSameReads("\xEF\xBB\xBF[S]\r\nName=Jos\xC3\xA9\r\n", {{"S", "Name"}}, "UTF-8 mark");
}

const std::vector<Write>& SomeWrites() {
    static const std::vector<Write> writes = {
        {"mousecontrol", "LENZOR.ALPHA", "200"},  // existing key, other case
        {"Common", "FirstStart", "0"},            // new key in an existing section
        {"MouseControl", "Lenzor.ZoomFactor", "2.5"},
        {"NewSection", "Empty", ""},  // new section, empty value
        {"NewSection", "Quoted", "\"x\""},
        {"NewSection", "Equals", "a=b"},
        {"Common", "Language",
         "Fran\xE7"
         "ais"},                                  // ANSI text
        {"MouseControl", "Lenzor.Alpha", "201"},  // the same key twice
    };
    return writes;
}

std::vector<Query> QueriesOf(const std::vector<Write>& writes) {
    std::vector<Query> queries;
    for (const Write& w : writes) {
        queries.push_back({w.section, w.key});
    }
    queries.push_back({"Common", "Other"});
    return queries;
}

TEST_F(IniConformanceTest, WritesGiveTheSameBytesWhereBothKeepLines) {
    // Already in the profile functions' own layout: CR LF, no blank lines, no blanks at "=".
    const std::string start = "; Lenzor settings\r\n[MouseControl]\r\nLenzor.Alpha=160\r\n"
                              "NoEquals\r\n[Common]\r\n; language file\r\nLanguage=English\r\n"
                              "Other=kept\r\n";
    const std::string theirs = folder_.File("theirs.ini");
    const std::string ours = folder_.File("ours.ini");
    WriteBytes(theirs, start);
    WriteBytes(ours, start);
    ProfileWrite(theirs, SomeWrites());
    LayerWrite(ours, SomeWrites());
    EXPECT_EQ(ReadBytes(ours), ReadBytes(theirs));
    for (const Query& q : QueriesOf(SomeWrites())) {
        EXPECT_EQ(Show(LayerRead(ours, q)), Show(ProfileRead(theirs, q)))
            << "[" << q.section << "] " << q.key;
    }
}

TEST_F(IniConformanceTest, WritesIntoAFreeFormFileReadBackAlike) {
    // Blank lines, blanks at "=", LF endings: the profile functions here rewrite the whole file
    // in their layout, while the layer keeps those lines as they are; the values agree.
    const std::string start = "\n; Lenzor settings\n\n[MouseControl]\n  Lenzor.Alpha = 160 \n\n"
                              "[Common]\nLanguage = English\nOther = kept\n\n";
    const std::string theirs = folder_.File("theirs.ini");
    const std::string ours = folder_.File("ours.ini");
    WriteBytes(theirs, start);
    WriteBytes(ours, start);
    ProfileWrite(theirs, SomeWrites());
    LayerWrite(ours, SomeWrites());
    for (const Query& q : QueriesOf(SomeWrites())) {
        std::optional<std::string> expected = ProfileRead(theirs, q);
        EXPECT_EQ(Show(ProfileRead(ours, q)), Show(expected)) << "[" << q.section << "] " << q.key;
        EXPECT_EQ(Show(LayerRead(ours, q)), Show(expected)) << "[" << q.section << "] " << q.key;
    }
    std::string written = ReadBytes(ours);
    EXPECT_EQ(written.rfind("\n; Lenzor settings\n\n[MouseControl]\n", 0), 0u) << written;
    EXPECT_NE(written.find("\nOther = kept\n"), std::string::npos) << written;
}

TEST_F(IniConformanceTest, ANewFileGetsTheSameBytes) {
    const std::vector<Write> writes = {
        {"MouseControl", "Lenzor.ZoomFactor", "2"},
        {"MouseControl", "Lenzor.Alpha", "160"},
        {"Common", "ShowAfterStart", "0"},
        {"Common", "Language", "English"},
    };
    const std::string theirs = folder_.File("theirs.ini");
    const std::string ours = folder_.File("ours.ini");
    ProfileWrite(theirs, writes);
    LayerWrite(ours, writes);
    EXPECT_EQ(ReadBytes(ours), ReadBytes(theirs));
}

// Differences kept on purpose, each pinned so that a change on either side is noticed.
TEST_F(IniConformanceTest, KnownDifferences) {
    // Keys above the first section: the profile functions find them under the empty section
    // name; the layer never asks for an empty section (an empty one is "OptNone").
    WriteBytes(path_, "Orphan=1\r\n[S]\r\n");
    EXPECT_EQ(Show(ProfileRead(path_, {"", "Orphan"})), "1");
    EXPECT_EQ(Show(LayerRead(path_, {"", "Orphan"})), "<missing>");

    // UTF-8 without a byte-order mark: the profile functions read its bytes in the ANSI code
    // page ("Ã©" in Windows-1252), the layer reads "é".
    WriteBytes(path_, "[S]\r\nName=Jos\xC3\xA9\r\n");
    EXPECT_EQ(IniFile(path_).ReadString("S", "Name").value_or("?"), "Jos\xC3\xA9");
    EXPECT_NE(Show(LayerRead(path_, {"S", "Name"})), Show(ProfileRead(path_, {"S", "Name"})));

    // A quoted value exactly 2047 characters long loses one more character there.
    WriteBytes(path_, "[S]\r\nq=\"" + std::string(2047, 'w') + "\"\r\n");
    EXPECT_EQ(ProfileRead(path_, {"S", "q"})->size(), 2046u);
    EXPECT_EQ(LayerRead(path_, {"S", "q"})->size(), 2047u);

    // A line break in a value: written raw there, adding a key; refused by the layer.
    const std::string start = "[S]\r\nk=1\r\n";
    WriteBytes(path_, start);
    ProfileWrite(path_, {{"S", "k", "a\r\nInjected=1"}});
    EXPECT_EQ(Show(ProfileRead(path_, {"S", "Injected"})), "1");
    WriteBytes(path_, start);
    IniFile file(path_);
    EXPECT_THROW(file.WriteString("S", "k", "a\r\nInjected=1"), EIniFileException);
    file.Flush();
    EXPECT_EQ(ReadBytes(path_), start);
}

}  // namespace
}  // namespace lenzor
