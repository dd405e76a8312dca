// The program unzipped into a folder whose name lies outside the ANSI code page: a copy of
// this test program, started from "Zoë Лензор", finds its own folder, loads and saves its
// settings there through the real storage (a UTF-16 "Lenzor.ini", as Notepad saves it) and
// writes its real path as the autorun value.
#include "app/shell_helpers_win.h"
#include "options/file_system.h"
#include "options/opt_storage_ini.h"
#include "options/opt_system.h"
#include "options/text_encoding.h"
#include "win/unicode_win.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace lenzor {
namespace {

constexpr char kChildSwitch[] = "LENZOR_PROGRAM_FOLDER_CHILD";
const std::string kRunValue = "LenzorProgramFolderTest";

std::string ReadAll(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// In the copy: one settings load, a change, a save, and the autorun value.
void RunAsChild() {
    const std::string iniPath = ProgramFolder() + "Lenzor.ini";
    TOptStorageINIFile storage(iniPath);
    TOptSystem options(&storage);
    options.AddItem("Common.Language", dtString, Variant(std::string("English")), true, true);
    options.AddItem("MouseControl.Lenzor.Alpha", dtInteger, Variant(160), true, true);
    storage.Open();
    options.LoadAll();
    storage.Close();
    ASSERT_EQ(options.Item("Common.Language").GetValue().ToString(), "Русский");
    options.Item("MouseControl.Lenzor.Alpha").SetValue(Variant(201));
    storage.Open();
    options.SaveAll();
    storage.Close();
    ASSERT_TRUE(SetAutoRun(kRunValue, ProgramPath(), true));
}

TEST(ProgramFolderTest, SettingsAndAutorunUseAFolderOutsideTheAnsiCodePage) {
    if (std::getenv(kChildSwitch) != nullptr) {
        RunAsChild();
        return;
    }
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder =
        std::wstring(temp) + L"Zo\u00EB \u041B\u0435\u043D\u0437\u043E\u0440\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    wchar_t self[MAX_PATH];
    ASSERT_GT(GetModuleFileNameW(nullptr, self, MAX_PATH), 0u);
    const std::wstring copy = folder + L"Lenzor.exe";
    ASSERT_TRUE(CopyFileW(self, copy.c_str(), FALSE));
    const std::string before =
        "[Common]\r\nLanguage=Русский\r\n[MouseControl]\r\nLenzor.Alpha=100\r\n";
    std::ofstream(std::filesystem::path(folder + L"Lenzor.ini"), std::ios::binary)
        << EncodeText(before, TextEncoding::Utf16LeBom);

    SetEnvironmentVariableA(kChildSwitch, "1");
    std::wstring command = L"\"" + copy + L"\" --gtest_filter=ProgramFolderTest.*";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process));
    SetEnvironmentVariableA(kChildSwitch, nullptr);
    ASSERT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    EXPECT_EQ(exitCode, 0u);

    const std::string saved = ReadAll(folder + L"Lenzor.ini");
    EXPECT_EQ(saved, EncodeText("[Common]\r\nLanguage=Русский\r\n[MouseControl]\r\n"
                                "Lenzor.Alpha=201\r\n",
                                TextEncoding::Utf16LeBom));
    EXPECT_TRUE(IsAutoRunSet(kRunValue, Narrow(copy)));
    SetAutoRun(kRunValue, Narrow(copy), false);
}

}  // namespace
}  // namespace lenzor
