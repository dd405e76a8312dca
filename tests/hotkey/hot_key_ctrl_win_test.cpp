// Global hot keys under Wine on Xvfb: registration results, and real key presses from xdotool
// while a window of this process has the keyboard focus (Wine delivers hot keys only then).
#include "../ui/message_pump_win.h"
#include "hotkey/hot_key_ctrl_win.h"
#include "win/unicode_win.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace lenzor {
namespace {

using test_support::PumpMessagesFor;
using test_support::PumpMessagesUntil;

struct Press {
    THKeyID id;
    THKeyMods modifiers;
    std::uint8_t key;
    friend bool operator==(const Press&, const Press&) = default;
};

// Runs a Linux shell command through Wine's start.exe and waits for it while this thread keeps
// handling its messages (xdotool waits for the focus change this window must process).
bool RunUnixCommand(const std::string& command) {
    std::wstring line =
        L"C:\\windows\\system32\\start.exe /wait /unix /bin/sh -c \"" + Widen(command) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    bool done = PumpMessagesUntil(
        [&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; }, 20000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return done;
}

struct HotKeyTest : ::testing::Test {
    static constexpr wchar_t kFocusTitle[] = L"lenzor hot key focus";
    HWND focus = nullptr;
    std::unique_ptr<THotKeyCtrl> ctrl = std::make_unique<THotKeyCtrl>();
    std::vector<Press> presses;

    void SetUp() override {
        ctrl->OnHotKey = [this](THotKeyCtrl& sender, THKeyID id, THKeyMods mods, std::uint8_t key) {
            EXPECT_EQ(&sender, ctrl.get());
            presses.push_back({id, mods, key});
        };
    }
    void TearDown() override {
        ctrl.reset();
        if (focus) {
            DestroyWindow(focus);
        }
    }
    // Focuses a window of this process and presses the keys (xdotool names, "ctrl+alt+g").
    void PressKeys(const std::string& keys) {
        if (!focus) {
            focus = CreateWindowExW(0, L"STATIC", kFocusTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10,
                                    10, 240, 120, nullptr, nullptr, nullptr, nullptr);
            UpdateWindow(focus);
        }
        ASSERT_TRUE(RunUnixCommand("xdotool search --name '" + Narrow(kFocusTitle) +
                                   "' windowfocus --sync && xdotool key " + keys));
    }
    bool PressesReach(std::size_t n) {
        return PumpMessagesUntil([&] { return presses.size() >= n; },
                                 test_support::kEventTimeoutMs);
    }
};

TEST_F(HotKeyTest, HiddenWindowHasItsIdentity) {
    EXPECT_EQ(FindWindowW(L"NorvHotKeyCtrlClass", L"norv HotKey Controller v1.02"), ctrl->Handle());
    EXPECT_FALSE(IsWindowVisible(ctrl->Handle()));
    EXPECT_TRUE(ctrl->Enabled());
    EXPECT_EQ(ctrl->HKeyCount(), 0);
}

TEST_F(HotKeyTest, AStrayCloseLeavesTheWindowAndItsHotKeys) {
    ASSERT_TRUE(ctrl->AddHotKey(2, {kmCtrl, kmAlt}, 'G'));
    HWND window = ctrl->Handle();
    PostMessageW(window, WM_CLOSE, 0, 0);
    test_support::PumpQueuedMessages();
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(ctrl->Handle(), window);
    PressKeys("ctrl+alt+g");
    ASSERT_TRUE(PressesReach(1));
    EXPECT_EQ(presses[0], (Press{2, {kmCtrl, kmAlt}, 'G'}));
}

TEST_F(HotKeyTest, CountsOnlySuccessfulRegistrations) {
    EXPECT_TRUE(ctrl->AddHotKey(0, {kmCtrl, kmAlt}, 'G'));
    EXPECT_EQ(ctrl->HKeyCount(), 1);

    THotKeyCtrl other;  // a second control: the class is already there
    EXPECT_FALSE(other.AddHotKey(0, {kmCtrl, kmAlt}, 'G'));  // taken
    EXPECT_EQ(other.HKeyCount(), 0);
    EXPECT_FALSE(other.AddHotKey(kMaxHKeyID + 1, {kmCtrl, kmAlt}, 'K'));
    EXPECT_EQ(other.HKeyCount(), 0);
    EXPECT_TRUE(other.AddHotKey(kMaxHKeyID, {kmCtrl, kmAlt}, 'K'));
    EXPECT_EQ(other.HKeyCount(), 1);
}

TEST_F(HotKeyTest, ReplacingACombinationReleasesTheOldOne) {
    ASSERT_TRUE(ctrl->AddHotKey(0, {kmCtrl, kmAlt}, 'G'));
    ASSERT_TRUE(ctrl->AddHotKey(0, {kmCtrl, kmAlt}, 'H'));
    EXPECT_EQ(ctrl->HKeyCount(), 2);
    THotKeyCtrl other;
    EXPECT_TRUE(other.AddHotKey(5, {kmCtrl, kmAlt}, 'G'));  // free again
    EXPECT_FALSE(other.AddHotKey(6, {kmCtrl, kmAlt}, 'H'));
}

TEST_F(HotKeyTest, DestructionReleasesTheRegistrations) {
    ASSERT_TRUE(ctrl->AddHotKey(3, {kmShift, kmAlt}, 'Q'));
    ctrl.reset();
    THotKeyCtrl other;
    EXPECT_TRUE(other.AddHotKey(3, {kmShift, kmAlt}, 'Q'));
}

TEST_F(HotKeyTest, ReportedModifiersIncludeWin) {
    PostMessageW(ctrl->Handle(), WM_HOTKEY, 7, MAKELPARAM(MOD_WIN | MOD_SHIFT, 'K'));
    ASSERT_TRUE(PressesReach(1));
    EXPECT_EQ(presses[0], (Press{7, {kmWin, kmShift}, 'K'}));
}

TEST_F(HotKeyTest, PressFiresOnHotKeyAndDisabledStaysSilent) {
    ASSERT_TRUE(ctrl->AddHotKey(0, ShiftToMods(ssCtrl | ssAlt), 'G'));
    ASSERT_TRUE(ctrl->AddHotKey(1, {kmCtrl, kmShift}, 'J'));
    PressKeys("ctrl+alt+g");
    ASSERT_TRUE(PressesReach(1));
    EXPECT_EQ(presses[0], (Press{0, {kmCtrl, kmAlt}, 'G'}));

    // While disabled, the press is followed by one for a second control; keys arrive in order,
    // so once that one is here the disabled press has been handled, however slow the machine.
    THotKeyCtrl sentinel;
    int sentinelPresses = 0;
    sentinel.OnHotKey = [&](THotKeyCtrl&, THKeyID, THKeyMods, std::uint8_t) { ++sentinelPresses; };
    ASSERT_TRUE(sentinel.AddHotKey(0, {kmCtrl, kmShift}, 'K'));
    ctrl->SetEnabled(false);
    PressKeys("ctrl+alt+g ctrl+shift+k");
    ASSERT_TRUE(
        PumpMessagesUntil([&] { return sentinelPresses == 1; }, test_support::kEventTimeoutMs));
    ctrl->SetEnabled(true);
    // Presses arrive in order: once this one is here, the disabled one would have been too.
    PressKeys("ctrl+shift+j");
    ASSERT_TRUE(PressesReach(2));
    EXPECT_EQ(presses.size(), 2u);
    EXPECT_EQ(presses[1], (Press{1, {kmCtrl, kmShift}, 'J'}));
}

TEST_F(HotKeyTest, ReplacedCombinationNoLongerFires) {
    ASSERT_TRUE(ctrl->AddHotKey(0, {kmCtrl, kmAlt}, 'G'));
    ASSERT_TRUE(ctrl->AddHotKey(0, {kmCtrl, kmAlt}, 'H'));
    PressKeys("ctrl+alt+g ctrl+alt+h");
    ASSERT_TRUE(PressesReach(1));
    PumpMessagesFor(200);
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(presses[0], (Press{0, {kmCtrl, kmAlt}, 'H'}));
}

}  // namespace
}  // namespace lenzor
