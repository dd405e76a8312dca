// The main form on its real Win32 platform: the hot-key window, the form's close box and the
// session-end messages, and the general error box through the message loop.
#include "app/main_platform_win.h"

#include "../options/temp_folder.h"
#include "app/message_loop_win.h"
#include "lang/ini_lang.h"
#include "lens/lens_system_win.h"
#include "lens/lenzor.h"
#include "options/file_system.h"
#include "ui/timer_backend_win.h"
#include "ui/menu.h"
#include "ui/peer_factory_win.h"
#include "ui/peer_win.h"
#include "ui/timer.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace lenzor {
namespace {

class RefusingCaptureSystem : public LensSystemWin {
public:
    void CaptureScreen(const LensRect&, bool, Bitmap24&) override {
        throw std::runtime_error("Screen capture refused");
    }
};

bool loopLimitReached = false;

void CALLBACK QuitLoop(HWND, UINT, UINT_PTR, DWORD) {
    loopLimitReached = true;
    PostQuitMessage(0);
}

// Runs the application's loop until something quits it (at most `limit` ms, which sets
// loopLimitReached) and returns what its error box would have shown.
std::vector<std::string> RunLoop(UINT limit) {
    std::vector<std::string> boxes;
    loopLimitReached = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, limit, QuitLoop);
    RunMessageLoop([&](const std::string& text) { boxes.push_back(text); });
    KillTimer(nullptr, timer);
    return boxes;
}

class MainPlatform : public ::testing::Test {
protected:
    void Start(LensSystem& system) {
        SetProgramFolder(folder.File(""));
        WriteBytes(folder.File("Lenzor.ini"),
                   "[Common]\r\nFirstStart=0\r\n[MouseControl]\r\nLenzor.PositionMode=1\r\n");
        TTimer::SetBackend(&WindowTimers());
        platform = std::make_unique<MainFormPlatformWin>(system);
        program = std::make_unique<TMainController>(*platform, std::vector<std::string>{});
        program->Form().CreateHandle(Win32Peers());
        platform->Attach(*program);
        program->FormCreate();
        window = WinPeer::Of(&program->Form())->Handle();
    }
    ~MainPlatform() override {
        program.reset();
        platform.reset();
        TTimer::SetBackend(nullptr);
        ReleaseCurrentLanguageFile();
        SetProgramFolder("");
    }

    TempFolder folder;
    LensSystemWin system;
    std::unique_ptr<MainFormPlatformWin> platform;
    std::unique_ptr<TMainController> program;
    HWND window = nullptr;
};

TEST_F(MainPlatform, HotKeyCloseBoxAndSessionEndWorkOnTheRealWindows) {
    Start(system);
    EXPECT_TRUE(platform->TrayIcon()->IconVisible());
    SendMessageW(platform->HotKeyCtrl()->Handle(), WM_HOTKEY, 0,
                 MAKELPARAM(MOD_CONTROL | MOD_ALT, 'G'));
    EXPECT_TRUE(program->Lens().IsShown());

    program->MenuOptions1Click();
    EXPECT_TRUE(IsWindowVisible(window));
    SendMessageW(platform->HotKeyCtrl()->Handle(), WM_HOTKEY, 0, 0);  // inert while open
    EXPECT_FALSE(program->Lens().IsShown());
    SendMessageW(window, WM_CLOSE, 0, 0);  // the close box is Cancel
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(program->Lens().IsShown());

    program->MenuOptions1Click();
    EXPECT_EQ(SendMessageW(window, WM_QUERYENDSESSION, 0, 0), TRUE);
    SendMessageW(window, WM_ENDSESSION, FALSE, 0);  // cancelled: closing hides again
    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_FALSE(program->Terminating());

    SendMessageW(window, WM_QUERYENDSESSION, 0, 0);
    SendMessageW(window, WM_ENDSESSION, TRUE, 0);
    RunLoop(60000);
    EXPECT_FALSE(loopLimitReached) << "the form's close must end the loop";
}

TEST_F(MainPlatform, AFailingRedrawShowsOneErrorBoxAndTheLensCarriesOn) {
    RefusingCaptureSystem refusing;
    Start(refusing);
    program->Showglass1Click();
    std::vector<std::string> boxes;
    const DWORD start = GetTickCount();
    while (boxes.empty() && GetTickCount() - start < 30000) {
        boxes = RunLoop(200);
    }
    const std::vector<std::string> later = RunLoop(500);  // several more redraws fail
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Screen capture refused.");
    EXPECT_TRUE(later.empty());
    EXPECT_TRUE(program->Lens().IsShown());
}

}  // namespace
}  // namespace lenzor
