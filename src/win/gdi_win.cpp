#include "win/gdi_win.h"

#include "win/last_error_win.h"

#include <string>

namespace lenzor {

WindowDc::WindowDc(HWND hwnd, bool whole)
    : hwnd_(hwnd), dc_(whole ? GetWindowDC(hwnd) : GetDC(hwnd)) {}

WindowDc::~WindowDc() {
    if (dc_) {
        ReleaseDC(hwnd_, dc_);
    }
}

MemoryDc::MemoryDc(HDC reference) : dc_(CreateCompatibleDC(reference)) {
    if (!dc_) {
        ThrowLastError("No device context for drawing");
    }
}

MemoryDc::~MemoryDc() {
    DeleteDC(dc_);
}

BITMAPINFO TopDownDibInfo(int width, int height, int bitsPerPixel) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

DibSection::DibSection(int width, int height, int bitsPerPixel)
    : width_(width), height_(height),
      stride_((static_cast<std::size_t>(width) * (bitsPerPixel / 8) + 3) &
              ~static_cast<std::size_t>(3)) {
    const BITMAPINFO info = TopDownDibInfo(width, height, bitsPerPixel);
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap_) {
        ThrowLastError("No memory for a picture of " + std::to_string(width) + " x " +
                       std::to_string(height) + " pixels");
    }
    bits_ = static_cast<std::uint8_t*>(bits);
    previous_ = SelectObject(dc_.Get(), bitmap_);
}

DibSection::~DibSection() {
    SelectObject(dc_.Get(), previous_);
    DeleteObject(bitmap_);
}

DoubleBuffer::DoubleBuffer(HDC target, const RECT& area) : target_(target), area_(area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    buffer_ = CreateCompatibleDC(target);
    bitmap_ = buffer_ ? CreateCompatibleBitmap(target, width, height) : nullptr;
    if (!bitmap_) {
        if (buffer_) {
            DeleteDC(buffer_);
        }
        buffer_ = nullptr;
        return;
    }
    previous_ = SelectObject(buffer_, bitmap_);
    // The buffer's pixel (0, 0) is the area's top-left corner.
    SetWindowOrgEx(buffer_, area.left, area.top, nullptr);
}

DoubleBuffer::~DoubleBuffer() {
    if (!buffer_) {
        return;
    }
    BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top,
           buffer_, area_.left, area_.top, SRCCOPY);
    SelectObject(buffer_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(buffer_);
}

}  // namespace lenzor
