// The shell helpers against Wine's shell and registry: opening a target with its default
// action, and the autorun value in the Run keys, checked with reg.exe.
#include "app/settings.h"
#include "app/shell_helpers_win.h"
#include "win/unicode_win.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sddl.h>
#include <string>
#include <vector>

namespace lenzor {
namespace {

const std::string kName(kAutoRunValueName);
const std::string kPath = "C:\\Lenzor\\Lenzor.exe";
constexpr wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

struct Output {
    DWORD exitCode = 1;
    std::string text;
};

// Runs a console program and collects what it writes.
Output Run(std::wstring commandLine) {
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    CreatePipe(&readEnd, &writeEnd, &inherit, 0);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process{};
    Output out;
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                       nullptr, nullptr, &startup, &process)) {
        CloseHandle(writeEnd);
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(readEnd, buffer, sizeof(buffer), &got, nullptr) && got > 0) {
            out.text.append(buffer, got);
        }
        WaitForSingleObject(process.hProcess, 20000);
        GetExitCodeProcess(process.hProcess, &out.exitCode);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    } else {
        CloseHandle(writeEnd);
    }
    CloseHandle(readEnd);
    return out;
}

std::wstring RunKeyPath(bool machine) {
    return std::wstring(machine ? L"HKLM\\" : L"HKCU\\") + kRunKey;
}

// reg.exe's view of the value: its line of output, or empty when reg finds none.
std::string RegQuery(bool machine) {
    Output out = Run(L"reg.exe query \"" + RunKeyPath(machine) + L"\" /v " + Widen(kName));
    if (out.exitCode != 0) {
        return {};
    }
    std::size_t at = out.text.find(kName);
    return at == std::string::npos ? std::string{}
                                   : out.text.substr(at, out.text.find('\n', at) - at);
}

void RegAdd(bool machine, const std::wstring& typeAndData) {
    Output out = Run(L"reg.exe add \"" + RunKeyPath(machine) + L"\" /v " + Widen(kName) + L" " +
                     typeAndData + L" /f");
    ASSERT_EQ(out.exitCode, 0u) << out.text;
}

// Makes a Run key read-only for everyone while it lives, as it is for a user without
// administrator rights, then puts the key's own permissions back.
class ReadOnlyRunKey {
public:
    explicit ReadOnlyRunKey(HKEY root) {
        HKEY created = nullptr;
        RegCreateKeyExW(root, kRunKey, 0, nullptr, 0, KEY_READ, nullptr, &created, nullptr);
        RegCloseKey(created);
        RegOpenKeyExW(root, kRunKey, 0, READ_CONTROL | WRITE_DAC, &FKey);
        DWORD size = 0;
        RegGetKeySecurity(FKey, DACL_SECURITY_INFORMATION, nullptr, &size);
        FSaved.resize(size);
        RegGetKeySecurity(FKey, DACL_SECURITY_INFORMATION, FSaved.data(), &size);
        PSECURITY_DESCRIPTOR readOnly = nullptr;
        ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:(A;;KR;;;WD)", SDDL_REVISION_1,
                                                             &readOnly, nullptr);
        EXPECT_EQ(RegSetKeySecurity(FKey, DACL_SECURITY_INFORMATION, readOnly), ERROR_SUCCESS);
        LocalFree(readOnly);
    }
    ~ReadOnlyRunKey() {
        RegSetKeySecurity(FKey, DACL_SECURITY_INFORMATION, FSaved.data());
        RegCloseKey(FKey);
    }

private:
    HKEY FKey = nullptr;
    std::vector<BYTE> FSaved;
};

struct AutoRunTest : ::testing::Test {
    void SetUp() override { Clear(); }
    void TearDown() override { Clear(); }
    static void Clear() {
        RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kRunKey, Widen(kName).c_str());
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, Widen(kName).c_str());
    }
};

TEST_F(AutoRunTest, EnableWritesTheMachineWideValueAndDisableRemovesIt) {
    EXPECT_FALSE(IsAutoRunSet(kName, kPath));
    ASSERT_TRUE(SetAutoRun(kName, kPath, true));
    std::string line = RegQuery(true);
    EXPECT_NE(line.find("REG_SZ"), std::string::npos) << line;
    EXPECT_NE(line.find(kPath), std::string::npos) << line;
    EXPECT_EQ(line.find('"'), std::string::npos) << line;  // a path without blanks stays bare
    EXPECT_EQ(RegQuery(false), "");
    EXPECT_TRUE(IsAutoRunSet(kName, kPath));
    EXPECT_TRUE(IsAutoRunSet(kName, "c:\\lenzor\\LENZOR.EXE"));  // case does not matter
    EXPECT_FALSE(IsAutoRunSet(kName, "C:\\Other\\Lenzor.exe"));

    ASSERT_TRUE(SetAutoRun(kName, kPath, false));
    EXPECT_EQ(RegQuery(true), "");
    EXPECT_FALSE(IsAutoRunSet(kName, kPath));
    EXPECT_TRUE(SetAutoRun(kName, kPath, false));  // nothing to remove is no failure
}

TEST_F(AutoRunTest, PathWithBlanksIsWrittenQuoted) {
    const std::string path = "C:\\Program Files\\Lenzor\\Lenzor.exe";
    ASSERT_TRUE(SetAutoRun(kName, path, true));
    EXPECT_NE(RegQuery(true).find("\"" + path + "\""), std::string::npos) << RegQuery(true);
    EXPECT_TRUE(IsAutoRunSet(kName, path));
}

TEST_F(AutoRunTest, ValueThatWrapsThePathCountsAsSet) {
    RegAdd(true, L"/t REG_SZ /d \"\\\"" + Widen(kPath) + L"\\\" -S\"");
    ASSERT_NE(RegQuery(true).find("\"" + kPath + "\" -S"), std::string::npos) << RegQuery(true);
    EXPECT_TRUE(IsAutoRunSet(kName, kPath));
}

TEST_F(AutoRunTest, ValueThatIsNotAStringReadsAsNotSet) {
    RegAdd(true, L"/t REG_DWORD /d 1");
    EXPECT_FALSE(IsAutoRunSet(kName, "1"));
    // "C:" in UTF-16 as raw bytes: the text would match, the type does not.
    RegAdd(false, L"/t REG_BINARY /d 43003A00");
    EXPECT_FALSE(IsAutoRunSet(kName, "C:"));

    ASSERT_TRUE(SetAutoRun(kName, kPath, true));  // replaced by a proper string
    EXPECT_NE(RegQuery(true).find("REG_SZ"), std::string::npos);
    EXPECT_EQ(RegQuery(false), "");  // and the user's stray value is gone
}

TEST_F(AutoRunTest, EnablingMachineWideRemovesTheUsersValue) {
    RegAdd(false, L"/t REG_SZ /d " + Widen(kPath));
    ASSERT_TRUE(SetAutoRun(kName, kPath, true));
    EXPECT_NE(RegQuery(true).find(kPath), std::string::npos);
    EXPECT_EQ(RegQuery(false), "");  // one entry, so one start at logon
}

TEST_F(AutoRunTest, WithoutWriteAccessToTheMachineKeyTheUsersKeyIsUsed) {
    ReadOnlyRunKey readOnly(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(SetAutoRun(kName, kPath, true));
    EXPECT_EQ(RegQuery(true), "");
    EXPECT_NE(RegQuery(false).find(kPath), std::string::npos) << RegQuery(false);
    EXPECT_TRUE(IsAutoRunSet(kName, kPath));

    ASSERT_TRUE(SetAutoRun(kName, kPath, false));
    EXPECT_EQ(RegQuery(false), "");
    EXPECT_FALSE(IsAutoRunSet(kName, kPath));
}

TEST_F(AutoRunTest, MachineValueThatCannotBeRemovedIsReportedAndNotDuplicated) {
    ASSERT_TRUE(SetAutoRun(kName, kPath, true));
    ReadOnlyRunKey readOnly(HKEY_LOCAL_MACHINE);

    EXPECT_FALSE(SetAutoRun(kName, kPath, false));  // the choice did not take effect
    EXPECT_TRUE(IsAutoRunSet(kName, kPath));

    EXPECT_TRUE(SetAutoRun(kName, kPath, true));  // already set machine-wide
    EXPECT_EQ(RegQuery(false), "");
}

TEST_F(AutoRunTest, NoKeyWritableMeansFailure) {
    ReadOnlyRunKey machine(HKEY_LOCAL_MACHINE);
    ReadOnlyRunKey user(HKEY_CURRENT_USER);
    EXPECT_FALSE(SetAutoRun(kName, kPath, true));
    EXPECT_FALSE(IsAutoRunSet(kName, kPath));
}

struct OpenWithShellTest : ::testing::Test {
    std::wstring temp;
    std::wstring marker;
    void SetUp() override {
        wchar_t buffer[MAX_PATH];
        GetTempPathW(MAX_PATH, buffer);
        temp = buffer;
        marker = temp + L"opened.txt";
        DeleteFileW(marker.c_str());
    }
    // A script whose default action appends a line to the marker file.
    void WriteScript(const std::wstring& path) {
        std::ofstream script(path.c_str());
        script << "@echo opened>>\"" << Narrow(marker) << "\"\r\n";
    }
    int MarkerLines() {
        std::ifstream in(marker.c_str());
        int lines = 0;
        for (std::string line; std::getline(in, line);) {
            ++lines;
        }
        return lines;
    }
    bool WaitForMarkerLines(int n) {
        for (int i = 0; i < 300 && MarkerLines() < n; ++i) {
            Sleep(50);
        }
        return MarkerLines() >= n;
    }
};

TEST_F(OpenWithShellTest, RunsTheTargetsDefaultAction) {
    std::wstring script = temp + L"open me.cmd";
    WriteScript(script);
    EXPECT_TRUE(OpenWithShell(Narrow(script)));
    EXPECT_TRUE(WaitForMarkerLines(1));
    EXPECT_FALSE(OpenWithShell(""));
}

TEST_F(OpenWithShellTest, TargetOf260CharactersIsRefusedNotCut) {
    std::wstring folder = temp + std::wstring(200 - temp.size(), L'd');
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr) ||
                GetLastError() == ERROR_ALREADY_EXISTS);
    std::wstring script =
        folder + L"\\" + std::wstring(259 - folder.size() - 1 - 4, L's') + L".cmd";
    ASSERT_EQ(script.size(), 259u);
    WriteScript(script);

    // Cut to 259 characters, this would run the script.
    EXPECT_FALSE(OpenWithShell(Narrow(script + L"x")));
    EXPECT_TRUE(OpenWithShell(Narrow(script)));
    ASSERT_TRUE(WaitForMarkerLines(1));
    Sleep(1000);
    EXPECT_EQ(MarkerLines(), 1);
}

}  // namespace
}  // namespace lenzor
