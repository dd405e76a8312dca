#include "options/ini_file.h"

#include "core/errors.h"
#include "options/ini_platform.h"
#include "options/text_encoding.h"
#include "temp_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#ifndef _WIN32
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace lenzor {
namespace {

using ::testing::HasSubstr;

// Latin-1 as the 8-bit code page, so conversions are visible natively too.
std::string Latin1ToUtf8(std::string_view text) {
    std::string out;
    for (unsigned char c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string Utf8ToLatin1(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0xC0 && i + 1 < text.size()) {
            out += static_cast<char>(((c & 0x1F) << 6) | (text[++i] & 0x3F));
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

const TextCodec kLatin1{Latin1ToUtf8, Utf8ToLatin1};

// A large file, so that a save takes several blocks.
std::string LargeIni() {
    std::string text = "[Big]\r\n";
    for (int i = 0; text.size() < 5 * kWriteBlockSize; ++i) {
        text += "Key" + std::to_string(i) + "=" + std::string(60, 'a' + i % 26) + "\r\n";
    }
    return text;
}

class IniFileTest : public ::testing::Test {
protected:
    void TearDown() override { SetWriteProgressHookForTesting(nullptr); }

    TempFolder folder_;
    std::string path_ = folder_.File("Lenzor.ini");
};

TEST_F(IniFileTest, EightBitTextIsConvertedAtTheFileEdge) {
    WriteBytes(path_, "[Caf\xE9]\nName=Jos\xE9\n");
    IniFile file(path_, kLatin1);
    EXPECT_EQ(file.ReadString("Caf\xC3\xA9", "Name").value_or("?"), "Jos\xC3\xA9");
    file.WriteString("Caf\xC3\xA9", "City", "Z\xC3\xBCrich");
    file.Flush();
    EXPECT_EQ(ReadBytes(path_), "[Caf\xE9]\nName=Jos\xE9\nCity=Z\xFCrich\r\n");
}

TEST_F(IniFileTest, AFileWithAByteOrderMarkIsUtf8AndKeepsIt) {
    WriteBytes(path_, "\xEF\xBB\xBF[S]\nName=Jos\xC3\xA9\n");
    IniFile file(path_, kLatin1);
    EXPECT_EQ(file.ReadString("S", "Name").value_or("?"), "Jos\xC3\xA9");
    file.WriteString("S", "City", "Z\xC3\xBCrich");
    file.Flush();
    EXPECT_EQ(ReadBytes(path_), "\xEF\xBB\xBF[S]\nName=Jos\xC3\xA9\nCity=Z\xC3\xBCrich\r\n");
}

// Notepad's encodings: a load, a save of changed and new keys, a reload. The save keeps the
// file in the encoding it came in, lines nobody wrote included: UTF-8 without a mark stays
// without one, and 8-bit text stays in the code page.
TEST_F(IniFileTest, EachEncodingIsReadAndWrittenBackInItself) {
    const std::string before = "; Lenzor\r\n[Common]\r\nLanguage=Fran\xC3\xA7"
                               "ais\r\n";
    const std::string after = "; Lenzor\r\n[Common]\r\nLanguage=Zo\xC3\xAB\r\n"
                              "HotKeyShowGlass=49223\r\n[MouseControl]\r\nLenzor.Alpha=200\r\n";
    for (TextEncoding encoding : {TextEncoding::Ansi, TextEncoding::Utf8Bom,
                                  TextEncoding::Utf16LeBom, TextEncoding::Utf8}) {
        SCOPED_TRACE(static_cast<int>(encoding));
        WriteBytes(path_, EncodeText(before, encoding, kLatin1));
        IniFile file(path_, kLatin1);
        EXPECT_EQ(file.ReadString("common", "LANGUAGE").value_or("?"), "Fran\xC3\xA7"
                                                                       "ais");
        file.WriteString("Common", "Language", "Zo\xC3\xAB");
        file.WriteString("Common", "HotKeyShowGlass", "49223");
        file.WriteString("MouseControl", "Lenzor.Alpha", "200");
        file.Flush();
        EXPECT_EQ(ReadBytes(path_), EncodeText(after, encoding, kLatin1));
        IniFile reread(path_, kLatin1);
        EXPECT_EQ(reread.ReadString("Common", "Language").value_or("?"), "Zo\xC3\xAB");
        EXPECT_EQ(reread.ReadString("MouseControl", "Lenzor.Alpha").value_or("?"), "200");
    }
}

TEST_F(IniFileTest, CutUtf8ValuesEndOnACharacterBoundary) {
    std::string value = std::string(2046, 'a') + "\xC3\xA9";  // the cut splits the last letter
    WriteBytes(path_, "\xEF\xBB\xBF[S]\nk=" + value + "\n");
    IniFile file(path_);
    EXPECT_EQ(file.ReadString("S", "k").value_or("?"), std::string(2046, 'a'));
}

TEST_F(IniFileTest, WritesReachTheFileOnlyOnFlush) {
    IniFile file(path_);
    EXPECT_FALSE(file.ReadString("S", "k").has_value());
    file.WriteString("S", "k", "v");
    EXPECT_EQ(file.ReadString("s", "K").value_or("?"), "v");
    EXPECT_FALSE(FileExists(path_));
    file.Flush();
    EXPECT_EQ(ReadBytes(path_), "[S]\r\nk=v\r\n");
    WriteBytes(path_, "changed by hand");
    file.Flush();  // nothing pending: the file is not touched
    EXPECT_EQ(ReadBytes(path_), "changed by hand");
}

TEST_F(IniFileTest, RefusesLineBreaksAndNulCharactersInNamesAndValues) {
    IniFile file(path_);
    const std::string nul("a\0b", 3);
    EXPECT_THROW(file.WriteString("S", "k", "a\rb"), EIniFileException);
    EXPECT_THROW(file.WriteString("S", "k", "a\nb"), EIniFileException);
    EXPECT_THROW(file.WriteString("S", "k", nul), EIniFileException);
    EXPECT_THROW(file.WriteString("S\n[T]", "k", "v"), EIniFileException);
    EXPECT_THROW(file.WriteString("S", "k\r\nx", "v"), EIniFileException);
    file.Flush();
    EXPECT_FALSE(FileExists(path_));
}

// A hand-edited file with a NUL in a value: the value reads up to it, in every encoding, and
// what was read can be saved again.
TEST_F(IniFileTest, AValueEndsAtANulCharacterAndSavesAgain) {
    const char raw[] = "[S]\r\nk=ab\0cd\r\nnext=1\r\n";
    const std::string ansi(raw, sizeof raw - 1);
    std::string utf16 = "\xFF\xFE";
    for (char c : ansi) {
        utf16 += {c, '\0'};
    }
    for (const std::string& bytes : {ansi, "\xEF\xBB\xBF" + ansi, utf16}) {
        WriteBytes(path_, bytes);
        IniFile file(path_);
        const std::optional<std::string> value = file.ReadString("S", "k");
        EXPECT_EQ(value, "ab");
        EXPECT_EQ(file.ReadString("S", "next"), "1");
        file.WriteString("S", "k", *value);
        file.Flush();
        EXPECT_EQ(IniFile(path_).ReadString("S", "k"), "ab");
    }
}

TEST_F(IniFileTest, AFailedWriteLeavesTheOldFileWhole) {
    const std::string original = LargeIni();
    WriteBytes(path_, original);
    IniFile file(path_);
    file.WriteString("Big", "Key0", "changed");
    SetWriteProgressHookForTesting(
        [](std::size_t written) { return written < 2 * kWriteBlockSize; });
    try {
        file.Flush();
        FAIL() << "no error";
    } catch (const EIniFileException& e) {
        EXPECT_THAT(e.what(), HasSubstr(path_));
    }
    EXPECT_EQ(ReadBytes(path_), original);
    EXPECT_EQ(folder_.EntryCount(), 1u);

    SetWriteProgressHookForTesting(nullptr);
    file.Flush();  // the save is still pending and succeeds now
    EXPECT_NE(ReadBytes(path_).find("Key0=changed\r\n"), std::string::npos);
    EXPECT_EQ(folder_.EntryCount(), 1u);
}

TEST_F(IniFileTest, AFileThatCannotBeReadIsNotOverwritten) {
    std::filesystem::create_directory(PathFromUtf8(path_));  // exists, but is no readable file
    IniFile file(path_);
    file.WriteString("S", "k", "v");
    EXPECT_THROW(file.Flush(), EIniFileException);
    EXPECT_TRUE(std::filesystem::is_directory(PathFromUtf8(path_)));
}

TEST_F(IniFileTest, AMissingFolderIsReportedWithThePath) {
    const std::string path = folder_.File("missing/Lenzor.ini");
    IniFile file(path);
    file.WriteString("S", "k", "v");
    try {
        file.Flush();
        FAIL() << "no error";
    } catch (const EIniFileException& e) {
        EXPECT_THAT(e.what(), HasSubstr(path));  // the path the user must look at
#ifdef _WIN32
        EXPECT_THAT(e.what(), HasSubstr(path + "\n")) << "the system's reason on a line of its own";
#endif
    }
}

TEST_F(IniFileTest, NonAsciiFileNamesWork) {
    const std::string path = folder_.File("Einstellungen \xC3\xBC \xE2\x82\xAC.ini");
    IniFile file(path);
    file.WriteString("S", "k", "v");
    file.Flush();
    EXPECT_EQ(ReadBytes(path), "[S]\r\nk=v\r\n");
    EXPECT_EQ(IniFile(path).ReadString("S", "k").value_or("?"), "v");
}

#ifndef _WIN32
TEST_F(IniFileTest, AProcessKilledInTheMiddleOfASaveLeavesTheOldFileWhole) {
    const std::string original = LargeIni();
    WriteBytes(path_, original);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SetWriteProgressHookForTesting([](std::size_t written) {
            if (written >= 2 * kWriteBlockSize) {
                raise(SIGKILL);
            }
            return true;
        });
        IniFile file(path_);
        file.WriteString("Big", "Key1", "changed");
        file.Flush();
        _exit(0);  // not reached
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGKILL);
    EXPECT_EQ(ReadBytes(path_), original);

    IniFile file(path_);  // the partial temporary file does not disturb the next save
    file.WriteString("Big", "Key1", "changed");
    file.Flush();
    EXPECT_NE(ReadBytes(path_).find("Key1=changed\r\n"), std::string::npos);
}

TEST_F(IniFileTest, ReplacementKeepsPermissionsAndWritesThroughLinks) {
    WriteBytes(path_, "[S]\nk=1\n");
    chmod(path_.c_str(), 0640);
    const std::string link = folder_.File("link.ini");
    ASSERT_EQ(symlink(path_.c_str(), link.c_str()), 0);
    IniFile file(link);
    file.WriteString("S", "k", "2");
    file.Flush();
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadBytes(path_), "[S]\nk=2\r\n");
    struct stat info;
    ASSERT_EQ(stat(path_.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}
#endif

}  // namespace
}  // namespace lenzor
