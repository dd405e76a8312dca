#include "app/clipboard_win.h"

#include "app/clipboard_formats.h"
#include "win/unicode_win.h"

#include <cstring>
#include <utility>
#include <vector>

namespace lenzor {
namespace {

// About 200 ms in all: long enough for a clipboard viewer or manager to finish reading, short
// enough that the hot key does not seem to hang.
constexpr int kOpenTries = 10;
constexpr DWORD kRetryMilliseconds = 20;

// Movable global memory holding a copy of the bytes, freed unless handed to the clipboard.
class ClipboardData {
public:
    ClipboardData(UINT format, const void* bytes, std::size_t size) : format_(format) {
        memory_ = size ? GlobalAlloc(GMEM_MOVEABLE, size) : nullptr;
        if (void* target = memory_ ? GlobalLock(memory_) : nullptr) {
            std::memcpy(target, bytes, size);
            GlobalUnlock(memory_);
        } else if (memory_) {
            GlobalFree(std::exchange(memory_, nullptr));
        }
    }
    ClipboardData(ClipboardData&& other) noexcept
        : format_(other.format_), memory_(std::exchange(other.memory_, nullptr)) {}
    ClipboardData(const ClipboardData&) = delete;
    ClipboardData& operator=(const ClipboardData&) = delete;
    ~ClipboardData() {
        if (memory_) {
            GlobalFree(memory_);
        }
    }
    bool Ready() const { return memory_ != nullptr && format_ != 0; }
    // After a successful SetClipboardData the system owns the memory.
    bool Hand() {
        if (SetClipboardData(format_, memory_) == nullptr) {
            return false;
        }
        memory_ = nullptr;
        return true;
    }

private:
    UINT format_;
    HGLOBAL memory_ = nullptr;
};

bool OpenClipboardPatiently(HWND owner) {
    for (int i = 0; i < kOpenTries; ++i) {
        if (i > 0) {
            Sleep(kRetryMilliseconds);
        }
        if (OpenClipboard(owner)) {
            return true;
        }
    }
    return false;
}

// Everything is made before the clipboard is opened and emptied, so that a failure on the way
// leaves what was there.
bool Put(HWND owner, std::vector<ClipboardData> items) {
    for (const ClipboardData& item : items) {
        if (!item.Ready()) {
            return false;
        }
    }
    if (!owner || !OpenClipboardPatiently(owner)) {
        return false;
    }
    bool all = EmptyClipboard() != FALSE;
    for (ClipboardData& item : items) {
        all = all && item.Hand();
    }
    CloseClipboard();
    return all;
}

}  // namespace

bool PutPictureOnClipboard(HWND owner, const Bitmap24& picture) {
    const std::vector<uint8_t> dib = DibBytes(picture);
    const std::vector<uint8_t> png = PngBytes(picture);
    std::vector<ClipboardData> items;
    items.emplace_back(CF_DIB, dib.data(), dib.size());
    items.emplace_back(RegisterClipboardFormatW(L"PNG"), png.data(), png.size());
    return Put(owner, std::move(items));
}

bool PutTextOnClipboard(HWND owner, const std::string& utf8) {
    const std::wstring text = Widen(utf8);
    std::vector<ClipboardData> items;
    items.emplace_back(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    return Put(owner, std::move(items));
}

}  // namespace lenzor
