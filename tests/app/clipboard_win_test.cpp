// The clipboard on Win32 under Wine: a lens picture put there reads back as the CF_DIB of what
// the lens shows on screen, a colour as text; a clipboard another thread holds open makes the
// put give up and leaves the clipboard as it was.
#include "app/clipboard_win.h"

#include "../lens/screen_test_helpers_win.h"
#include "../ui/message_pump_win.h"
#include "dib_reader.h"
#include "lens/lens_system_win.h"
#include "lens/lens_window_win.h"
#include "lens/lenzor.h"

#include <gtest/gtest.h>

#include <thread>

namespace lenzor::testing {
namespace {

class OwnerWindow : public NativeWindow {
public:
    OwnerWindow() { CreateNativeWindow(CreateParams{L"LenzorClipboardTestOwner"}); }
};

// The clipboard's data of that format as the bytes it holds.
std::vector<uint8_t> ClipboardBytes(UINT format) {
    std::vector<uint8_t> bytes;
    if (OpenClipboard(nullptr)) {
        HANDLE data = GetClipboardData(format);
        if (const auto* p = data ? static_cast<const uint8_t*>(GlobalLock(data)) : nullptr) {
            bytes.assign(p, p + GlobalSize(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    return bytes;
}

std::wstring ClipboardText() {
    const std::vector<uint8_t> bytes = ClipboardBytes(CF_UNICODETEXT);
    return bytes.empty() ? L"" : reinterpret_cast<const wchar_t*>(bytes.data());
}

TEST(ClipboardWinTest, TheLensPictureReadsBackAsTheDibOfWhatTheLensShows) {
    OwnerWindow owner;
    test::PictureWindow screen(test::MakePattern(240, 200), 500, 300);
    SetCursorPos(600, 400);
    LensSystemWin system;
    TLenzor lens(system, std::make_unique<LensWindowWin>());
    lens.SetHoldPosition(true);  // away from the grab
    lens.SetAlpha(255);
    lens.SetZoomFactor(3);
    lens.LensForm().Move(20, 20);
    lens.SetShown(true);
    lens.UpdateLens(false);
    const auto shown = [&](const Bitmap24& shot) { return test::Crop(shot, 4, 4, 242, 242); };
    const Bitmap24 shot = test::WaitForScreen(
        lens.LensForm().Bounds(), [&](const Bitmap24& s) { return shown(s) == lens.Picture(); });
    ASSERT_EQ(shown(shot), lens.Picture()) << "the lens shows its picture";

    ASSERT_TRUE(PutPictureOnClipboard(owner.Handle(), lens.Picture()));
    EXPECT_EQ(ReadDib(ClipboardBytes(CF_DIB)), shown(shot));
    EXPECT_TRUE(IsClipboardFormatAvailable(RegisterClipboardFormatW(L"PNG")));

    ASSERT_TRUE(PutTextOnClipboard(owner.Handle(), "#12AB9F"));
    EXPECT_EQ(ClipboardText(), L"#12AB9F");
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_DIB)) << "the text replaces the picture";
}

TEST(ClipboardWinTest, AClipboardHeldOpenElsewhereIsLeftAsItWas) {
    OwnerWindow owner;
    ASSERT_TRUE(PutTextOnClipboard(owner.Handle(), "before"));
    HANDLE opened = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([&] {
        OwnerWindow other;
        const bool open = OpenClipboard(other.Handle()) != FALSE;
        SetEvent(opened);
        WaitForSingleObject(release, 30000);
        if (open) {
            CloseClipboard();
        }
    });
    // Opening the clipboard may send to its owner's window: this thread keeps pumping.
    while (MsgWaitForMultipleObjects(1, &opened, FALSE, 30000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
        test_support::PumpMessagesFor(10);
    }
    EXPECT_FALSE(PutPictureOnClipboard(owner.Handle(), test::MakePattern(20, 10)));
    EXPECT_FALSE(PutTextOnClipboard(owner.Handle(), "after"));
    SetEvent(release);
    holder.join();
    CloseHandle(opened);
    CloseHandle(release);
    EXPECT_EQ(ClipboardText(), L"before");
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_DIB));
}

}  // namespace
}  // namespace lenzor::testing
