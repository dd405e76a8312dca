// The notification-area icon against the real shell under Wine: adding and removing the icon,
// the shell's callbacks posted to the handler window, the menu and its default item, taskbar
// re-creation, icon cycling, enter/exit, and minimising the owner form to the tray.
#include "../ui/message_pump_win.h"
#include "win/simple_timer_win.h"
#include "tray/tray_icon_win.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace lenzor {
namespace {

using test_support::kEventTimeoutMs;
using test_support::MakeSolidIcon;
using test_support::PumpMessagesFor;
using test_support::PumpMessagesUntil;
using Log = std::vector<std::string>;

// Whether the shell knows an icon under this window and identifier: a modification that
// changes nothing succeeds only for an icon that is there.
bool ShellHasIcon(HWND window, UINT id) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = window;
    data.uID = id;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

bool ShellHasIcon(const TTrayIcon& tray) {
    return ShellHasIcon(tray.HandlerWindow(), tray.CallbackId());
}

void RemoveBehindItsBack(const TTrayIcon& tray) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = tray.HandlerWindow();
    data.uID = tray.CallbackId();
    Shell_NotifyIconW(NIM_DELETE, &data);
}

std::string ButtonName(TMouseButton button) {
    return button == mbLeft ? "L" : button == mbRight ? "R" : "M";
}

struct TrayIconTest : ::testing::Test {
    HICON appIcon = MakeSolidIcon(RGB(0, 128, 255));
    std::unique_ptr<TTrayIcon> tray = std::make_unique<TTrayIcon>();
    TPopupMenu menu{"PopupMenuTray"};
    Log log;

    void SetUp() override {
        tray->SetIcon(appIcon);
        tray->OnClick = [this](TTrayIcon&) { log.push_back("click"); };
        tray->OnMouseDown = [this](TTrayIcon&, TMouseButton b, TShiftState shift, int, int) {
            log.push_back("down " + ButtonName(b));
            EXPECT_TRUE(shift & (b == mbLeft ? ssLeft : b == mbRight ? ssRight : ssMiddle));
        };
        tray->OnMouseUp = [this](TTrayIcon&, TMouseButton b, TShiftState, int, int) {
            log.push_back("up " + ButtonName(b));
        };
        for (auto [name, caption] : {std::pair{"Showglass1", "Show glass"},
                                     {"MenuOptions1", "Options..."},
                                     {"N1", "-"},
                                     {"Exit1", "Exit"}}) {
            menu.Add(name, caption).OnClick = [this](TMenuItem& item) {
                log.push_back("menu " + item.Name());
            };
        }
        menu.Item(0).SetDefault(true);
    }
    void TearDown() override {
        tray.reset();
        DestroyIcon(appIcon);
    }
    void Post(unsigned code) {
        PostMessageW(tray->HandlerWindow(), TTrayIcon::kCallbackMessage, tray->CallbackId(), code);
    }
    // Keys queued before a menu opens drive its modal loop.
    void QueueMenuKeys(std::initializer_list<WPARAM> keys) {
        for (WPARAM key : keys) {
            PostMessageW(tray->HandlerWindow(), WM_KEYDOWN, key, 0);
        }
    }
    bool LogReaches(std::size_t n, DWORD timeoutMs = kEventTimeoutMs) {
        return PumpMessagesUntil([&] { return log.size() >= n; }, timeoutMs);
    }
};

TEST_F(TrayIconTest, AddsUpdatesAndRemovesItsIcon) {
    EXPECT_FALSE(tray->IconVisible());
    EXPECT_FALSE(ShellHasIcon(*tray));
    EXPECT_FALSE(tray->ModifyTrayIcon());  // nothing to modify yet

    tray->SetIconVisible(true);
    EXPECT_TRUE(tray->IconVisible());
    EXPECT_TRUE(ShellHasIcon(*tray));
    EXPECT_FALSE(tray->AddTrayIcon());  // already there
    tray->SetHint(std::string(200, 'h') + "\xC3\xA9");
    EXPECT_TRUE(tray->ModifyTrayIcon());

    tray->SetIconVisible(false);
    EXPECT_FALSE(ShellHasIcon(*tray));
}

TEST_F(TrayIconTest, DestructionRemovesTheIconAndIdentifiersStayDistinct) {
    TTrayIcon second;
    EXPECT_EQ(second.HandlerWindow(), tray->HandlerWindow());  // one shared handler window
    EXPECT_NE(second.CallbackId(), tray->CallbackId());
    tray->SetIconVisible(true);
    HWND window = tray->HandlerWindow();
    UINT id = tray->CallbackId();
    tray.reset();
    EXPECT_FALSE(ShellHasIcon(window, id));
    EXPECT_TRUE(IsWindow(window));  // still serves the second icon
}

TEST_F(TrayIconTest, HandlerWindowGoesWithTheLastIcon) {
    HWND window = tray->HandlerWindow();
    tray.reset();
    EXPECT_FALSE(IsWindow(window));
    tray = std::make_unique<TTrayIcon>();
    EXPECT_TRUE(IsWindow(tray->HandlerWindow()));
}

TEST_F(TrayIconTest, AStrayCloseLeavesTheHandlerServingTheIcon) {
    tray->SetIconVisible(true);
    HWND handler = tray->HandlerWindow();
    PostMessageW(handler, WM_CLOSE, 0, 0);
    test_support::PumpQueuedMessages();
    EXPECT_TRUE(IsWindow(handler));
    EXPECT_TRUE(ShellHasIcon(*tray));
    Post(WM_LBUTTONDOWN);
    Post(WM_LBUTTONUP);
    ASSERT_TRUE(LogReaches(3));
    EXPECT_EQ(log, (Log{"down L", "click", "up L"}));
}

TEST_F(TrayIconTest, WithoutDblClickHandlerEachClickComesAtRelease) {
    Post(WM_LBUTTONDOWN);
    Post(WM_LBUTTONUP);
    ASSERT_TRUE(LogReaches(3));
    EXPECT_EQ(log, (Log{"down L", "click", "up L"}));
}

TEST_F(TrayIconTest, WithDblClickHandlerASingleClickComesOneDoubleClickTimeLater) {
    tray->OnDblClick = [this](TTrayIcon&) { log.push_back("dblclick"); };
    DWORD pressed = GetTickCount();
    Post(WM_LBUTTONDOWN);
    Post(WM_LBUTTONUP);
    ASSERT_TRUE(LogReaches(2));
    EXPECT_EQ(log, (Log{"down L", "up L"}));
    ASSERT_TRUE(LogReaches(3));
    EXPECT_EQ(log.back(), "click");
    EXPECT_GE(GetTickCount() - pressed, GetDoubleClickTime() / 2);  // coarse sanity bound
}

TEST_F(TrayIconTest, DoubleClickRaisesOnlyDblClickAndClicksTheDefaultItem) {
    tray->SetPopupMenu(&menu);
    tray->OnDblClick = [this](TTrayIcon&) { log.push_back("dblclick"); };
    Post(WM_LBUTTONDOWN);
    Post(WM_LBUTTONUP);
    Post(WM_LBUTTONDBLCLK);
    Post(WM_LBUTTONUP);
    test_support::PumpQueuedMessages();
    // A timer of the single click's delay, started after the click's: timers fall due in the
    // order they were set, so once it ticks, a single click still pending would have come.
    bool delayPassed = false;
    TSimpleTimer witness(GetDoubleClickTime(), [&](TSimpleTimer&) { delayPassed = true; });
    witness.Start();
    ASSERT_TRUE(PumpMessagesUntil([&] { return delayPassed; }, kEventTimeoutMs));
    EXPECT_EQ(log, (Log{"down L", "up L", "dblclick", "menu Showglass1", "up L"}));
}

TEST_F(TrayIconTest, DefaultItemNeedsAnEnabledItemAndNoLeftPopup) {
    tray->SetPopupMenu(&menu);
    menu.Item(0).SetEnabled(false);
    Post(WM_LBUTTONDBLCLK);
    PumpMessagesFor(100);
    EXPECT_EQ(log, Log{});

    menu.Item(0).SetEnabled(true);
    tray->SetLeftPopup(true);
    Post(WM_LBUTTONDBLCLK);
    PumpMessagesFor(100);
    EXPECT_EQ(log, Log{});
}

TEST_F(TrayIconTest, RightPressOpensTheMenuAndRunsTheChosenItem) {
    tray->SetPopupMenu(&menu);
    Post(WM_RBUTTONDOWN);
    QueueMenuKeys({VK_DOWN, VK_DOWN, VK_RETURN});
    ASSERT_TRUE(LogReaches(2));
    Post(WM_RBUTTONUP);
    ASSERT_TRUE(LogReaches(3));
    EXPECT_EQ(log, (Log{"down R", "menu MenuOptions1", "up R"}));
}

TEST_F(TrayIconTest, LeftPopupOpensTheMenuOnALeftPress) {
    tray->SetPopupMenu(&menu);
    tray->SetLeftPopup(true);
    Post(WM_LBUTTONDOWN);
    QueueMenuKeys({VK_DOWN, VK_RETURN});
    ASSERT_TRUE(LogReaches(2));
    EXPECT_EQ(log, (Log{"down L", "menu Showglass1"}));
}

TEST_F(TrayIconTest, MenuWithoutAutoPopupStaysClosed) {
    tray->SetPopupMenu(&menu);
    menu.SetAutoPopup(false);
    Post(WM_RBUTTONDOWN);
    Post(WM_LBUTTONDBLCLK);
    PumpMessagesFor(100);
    EXPECT_EQ(log, Log{"down R"});
}

TEST_F(TrayIconTest, DisabledIconIgnoresTheMouseButReportsBalloons) {
    tray->SetPopupMenu(&menu);
    tray->SetEnabled(false);
    tray->OnBalloonHintShow = [this](TTrayIcon&) { log.push_back("balloon show"); };
    tray->OnBalloonHintClick = [this](TTrayIcon&) { log.push_back("balloon click"); };
    for (unsigned code : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN,
                          WM_RBUTTONUP, WM_MBUTTONDOWN}) {
        Post(code);
    }
    Post(NIN_BALLOONSHOW);
    Post(NIN_BALLOONUSERCLICK);
    ASSERT_TRUE(LogReaches(2));
    PumpMessagesFor(50);
    EXPECT_EQ(log, (Log{"balloon show", "balloon click"}));
}

TEST_F(TrayIconTest, CallbacksForUnknownIdentifiersAreIgnored) {
    PostMessageW(tray->HandlerWindow(), TTrayIcon::kCallbackMessage, tray->CallbackId() + 1000,
                 WM_LBUTTONUP);
    PumpMessagesFor(50);
    EXPECT_EQ(log, Log{});
}

TEST_F(TrayIconTest, HandlerThatFreesTheIconEndsTheSequence) {
    tray->OnClick = [this](TTrayIcon&) {
        log.push_back("click");
        tray.reset();
    };
    Post(WM_LBUTTONDOWN);
    Post(WM_LBUTTONUP);
    ASSERT_TRUE(PumpMessagesUntil([&] { return tray == nullptr; }, kEventTimeoutMs));
    PumpMessagesFor(50);
    EXPECT_EQ(log, (Log{"down L", "click"}));  // no "up L" from a freed icon
}

TEST_F(TrayIconTest, TaskbarBroadcastBringsBackAVisibleIconOnly) {
    TTrayIcon hidden;
    hidden.SetIcon(appIcon);
    tray->SetIconVisible(true);
    RemoveBehindItsBack(*tray);  // as a restarting shell loses every icon
    ASSERT_FALSE(ShellHasIcon(*tray));

    // A real broadcast: the handler window is a top-level window, so it hears it.
    PostMessageW(HWND_BROADCAST, TTrayIcon::TaskbarCreatedMessage(), 0, 0);
    EXPECT_TRUE(PumpMessagesUntil([&] { return ShellHasIcon(*tray); }, kEventTimeoutMs));
    EXPECT_FALSE(ShellHasIcon(hidden));
    EXPECT_FALSE(hidden.IconVisible());
}

struct CyclingTest : TrayIconTest {
    TImageList icons;
    void SetUp() override {
        TrayIconTest::SetUp();
        for (COLORREF c : {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(9, 9, 9)}) {
            HICON icon = MakeSolidIcon(c);
            icons.AddIcon(icon);
            DestroyIcon(icon);
        }
        tray->SetIconList(&icons);
    }
};

TEST_F(CyclingTest, IconIndexClampsToTheList) {
    tray->SetIconIndex(10);
    EXPECT_EQ(tray->IconIndex(), 3);
    tray->SetIconIndex(-2);
    EXPECT_EQ(tray->IconIndex(), 0);
    tray->SetIconList(nullptr);
    tray->SetIconIndex(2);
    EXPECT_EQ(tray->IconIndex(), 0);
}

TEST_F(CyclingTest, CyclesThroughTheListAndStopsOnIntervalZero) {
    std::vector<int> next;
    std::vector<int> shown;
    tray->OnCycle = [&](TTrayIcon& sender, int nextIndex) {
        next.push_back(nextIndex);
        shown.push_back(sender.IconIndex());
    };
    tray->SetIconVisible(true);
    tray->SetIconIndex(2);
    tray->SetCycleInterval(30);
    tray->SetCycleIcons(true);
    EXPECT_EQ(tray->IconIndex(), 0);  // cycling starts at the first icon
    ASSERT_TRUE(PumpMessagesUntil([&] { return next.size() >= 6; }, kEventTimeoutMs));
    EXPECT_EQ(std::vector<int>(next.begin(), next.begin() + 6),
              (std::vector<int>{1, 2, 3, 0, 1, 2}));
    EXPECT_EQ(std::vector<int>(shown.begin(), shown.begin() + 6),
              (std::vector<int>{0, 1, 2, 3, 0, 1}));
    EXPECT_TRUE(ShellHasIcon(*tray));

    tray->SetCycleInterval(0);
    EXPECT_TRUE(tray->CycleIcons());
    EXPECT_EQ(tray->IconIndex(), 0);
    std::size_t stoppedAt = next.size();
    PumpMessagesFor(200);
    EXPECT_EQ(next.size(), stoppedAt);
}

TEST_F(TrayIconTest, EnterOnceThenExitWhenThePointerLeaves) {
    tray->SetWantEnterExitEvents(true);
    tray->OnMouseEnter = [this](TTrayIcon&) { log.push_back("enter"); };
    tray->OnMouseExit = [this](TTrayIcon&) { log.push_back("exit"); };
    tray->OnMouseMove = [this](TTrayIcon&, TShiftState, int x, int y) {
        log.push_back("move " + std::to_string(x) + "," + std::to_string(y));
    };
    SetCursorPos(100, 120);
    Post(WM_MOUSEMOVE);
    Post(WM_MOUSEMOVE);
    ASSERT_TRUE(LogReaches(3));
    PumpMessagesFor(100);  // the pointer stays: no exit
    EXPECT_EQ(log, (Log{"enter", "move 100,120", "move 100,120"}));

    SetCursorPos(300, 300);
    ASSERT_TRUE(LogReaches(4));
    EXPECT_EQ(log.back(), "exit");
}

// A top-level window standing in for the main form.
struct TestForm : TrayOwnerForm {
    HWND window = CreateWindowExW(0, L"STATIC", L"tray owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40,
                                  40, 200, 120, nullptr, nullptr, nullptr, nullptr);
    ~TestForm() override { DestroyWindow(window); }
    HWND FormHandle() const override { return window; }
    void SetFormVisible(bool visible) override { ShowWindow(window, visible ? SW_SHOW : SW_HIDE); }
};

// The form outlives the icon: TearDown frees the icon before the fixture's members go.
struct OwnedTrayTest : TrayIconTest {
    TestForm form;
    void SetUp() override {
        TrayIconTest::SetUp();
        tray = std::make_unique<TTrayIcon>(&form);
        tray->SetIcon(appIcon);
    }
};

TEST_F(OwnedTrayTest, MinimisingWithAHandlerSendsTheFormToTheTray) {
    tray->SetMinimizeToTray(true);
    tray->OnMinimizeToTray = [this](TTrayIcon&) { log.push_back("to tray"); };

    EXPECT_EQ(SendMessageW(form.window, WM_SYSCOMMAND, SC_MINIMIZE, 0), 1);
    EXPECT_EQ(log, Log{"to tray"});
    EXPECT_FALSE(IsWindowVisible(form.window));
    EXPECT_FALSE(IsIconic(form.window));  // the minimise itself was taken over
    EXPECT_TRUE(tray->IconVisible());
    EXPECT_TRUE(ShellHasIcon(*tray));

    tray->RestoreMainForm();
    EXPECT_TRUE(IsWindowVisible(form.window));
}

TEST_F(OwnedTrayTest, WithoutAHandlerTheFormsOwnMinimiseSendsItToTheTray) {
    tray->SetMinimizeToTray(true);
    ShowWindow(form.window, SW_MINIMIZE);
    EXPECT_FALSE(IsWindowVisible(form.window));
    EXPECT_TRUE(tray->IconVisible());

    tray->RestoreMainForm();
    EXPECT_TRUE(IsWindowVisible(form.window));
    EXPECT_FALSE(IsIconic(form.window));
}

TEST_F(OwnedTrayTest, WithoutMinimizeToTrayAndAfterTheIconIsGoneMinimisingIsOrdinary) {
    tray->OnMinimizeToTray = [this](TTrayIcon&) { log.push_back("to tray"); };
    ShowWindow(form.window, SW_MINIMIZE);
    EXPECT_TRUE(IsIconic(form.window));
    EXPECT_TRUE(IsWindowVisible(form.window));
    EXPECT_FALSE(tray->IconVisible());
    ShowWindow(form.window, SW_RESTORE);

    tray->SetMinimizeToTray(true);
    tray.reset();  // removes its hook from the form
    SendMessageW(form.window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(form.window));
    EXPECT_EQ(log, Log{});
}

TEST_F(OwnedTrayTest, SendMainFormToTrayHidesTheFormAndRestoreShowsIt) {
    tray->SendMainFormToTray();
    EXPECT_FALSE(IsWindowVisible(form.window));
    tray->RestoreMainForm();
    EXPECT_TRUE(IsWindowVisible(form.window));
    tray->HideApplicationButton();
    EXPECT_FALSE(IsWindowVisible(form.window));
}

}  // namespace
}  // namespace lenzor
