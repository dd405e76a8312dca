// The Win32 side of menus and icons: the popup menu built from menu data, choosing from it with
// the keyboard, and icons and image lists that own their copies.
#include "message_pump_win.h"
#include "ui/image_list_win.h"
#include "ui/popup_menu_win.h"
#include "win/unicode_win.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lenzor {
namespace {

std::string MenuText(HMENU menu, UINT position) {
    wchar_t buffer[128] = {};
    GetMenuStringW(menu, position, buffer, 128, MF_BYPOSITION);
    return Narrow(buffer);
}

UINT MenuState(HMENU menu, UINT position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STATE | MIIM_FTYPE;
    GetMenuItemInfoW(menu, position, TRUE, &info);
    return info.fState | info.fType;
}

struct TrayMenu {
    TPopupMenu menu{"PopupMenuTray"};
    std::vector<std::string> clicks;
    TrayMenu() {
        for (auto [name, caption] : {std::pair{"Showglass1", "Show glass"},
                                     {"MenuOptions1", "Options..."},
                                     {"N1", "-"},
                                     {"Exit1", "Exit"}}) {
            menu.Add(name, caption).OnClick = [this](TMenuItem& s) { clicks.push_back(s.Name()); };
        }
        menu.Item(0).SetDefault(true);
        menu.Item(0).SetShortCut(49223);
    }
};

TEST(PopupMenuWin, MirrorsTheItems) {
    TrayMenu tray;
    tray.menu.Item(0).SetChecked(true);
    tray.menu.Item(1).SetEnabled(false);
    HMENU handle = BuildPopupMenuHandle(tray.menu);
    ASSERT_NE(handle, nullptr);

    EXPECT_EQ(GetMenuItemCount(handle), 4);
    EXPECT_EQ(MenuText(handle, 0), "Show glass\tCtrl+Alt+G");
    EXPECT_EQ(MenuText(handle, 1), "Options...");
    EXPECT_TRUE(MenuState(handle, 0) & MFS_CHECKED);
    EXPECT_TRUE(MenuState(handle, 0) & MFS_DEFAULT);
    EXPECT_TRUE(MenuState(handle, 1) & MFS_GRAYED);
    EXPECT_FALSE(MenuState(handle, 3) & (MFS_GRAYED | MFS_CHECKED));
    EXPECT_TRUE(MenuState(handle, 2) & MFT_SEPARATOR);
    EXPECT_EQ(GetMenuDefaultItem(handle, TRUE, 0), 0u);
    EXPECT_EQ(GetMenuItemID(handle, 3), 4u);
    DestroyMenu(handle);
}

struct PopupTrackTest : ::testing::Test {
    HWND owner = nullptr;
    void SetUp() override {
        owner = CreateWindowExW(0, L"STATIC", L"menu owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                nullptr, nullptr, nullptr, nullptr);
        SetForegroundWindow(owner);
    }
    void TearDown() override { DestroyWindow(owner); }
    // Keys already queued when the menu opens drive its modal loop.
    void QueueKeys(std::initializer_list<WPARAM> keys) {
        for (WPARAM key : keys) {
            PostMessageW(owner, WM_KEYDOWN, key, 0);
        }
    }
};

TEST_F(PopupTrackTest, ChosenItemIsClickedAndReturned) {
    TrayMenu tray;
    // Down, down, down: the separator is skipped, so the third stop is "Exit".
    QueueKeys({VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_EQ(TrackPopupMenuAt(tray.menu, owner, POINT{20, 20}), 3);
    EXPECT_EQ(tray.clicks, std::vector<std::string>{"Exit1"});
}

TEST_F(PopupTrackTest, DismissedMenuClicksNothing) {
    TrayMenu tray;
    QueueKeys({VK_DOWN, VK_ESCAPE});
    EXPECT_EQ(TrackPopupMenuAt(tray.menu, owner, POINT{20, 20}), -1);
    EXPECT_TRUE(tray.clicks.empty());
}

TEST(IconWin, KeepsItsOwnCopy) {
    HICON source = test_support::MakeSolidIcon(RGB(255, 0, 0));
    TIcon icon;
    EXPECT_TRUE(icon.Empty());
    ASSERT_TRUE(icon.Assign(source));
    DestroyIcon(source);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon.Handle(), &info));  // still valid after the source is gone
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);

    TIcon moved = std::move(icon);
    EXPECT_TRUE(icon.Empty());
    EXPECT_FALSE(moved.Empty());
    EXPECT_TRUE(moved.Assign(nullptr));
    EXPECT_TRUE(moved.Empty());
}

TEST(ImageListWin, HandsOutIconsByIndex) {
    TImageList list;
    for (COLORREF c : {RGB(255, 0, 0), RGB(0, 255, 0)}) {
        HICON icon = test_support::MakeSolidIcon(c);
        EXPECT_TRUE(list.AddIcon(icon));
        DestroyIcon(icon);
    }
    EXPECT_FALSE(list.AddIcon(nullptr));
    ASSERT_EQ(list.Count(), 2);
    EXPECT_NE(list.Icon(0), nullptr);
    EXPECT_NE(list.Icon(0), list.Icon(1));
    EXPECT_EQ(list.Icon(-1), nullptr);
    EXPECT_EQ(list.Icon(2), nullptr);
}

}  // namespace
}  // namespace lenzor
