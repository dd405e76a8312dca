// The clipboard on Win32 under Wine: a lens picture put there reads back as the CF_DIB of what
// the lens shows on screen, a colour as text; a clipboard another thread holds open makes the
// put give up and leaves the clipboard as it was.
#include "app/clipboard_win.h"

#include "../lens/screen_test_helpers_win.h"
#include "lens/lens_system_win.h"
#include "lens/lens_window_win.h"
#include "lens/lenzor.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>

namespace lenzor {
namespace {

class OwnerWindow : public NativeWindow {
public:
    OwnerWindow() { CreateNativeWindow(CreateParams{L"LenzorClipboardTestOwner"}); }
};

// The CF_DIB on the clipboard as a picture; empty when there is none of 24 bits.
Bitmap24 ClipboardDib() {
    Bitmap24 picture;
    if (!OpenClipboard(nullptr)) {
        return picture;
    }
    HANDLE data = GetClipboardData(CF_DIB);
    if (const auto* info =
            data ? static_cast<const BITMAPINFOHEADER*>(GlobalLock(data)) : nullptr) {
        if (info->biBitCount == 24 && info->biCompression == BI_RGB && info->biHeight > 0) {
            picture.SetSize(info->biWidth, info->biHeight);
            const auto* rows = reinterpret_cast<const uint8_t*>(info) + info->biSize;
            for (int y = 0; y < picture.Height(); ++y) {
                const uint8_t* row = rows + (picture.Height() - 1 - y) * picture.Stride();
                std::copy(row, row + 3 * picture.Width(), picture.Row(y));
            }
        }
        GlobalUnlock(data);
    }
    CloseClipboard();
    return picture;
}

std::wstring ClipboardText() {
    std::wstring text;
    if (OpenClipboard(nullptr)) {
        HANDLE data = GetClipboardData(CF_UNICODETEXT);
        if (const auto* chars = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr) {
            text = chars;
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    return text;
}

TEST(ClipboardWinTest, TheLensPictureReadsBackAsTheDibOfWhatTheLensShows) {
    OwnerWindow owner;
    const Bitmap24 pattern = test::MakePattern(240, 200);
    test::PictureWindow screen(pattern, 500, 300);
    SetCursorPos(600, 400);
    LensSystemWin system;
    TLenzor lens(system, std::make_unique<LensWindowWin>());
    lens.SetHoldPosition(true);  // away from the grab
    lens.SetAlpha(255);
    lens.SetZoomFactor(3);
    lens.LensForm().Move(20, 20);
    lens.SetShown(true);
    lens.UpdateLens(false);
    const Bitmap24 picture = lens.Picture();
    const Bitmap24 shot = test::ShotWhen(lens.LensForm().Bounds(), [&](const Bitmap24& s) {
        return test::Crop(s, 4, 4, 242, 242) == picture;
    });
    ASSERT_EQ(test::Crop(shot, 4, 4, 242, 242), picture) << "the lens shows its picture";

    ASSERT_TRUE(PutPictureOnClipboard(owner.Handle(), picture));
    EXPECT_EQ(ClipboardDib(), test::Crop(shot, 4, 4, 242, 242));
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
        test::PumpMessagesFor(10);
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
}  // namespace lenzor
