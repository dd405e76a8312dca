#include "app/main_form_win.h"

#include "app/message_loop_win.h"
#include "lens/lens_system_win.h"
#include "ui/window_win.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace lenzor {
namespace {

constexpr UINT_PTR kQuitTimer = 77;

void CALLBACK QuitLoop(HWND, UINT, UINT_PTR, DWORD) {
    PostQuitMessage(0);
}

// Runs the application's message loop for a while and collects what its error box would show.
std::vector<std::string> RunLoopFor(UINT milliseconds) {
    std::vector<std::string> boxes;
    const UINT_PTR timer = SetTimer(nullptr, kQuitTimer, milliseconds, QuitLoop);
    RunMessageLoop([&](const std::string& text) { boxes.push_back(text); });
    KillTimer(nullptr, timer);
    return boxes;
}

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
    RunLoopFor(400);
    // The default corner tracker puts the lens below right of the pointer.
    EXPECT_EQ(form.Lens().LensForm().Bounds().left, 305);
    EXPECT_EQ(form.Lens().LensForm().Bounds().top, 205);
}

TEST(MainFormWinTest, AFailingRedrawShowsOneErrorBoxAndTheLensCarriesOn) {
    RefusingCaptureSystem system;
    TForm1 form(system);
    form.Showglass1().Click();
    const std::vector<std::string> boxes = RunLoopFor(800);  // several redraw attempts
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Screen capture refused.");
    EXPECT_TRUE(form.Lens().IsShown());
    EXPECT_TRUE(RunLoopFor(300).empty());
}

// Each close request ends the loop at once, not the test's own quit timer.
bool LoopEndsPromptly() {
    const DWORD start = GetTickCount();
    RunLoopFor(5000);
    return GetTickCount() - start < 2000;  // coarse
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
