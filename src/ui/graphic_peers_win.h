// Peers of the controls that draw themselves and take no focus: pictures, paint boxes and
// bevels. Each is a small window of our own class, kept beneath the windowed controls of its
// parent like a graphic control, that paints and reports clicks.
#pragma once

#include "effects/bitmap.h"
#include "ui/peer_win.h"

#include <functional>
#include <string>

namespace lenzor {

class GraphicPeer : public WinPeer {
public:
    using WinPeer::WinPeer;

protected:
    HWND CreateHandle(HWND parent) override;
    LRESULT OwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;
    // Paints the whole client area (background included) into an off-screen DC.
    virtual void Paint(HDC dc, const RECT& client) = 0;
    virtual DWORD ExStyle() const { return 0; }
    // Clicks pass through to what lies beneath.
    virtual bool ClickThrough() const { return false; }

private:
    bool pressed_ = false;
};

// What a picture control shows; asked at every paint, so any control that holds a picture
// (the image, later the effect image) can use the one picture peer.
struct PictureView {
    const Bitmap24* bitmap = nullptr;
    std::string iconResource;  // an icon of the program's resources, drawn at the control's size
    TRect destination;         // inside the control, 96-DPI pixels
    bool transparent = false;  // the bitmap's bottom-left colour shows the background
};

class PicturePeer : public GraphicPeer {
public:
    PicturePeer(TControl& control, std::function<PictureView()> view);
    ~PicturePeer() override;

protected:
    void Update(ControlChange what) override;
    void Paint(HDC dc, const RECT& client) override;

private:
    HICON Icon(const std::string& name, int width, int height);

    std::function<PictureView()> view_;
    HICON icon_ = nullptr;
    std::string iconName_;
    SIZE iconSize_{};
};

// The effect image: a picture peer that also tells its control when the pointer enters, moves
// over and leaves it.
class EffectImagePeer : public PicturePeer {
public:
    using PicturePeer::PicturePeer;

protected:
    LRESULT OwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool tracking_ = false;
};

class PaintBoxPeer : public GraphicPeer {
public:
    using GraphicPeer::GraphicPeer;

protected:
    // See-through: whatever lies beneath shows, the paint box only takes the mouse.
    DWORD ExStyle() const override { return WS_EX_TRANSPARENT; }
    void Paint(HDC, const RECT&) override {}
    LRESULT OwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;
};

class BevelPeer : public GraphicPeer {
public:
    using GraphicPeer::GraphicPeer;

protected:
    bool ClickThrough() const override { return true; }
    void Paint(HDC dc, const RECT& client) override;
};

// Paints the bitmap stretched into `destination` (device pixels). Transparent: its bottom-left
// pixel's colour is left out.
void PaintPicture(HDC dc, const Bitmap24& picture, const RECT& destination, bool transparent);

}  // namespace lenzor
