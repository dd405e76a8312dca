#include "app/main_form_win.h"

#include "app/message_loop_win.h"
#include "lens/lens_system_win.h"
#include "ui/window_win.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace lenzor {
namespace {

// The exit code with which the test, not the program, ends a loop.
constexpr int kTestQuit = 77;

struct LoopRun {
    std::vector<std::string> boxes;  // what the error box would have shown
    bool endedByItself = false;      // the program ended the loop, not the test
};

std::function<bool()> g_loopDone;
DWORD g_loopDeadline = 0;

void CALLBACK CheckLoop(HWND, UINT, UINT_PTR, DWORD) {
    if ((g_loopDone && g_loopDone()) || static_cast<LONG>(GetTickCount() - g_loopDeadline) >= 0) {
        PostQuitMessage(kTestQuit);
    }
}

// Runs the application's message loop until `done` holds (checked every 20 ms), the program
// ends it, or the time is up.
LoopRun RunLoopUntil(std::function<bool(const LoopRun&)> done, DWORD milliseconds) {
    LoopRun run;
    g_loopDone = [&] { return done && done(run); };
    g_loopDeadline = GetTickCount() + milliseconds;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, CheckLoop);
    const int code = RunMessageLoop([&](const std::string& text) { run.boxes.push_back(text); });
    KillTimer(nullptr, timer);
    g_loopDone = nullptr;
    run.endedByItself = code != kTestQuit;
    return run;
}

std::vector<std::string> RunLoopFor(DWORD milliseconds) {
    return RunLoopUntil(nullptr, milliseconds).boxes;
}

constexpr DWORD kEventTimeoutMs = 15000;  // generous: the machine may be busy

class RefusingCaptureSystem : public LensSystemWin {
public:
    void CaptureScreen(const LensRect&, bool, Bitmap24&) override {
        throw std::runtime_error("Screen capture refused");
    }
};

TEST(MainFormWinTest, StartsHiddenWithTheTrayMenuAndTheHotKey) {
    LensSystemWin system;
    TForm1 form(system);
    EXPECT_FALSE(form.FormVisible());
    EXPECT_FALSE(form.Lens().IsShown());

    const TPopupMenu& menu = form.PopupMenuTray();
    ASSERT_EQ(menu.Count(), 4);
    const char* names[] = {"Showglass1", "MenuOptions1", "N1", "Exit1"};
    const char* captions[] = {"Show glass", "Options...", "-", "Exit"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(menu.Item(i).Name(), names[i]);
        EXPECT_EQ(menu.Item(i).Caption(), captions[i]);
    }
    EXPECT_EQ(menu.DefaultItem(), &form.Showglass1());
    EXPECT_FALSE(form.Showglass1().Checked());
    EXPECT_EQ(form.Showglass1().ShortCutText(), "Ctrl+Alt+G");

    EXPECT_EQ(form.HotKeyCtrl().HKeyCount(), 1);
    EXPECT_EQ(form.TrayIcon().PopupMenu(), &form.PopupMenuTray());
    EXPECT_TRUE(form.TrayIcon().IconVisible());
    EXPECT_NE(form.TrayIcon().Icon(), nullptr);
}

TEST(MainFormWinTest, ShowGlassTogglesTheLensAndItsCheckMark) {
    LensSystemWin system;
    TForm1 form(system);
    form.Showglass1().Click();
    EXPECT_TRUE(form.Lens().IsShown());
    EXPECT_TRUE(form.Showglass1().Checked());
    form.Showglass1().Click();
    EXPECT_FALSE(form.Lens().IsShown());
    EXPECT_FALSE(form.Showglass1().Checked());

    // The hot key arrives at the hot-key window and clicks the same item.
    SendMessageW(form.HotKeyCtrl().Handle(), WM_HOTKEY, 0, MAKELPARAM(MOD_CONTROL | MOD_ALT, 'G'));
    EXPECT_TRUE(form.Lens().IsShown());
    EXPECT_TRUE(form.Showglass1().Checked());

    // While the form (the future settings dialog) is open, "Show glass" does nothing.
    form.MenuOptions1Click();
    EXPECT_TRUE(form.FormVisible());
    form.Showglass1().Click();
    EXPECT_TRUE(form.Lens().IsShown());
    EXPECT_TRUE(form.Showglass1().Checked());

    // Its close box only hides it.
    SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(form.FormVisible());
    form.Showglass1().Click();
    EXPECT_FALSE(form.Lens().IsShown());
}

TEST(MainFormWinTest, Timer1DrivesTheLens) {
    LensSystemWin system;
    TForm1 form(system);
    SetCursorPos(300, 200);
    form.Showglass1().Click();
    // The default corner tracker puts the lens below right of the pointer.
    const auto placed = [&](const LoopRun&) {
        const LensRect bounds = form.Lens().LensForm().Bounds();
        return bounds.left == 305 && bounds.top == 205;
    };
    RunLoopUntil(placed, kEventTimeoutMs);
    EXPECT_TRUE(placed({}));
}

TEST(MainFormWinTest, AFailingRedrawShowsOneErrorBoxAndTheLensCarriesOn) {
    RefusingCaptureSystem system;
    TForm1 form(system);
    form.Showglass1().Click();
    std::vector<std::string> boxes =
        RunLoopUntil([](const LoopRun& run) { return !run.boxes.empty(); }, kEventTimeoutMs).boxes;
    const std::vector<std::string> more = RunLoopFor(800);  // several redraw attempts more
    boxes.insert(boxes.end(), more.begin(), more.end());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Screen capture refused.");
    EXPECT_TRUE(form.Lens().IsShown());
    EXPECT_TRUE(RunLoopFor(300).empty());
}

// Each close request ends the loop by itself, before the test's own time-out.
bool LoopEndsPromptly() {
    return RunLoopUntil(nullptr, kEventTimeoutMs).endedByItself;
}

TEST(MainFormWinTest, ExitOrASessionEndEndsTheLoop) {
    LensSystemWin system;
    TForm1 form(system);
    form.Exit1Click();
    EXPECT_TRUE(LoopEndsPromptly());

    TForm1 ending(system);
    EXPECT_EQ(SendMessageW(ending.Handle(), WM_QUERYENDSESSION, 0, 0), 1);
    SendMessageW(ending.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(LoopEndsPromptly());
}

TEST(MainFormWinTest, TestHookSetsTheLensModes) {
    SetEnvironmentVariableW(L"LENZOR_TEST_LENS", L"position=3,contrast=1,interval=250");
    LensSystemWin system;
    TForm1 form(system);
    SetEnvironmentVariableW(L"LENZOR_TEST_LENS", nullptr);
    EXPECT_EQ(form.Lens().PositionMode(), pmFixed);
    EXPECT_EQ(form.Lens().ContrastMode(), cmNegative);
    EXPECT_EQ(form.Lens().UpdateInterval(), 250u);
}

}  // namespace
}  // namespace lenzor
