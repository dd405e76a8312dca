// Owners of the GDI objects the program draws with: each releases what it holds when it goes,
// so no early return or exception leaks a device context or a bitmap, and no bitmap is deleted
// while still selected. Also the one way the program fills a rectangle with a colour.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace lenzor {

// A device context of a window (its client area, or the whole window with `whole`), released
// at the end. Null when the system gave none; callers check before drawing.
class WindowDc {
public:
    explicit WindowDc(HWND hwnd, bool whole = false);
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc();
    HDC Get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// A memory device context compatible with `reference` (the screen when null). Throws with the
// system's message when none can be made.
class MemoryDc {
public:
    explicit MemoryDc(HDC reference = nullptr);
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    ~MemoryDc();
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// Selects an object into a device context and puts the previous one back at the end.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;
    ~ScopedSelect() { SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// The header of a top-down DIB of 24 or 32 bits per pixel, blue-green-red byte order: rows of a
// 24-bit one are padded to 4 bytes, exactly like Bitmap24's.
BITMAPINFO TopDownDibInfo(int width, int height, int bitsPerPixel);

// A top-down DIB section with its pixels in memory the program can write; created selected
// into a memory DC of its own, so it can be a blit's source or target at once. Throws with the
// system's message when it cannot be made (no memory, a size GDI refuses).
class DibSection {
public:
    DibSection(int width, int height, int bitsPerPixel);
    DibSection(const DibSection&) = delete;
    DibSection& operator=(const DibSection&) = delete;
    ~DibSection();

    HDC Dc() const { return dc_.Get(); }
    HBITMAP Handle() const { return bitmap_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    std::size_t Stride() const { return stride_; }
    // Valid while the section lives; call GdiFlush before reading what GDI drew.
    std::uint8_t* Bits() const { return bits_; }

private:
    int width_;
    int height_;
    std::size_t stride_;
    MemoryDc dc_;
    HBITMAP bitmap_ = nullptr;
    std::uint8_t* bits_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

// Flicker-free painting of a rectangle of `target`: draw into Dc() (coordinates as on the
// target), and the finished picture is copied onto the target in one blit at the end. Where
// no buffer can be made, Dc() is the target itself and the drawing goes straight there.
class DoubleBuffer {
public:
    DoubleBuffer(HDC target, const RECT& area);
    DoubleBuffer(const DoubleBuffer&) = delete;
    DoubleBuffer& operator=(const DoubleBuffer&) = delete;
    ~DoubleBuffer();
    HDC Dc() const { return buffer_ ? buffer_ : target_; }

private:
    HDC target_;
    RECT area_;
    HDC buffer_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

// Fills rect with one colour, through the DC's own brush: no brush to make or free.
inline void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
    SetDCBrushColor(dc, color);
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

}  // namespace lenzor
