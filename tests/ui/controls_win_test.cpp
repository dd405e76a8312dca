// The Win32 peers on real windows: the controls show the model's state and follow its changes,
// the layout scales with the DPI, the dialog keys work, and the user's input reaches the model.
#include "gallery_form.h"
#include "message_pump_win.h"
#include "ui/dialog_keys_win.h"
#include "ui/form_peer_win.h"
#include "ui/graphic_peers_win.h"
#include "ui/peer_factory_win.h"
#include "win/unicode_win.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace lenzor {
namespace {

using test_support::GalleryForm;
using test_support::PumpMessagesFor;
using test_support::PumpMessagesUntil;

HWND Hwnd(const TControl& control) {
    return WinPeer::Of(&control)->Handle();
}

std::string Text(HWND hwnd) {
    wchar_t buffer[4096] = {};
    GetWindowTextW(hwnd, buffer, 4096);
    return Narrow(buffer);
}

// The window's rectangle in its parent's client coordinates.
RECT ChildRect(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::string TabText(HWND tabs, int index) {
    wchar_t buffer[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = 64;
    SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return Narrow(buffer);
}

std::string ToolText(const FormPeer& form, HWND tool) {
    wchar_t buffer[256] = {};
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = form.Handle();
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = buffer;
    SendMessageW(form.ToolTipHandle(), TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&info));
    return Narrow(buffer);
}

LONG FontHeight(HWND hwnd) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)), sizeof(font), &font);
    return std::abs(font.lfHeight);
}

// A key as the message loop sees it, with the given modifiers held.
void PressKey(WPARAM key, std::initializer_list<int> held = {}) {
    BYTE state[256] = {};
    for (int k : held) {
        state[k] = 0x80;
    }
    SetKeyboardState(state);
    for (UINT message : {WM_KEYDOWN, WM_KEYUP}) {
        MSG msg{};
        msg.hwnd = GetFocus();
        msg.message = message;
        msg.wParam = key;
        // The hot-key control reads the key's scan code.
        msg.lParam = static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(key), 0)) << 16 |
                     (message == WM_KEYDOWN ? 1 : 0xC0000001);
        if (!PreTranslateDialogMessage(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    BYTE none[256] = {};
    SetKeyboardState(none);
    PumpMessagesFor(0);
}

std::string FocusedName() {
    WinPeer* peer = WinPeer::FromWindow(GetFocus());
    return peer ? peer->Control().Name() : "(none)";
}

struct ControlsWinTest : ::testing::Test {
    std::unique_ptr<GalleryForm> gallery = std::make_unique<GalleryForm>();
    GalleryForm& g = *gallery;
    std::vector<std::string> events;

    void SetUp() override {
        g.form.CreateHandle(Win32Peers());
        g.form.Show();
        SetForegroundWindow(Hwnd(g.form));
        // The keyboard tests need the form active; the system makes it so in its own time.
        ASSERT_TRUE(PumpMessagesUntil(
            [&] {
                return GetForegroundWindow() == Hwnd(g.form) && GetActiveWindow() == Hwnd(g.form);
            },
            test_support::kEventTimeoutMs));
    }
    TNotifyEvent Record(std::string what) {
        return [this, what](TComponent&) { events.push_back(what); };
    }
    FormPeer& Form() { return *dynamic_cast<FormPeer*>(g.form.Peer()); }
};

TEST_F(ControlsWinTest, RealControlsShowTheModel) {
    const std::pair<TControl*, std::string> texts[] = {
        {&g.form, "Lenzor control gallery"},
        {g.BOK, "OK"},
        {g.LabelWebAdress, "www.lenzor.example"},
        {g.GroupBox1, " Start "},
        {g.CBAutoRunApp, "Run application on Windows startup"},
        {g.EUpdateTimeS, "0.1"},
        {g.SELZSizeH, "150"},
        {g.CBLZZoomFactor, "2"},
        {g.CBLZContrast, "Fixed gamma (CPU max)"},
        {g.outCBLanguage, "Русский"},
    };
    for (const auto& [control, text] : texts) {
        EXPECT_EQ(Text(Hwnd(*control)), text) << control->Name();
    }
    const std::string memo = Text(Hwnd(*g.outMemo1));
    EXPECT_EQ(memo.substr(0, 14), "Lenzor 1.0\r\n\r\n");
    EXPECT_EQ(memo.substr(memo.size() - 16), "Line 29\r\nLine 30");
    EXPECT_TRUE(GetWindowLongPtrW(Hwnd(*g.outMemo1), GWL_STYLE) & (ES_READONLY | WS_VSCROLL));

    EXPECT_EQ(SendMessageW(Hwnd(*g.CBSwitchToGlassAfterRun), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(Hwnd(*g.CBAutoRunApp), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageW(Hwnd(*g.CBLZZoomFactor), CB_GETCOUNT, 0, 0), 15);
    EXPECT_EQ(SendMessageW(Hwnd(*g.CBLZContrast), CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(SendMessageW(Hwnd(*g.outCBLanguage), CB_GETCURSEL, 0, 0), 2);

    HWND brightness = Hwnd(*g.TrackBarBrightness);
    EXPECT_EQ(SendMessageW(brightness, TBM_GETRANGEMIN, 0, 0), -255);
    EXPECT_EQ(SendMessageW(brightness, TBM_GETRANGEMAX, 0, 0), 255);
    EXPECT_EQ(SendMessageW(brightness, TBM_GETPOS, 0, 0), -207);
    EXPECT_EQ(SendMessageW(brightness, TBM_GETNUMTICS, 0, 0), 511);  // a mark at every step
    EXPECT_TRUE(GetWindowLongPtrW(Hwnd(*g.TrackBarLZAlpha), GWL_STYLE) & TBS_NOTICKS);
    EXPECT_EQ(SendMessageW(Hwnd(*g.HotKey1), HKM_GETHOTKEY, 0, 0),
              MAKEWORD('G', HOTKEYF_CONTROL | HOTKEYF_ALT));

    // The run-time page moved to the front is the first tab.
    HWND tabs = Hwnd(*g.PageControl1);
    ASSERT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 4);
    std::vector<std::string> order;
    for (int i = 0; i < 4; ++i) {
        order.push_back(TabText(tabs, i));
    }
    EXPECT_EQ(order,
              (std::vector<std::string>{"General", "Basic options", "Advanced options", "About"}));
    EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 0);
    EXPECT_TRUE(IsWindowVisible(Hwnd(*g.FSheetGeneral)));
    EXPECT_FALSE(IsWindowVisible(Hwnd(*g.TabSheet3)));

    EXPECT_EQ(SendMessageW(Form().ToolTipHandle(), TTM_GETTOOLCOUNT, 0, 0), 2);
    EXPECT_EQ(ToolText(Form(), Hwnd(*g.PaintBox1)), "Visit the Lenzor web site");

    // Stacking: a later control lies over an earlier one it overlaps, graphic controls
    // beneath windowed ones; links show the hand.
    auto topmostAt = [](const TControl& control) {
        const RECT r = ChildRect(Hwnd(control));
        const POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        return ChildWindowFromPointEx(GetParent(Hwnd(control)), centre, CWP_SKIPINVISIBLE);
    };
    EXPECT_EQ(topmostAt(*g.PaintBox1), Hwnd(*g.PaintBox1));
    EXPECT_EQ(topmostAt(*g.CBLZPreview), Hwnd(*g.CBLZPreview));
    EXPECT_EQ(topmostAt(*g.CBLZContrast), Hwnd(*g.CBLZContrast));  // over its bevel
    for (auto [control, hand] : {std::pair<TControl*, bool>{g.LabelWebAdress, true},
                                 {g.PaintBox1, true},
                                 {g.BOK, false}}) {
        const LRESULT handled = SendMessageW(GetParent(Hwnd(*control)), WM_SETCURSOR,
                                             reinterpret_cast<WPARAM>(Hwnd(*control)),
                                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(handled != 0, hand) << control->Name();
        if (hand) {
            EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND)) << control->Name();
        }
    }
}

TEST_F(ControlsWinTest, RealControlsFollowTheModel) {
    g.BOK->SetCaption("Apply");
    g.CBLZContrast->Items().Add("Fifth");
    g.CBAutoRunApp->SetChecked(true);
    g.HotKey1->SetHotKey(scShift | VK_F5);
    g.BCancel->SetEnabled(false);
    g.PaintBox1->Hide();
    g.CBTakeCoordsFromPreview->SetHint("");
    g.PaintBox1->SetHint("Elsewhere");
    g.FSheetAbout->SetCaption("Info");
    g.FSheetAbout->SetPageIndex(1);
    g.GroupBox3->SetParent(g.TabSheet4);  // moved at run time, children and all
    g.CBLZZoomFactor->SetItemIndex(3);
    g.CBLZZoomFactor->SetStyle(TComboBoxStyle::csDropDownList);  // a new window

    EXPECT_EQ(Text(Hwnd(*g.BOK)), "Apply");
    EXPECT_EQ(SendMessageW(Hwnd(*g.CBLZContrast), CB_GETCOUNT, 0, 0), 5);
    EXPECT_EQ(SendMessageW(Hwnd(*g.CBAutoRunApp), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(Hwnd(*g.HotKey1), HKM_GETHOTKEY, 0, 0), MAKEWORD(VK_F5, HOTKEYF_SHIFT));
    EXPECT_FALSE(IsWindowEnabled(Hwnd(*g.BCancel)));
    EXPECT_FALSE(IsWindowVisible(Hwnd(*g.PaintBox1)));
    EXPECT_EQ(SendMessageW(Form().ToolTipHandle(), TTM_GETTOOLCOUNT, 0, 0), 1);
    EXPECT_EQ(ToolText(Form(), Hwnd(*g.PaintBox1)), "Elsewhere");
    EXPECT_EQ(TabText(Hwnd(*g.PageControl1), 1), "Info");
    HWND zoom = Hwnd(*g.CBLZZoomFactor);
    EXPECT_EQ(GetWindowLongPtrW(zoom, GWL_STYLE) & 3, CBS_DROPDOWNLIST);
    EXPECT_EQ(SendMessageW(zoom, CB_GETCOUNT, 0, 0), 15);
    EXPECT_EQ(SendMessageW(zoom, CB_GETCURSEL, 0, 0), 3);
    EXPECT_EQ(GetParent(zoom), Hwnd(*g.TabSheet3));
    EXPECT_EQ(GetParent(Hwnd(*g.GroupBox3)), Hwnd(*g.TabSheet4));
    EXPECT_EQ(GetParent(Hwnd(*g.TrackBarLZAlpha)), Hwnd(*g.GroupBox3));
}

TEST_F(ControlsWinTest, LayoutScalesWithTheDpi) {
    ASSERT_EQ(Form().FormDpi(), 96u);  // the test prefix's screen
    auto expectRect = [](HWND hwnd, RECT expected, const char* what) {
        const RECT r = ChildRect(hwnd);
        EXPECT_EQ(r.left, expected.left) << what;
        EXPECT_EQ(r.top, expected.top) << what;
        EXPECT_EQ(r.right, expected.right) << what;
        EXPECT_EQ(r.bottom, expected.bottom) << what;
    };
    auto expectTabsAboveSheet = [&] {
        RECT tab;
        SendMessageW(Hwnd(*g.PageControl1), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tab));
        EXPECT_LE(tab.bottom, ChildRect(Hwnd(*g.FSheetGeneral)).top);
    };
    expectRect(Hwnd(*g.BOK), {360, 6, 435, 30}, "OK at 96 DPI");
    expectRect(Hwnd(*g.Image1), {0, 0, 109, 350}, "strip at 96 DPI");
    expectTabsAboveSheet();
    const LONG fontBefore = FontHeight(Hwnd(*g.BOK));

    // The monitor changes to 144 DPI: Windows suggests a window 1.5 times as large.
    RECT suggested{0, 0, 785, 579};
    AdjustWindowRectEx(&suggested, GetWindowLongW(Hwnd(g.form), GWL_STYLE), FALSE,
                       GetWindowLongW(Hwnd(g.form), GWL_EXSTYLE));
    OffsetRect(&suggested, 10 - suggested.left, 10 - suggested.top);
    SendMessageW(Hwnd(g.form), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));

    EXPECT_EQ(Form().FormDpi(), 144u);
    RECT client;
    GetClientRect(Hwnd(g.form), &client);
    EXPECT_EQ(client.right, 785);
    EXPECT_EQ(client.bottom, 579);
    expectRect(Hwnd(*g.BOK), {540, 9, 653, 45}, "OK at 144 DPI");
    expectRect(Hwnd(*g.Image1), {0, 0, 164, 525}, "strip at 144 DPI");
    expectRect(Hwnd(*g.CBAutoRunApp), {18, 33, 558, 62}, "check box in its group box");
    expectTabsAboveSheet();
    EXPECT_NEAR(FontHeight(Hwnd(*g.BOK)), fontBefore * 1.5, 1.0);
    EXPECT_EQ(FontHeight(Hwnd(*g.CBAutoRunApp)), FontHeight(Hwnd(*g.BOK)));
}

// Each opening centres the form on the work area of the pointer's monitor, wherever the user
// had moved it.
TEST_F(ControlsWinTest, EachOpeningCentresTheFormOnThePointersWorkArea) {
    SetCursorPos(5, 5);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromPoint({5, 5}, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    for (int opening = 0; opening < 2; ++opening) {
        RECT r;
        GetWindowRect(Hwnd(g.form), &r);
        EXPECT_EQ(r.left, (work.left + work.right - (r.right - r.left)) / 2) << opening;
        EXPECT_EQ(r.top, (work.top + work.bottom - (r.bottom - r.top)) / 2) << opening;
        SetWindowPos(Hwnd(g.form), nullptr, 3, 4, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        g.form.SetVisible(false);
        g.form.SetVisible(true);
    }
}

TEST_F(ControlsWinTest, DialogKeysMoveFocusPressButtonsAndTurnPages) {
    int ok = 0;
    int cancel = 0;
    g.BOK->OnClick = [&](TComponent&) { ++ok; };
    g.BCancel->OnClick = [&](TComponent&) { ++cancel; };
    g.PageControl1->OnChange = Record("change");

    g.BOK->SetFocus();
    std::vector<std::string> order{FocusedName()};
    for (int i = 0; i < 8; ++i) {
        PressKey(VK_TAB);
        order.push_back(FocusedName());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"BOK", "BCancel", "PageControl1", "CBAutoRunApp",
                                               "CBSwitchToGlassAfterRun", "outCBLanguage",
                                               "HotKey1", "CBLZPreview", "BOK"}));
    PressKey(VK_TAB, {VK_SHIFT});
    EXPECT_EQ(FocusedName(), "CBLZPreview");
    EXPECT_EQ(g.form.ActiveControl(), g.CBLZPreview);

    g.CBAutoRunApp->SetFocus();
    PressKey(VK_TAB, {VK_CONTROL});
    EXPECT_EQ(g.PageControl1->ActivePageIndex(), 1);
    EXPECT_EQ(SendMessageW(Hwnd(*g.PageControl1), TCM_GETCURSEL, 0, 0), 1);
    EXPECT_TRUE(IsWindowVisible(Hwnd(*g.TabSheet3)));
    EXPECT_EQ(FocusedName(), "PageControl1");  // its control went with the page
    PressKey(VK_TAB, {VK_CONTROL, VK_SHIFT});
    PressKey(VK_TAB, {VK_CONTROL, VK_SHIFT});  // wraps to the last page
    EXPECT_EQ(g.PageControl1->ActivePageIndex(), 3);
    EXPECT_EQ(events, (std::vector<std::string>{"change", "change", "change"}));

    g.outMemo1->SetFocus();  // a read-only memo leaves Enter and Esc to the dialog
    PressKey(VK_RETURN);
    EXPECT_EQ(ok, 1);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(cancel, 1);
    g.BCancel->SetFocus();  // a focused button takes Enter itself
    PressKey(VK_RETURN);
    EXPECT_EQ(cancel, 2);
    EXPECT_EQ(ok, 1);
    g.BOK->SetEnabled(false);
    g.outMemo1->SetFocus();
    PressKey(VK_RETURN);
    EXPECT_EQ(ok, 1);
}

TEST_F(ControlsWinTest, UserInputReachesTheModel) {
    g.CBAutoRunApp->OnClick = Record("check");
    SendMessageW(Hwnd(*g.CBAutoRunApp), BM_CLICK, 0, 0);
    EXPECT_TRUE(g.CBAutoRunApp->Checked());
    EXPECT_EQ(SendMessageW(Hwnd(*g.CBAutoRunApp), BM_GETCHECK, 0, 0), BST_CHECKED);

    HWND contrast = Hwnd(*g.CBLZContrast);
    g.CBLZContrast->OnClick = Record("click");
    g.CBLZContrast->OnSelect = Record("select");
    SendMessageW(contrast, CB_SETCURSEL, 3, 0);
    SendMessageW(GetParent(contrast), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(contrast), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(contrast));
    EXPECT_EQ(g.CBLZContrast->ItemIndex(), 3);
    EXPECT_EQ(g.CBLZContrast->Text(), "Broken TV (CPU max)");

    g.CBLZZoomFactor->OnChange = Record("zoom typed");
    COMBOBOXINFO zoom{};
    zoom.cbSize = sizeof(zoom);
    GetComboBoxInfo(Hwnd(*g.CBLZZoomFactor), &zoom);
    g.CBLZZoomFactor->SetFocus();
    SendMessageW(zoom.hwndItem, EM_SETSEL, 0, -1);
    SendMessageW(zoom.hwndItem, WM_CHAR, '5', 1);
    EXPECT_EQ(g.CBLZZoomFactor->Text(), "5");

    g.PageControl1->OnChange = Record("page");
    HWND tabs = Hwnd(*g.PageControl1);
    SendMessageW(tabs, TCM_SETCURSEL, 2, 0);
    NMHDR header{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(GetParent(tabs), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(g.PageControl1->ActivePage(), g.TabSheet4);
    EXPECT_TRUE(IsWindowVisible(Hwnd(*g.TabSheet4)));
    EXPECT_EQ(events, (std::vector<std::string>{"check", "click", "select", "zoom typed", "page"}));

    // Typed beyond the range: kept while typing, clamped when the focus moves on.
    HWND offset = Hwnd(*g.SELZCornerTrackOffset);
    g.SELZCornerTrackOffset->SetFocus();
    SetWindowTextW(offset, L"500");
    EXPECT_EQ(g.SELZCornerTrackOffset->Text(), "500");
    g.Button1->SetFocus();
    EXPECT_EQ(g.SELZCornerTrackOffset->Text(), "100");
    EXPECT_EQ(Text(offset), "100");
    g.SELZCornerTrackOffset->SetFocus();
    PressKey(VK_DOWN);  // the up-down's arrow keys
    EXPECT_EQ(g.SELZCornerTrackOffset->Value(), 99);

    HWND brightness = Hwnd(*g.TrackBarBrightness);
    SendMessageW(brightness, TBM_SETPOS, TRUE, 100);
    SendMessageW(GetParent(brightness), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 100),
                 reinterpret_cast<LPARAM>(brightness));
    EXPECT_EQ(g.TrackBarBrightness->Position(), 100);

    g.PageControl1->SetActivePage(g.FSheetGeneral);
    g.HotKey1->SetFocus();
    PressKey('K');  // typed without a modifier: Ctrl+Alt+K
    EXPECT_EQ(g.HotKey1->HotKey(), scCtrl | scAlt | 'K');

    int links = 0;
    g.PaintBox1->OnClick = [&](TComponent&) { ++links; };
    g.LabelWebAdress->OnClick = [&](TComponent&) { ++links; };
    for (HWND link : {Hwnd(*g.PaintBox1), Hwnd(*g.LabelWebAdress)}) {
        SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }
    EXPECT_EQ(links, 2);

    bool mayClose = false;
    g.form.OnCloseQuery = [&](TComponent&, bool& canClose) { canClose = mayClose; };
    SendMessageW(Hwnd(g.form), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindowVisible(Hwnd(g.form)));
    mayClose = true;
    SendMessageW(Hwnd(g.form), WM_CLOSE, 0, 0);
    EXPECT_FALSE(g.form.Visible());
    EXPECT_FALSE(IsWindowVisible(Hwnd(g.form)));
}

TEST(PictureWin, StretchesAndLeavesOutTheBottomLeftColour) {
    Bitmap24 picture(2, 2);
    picture.SetPixelColor(0, 0, 0x0000FF);
    picture.SetPixelColor(1, 0, 0x00FF00);
    picture.SetPixelColor(0, 1, 0xFF00FF);  // bottom left: the transparent colour
    picture.SetPixelColor(1, 1, 0xFF0000);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 4, -4, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP target = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, target);
    auto at = [&](int x, int y) { return GetPixel(dc, x, y); };
    for (bool transparent : {false, true}) {
        RECT all{0, 0, 4, 4};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        PaintPicture(dc, picture, all, transparent);
        EXPECT_EQ(at(1, 1), RGB(255, 0, 0));
        EXPECT_EQ(at(2, 1), RGB(0, 255, 0));
        EXPECT_EQ(at(3, 3), RGB(0, 0, 255));
        EXPECT_EQ(at(0, 2), transparent ? RGB(128, 128, 128) : RGB(255, 0, 255)) << transparent;
    }
    SelectObject(dc, old);
    DeleteObject(target);
    DeleteDC(dc);
}

TEST_F(ControlsWinTest, EffectImageShowsItsEffectsAndFollowsThePointer) {
    HWND strip = Hwnd(*g.Image1);
    Bitmap24 red(20, 20);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            red.SetPixelColor(x, y, 0x0000FF);
        }
    }
    g.Image1->SetStretch(false);
    g.Image1->SetPictureOriginal(red);
    g.Image1->SetPicInvert(true);
    UpdateWindow(strip);
    HDC dc = GetDC(strip);
    EXPECT_EQ(GetPixel(dc, 5, 5), RGB(0, 255, 255));  // red, inverted
    ReleaseDC(strip, dc);

    g.Image1->OnMouseEnter = Record("enter");
    g.Image1->OnMouseExit = Record("exit");
    SendMessageW(strip, WM_MOUSEMOVE, 0, MAKELPARAM(2, 3));
    EXPECT_TRUE(g.Image1->MouseInside());
    SendMessageW(strip, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(g.Image1->MouseInside());
    EXPECT_EQ(events, (std::vector<std::string>{"enter", "exit"}));
}

TEST_F(ControlsWinTest, AFormDestroyedByItsOwnButtonGoesAfterTheClick) {
    HWND form = Hwnd(g.form);
    HWND cancel = Hwnd(*g.BCancel);
    g.BCancel->OnClick = [this](TComponent&) { gallery.reset(); };
    SendMessageW(cancel, BM_CLICK, 0, 0);
    ASSERT_EQ(gallery, nullptr);
    EXPECT_FALSE(IsWindowVisible(form));
    EXPECT_TRUE(PumpMessagesUntil([&] { return !IsWindow(form); }, 5000));
    EXPECT_FALSE(IsWindow(cancel));
}

}  // namespace
}  // namespace lenzor
