// TControl and TWinControl: visible components with a parent, bounds in 96-DPI pixels,
// alignment and anchors, visibility, enabled state, caption, hint and cursor. The state lives
// here; a platform peer (control_peer.h) shows it. Without a peer a control is pure data, which
// is how the native tests drive forms.
#pragma once

#include "ui/component.h"
#include "ui/control_peer.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace lenzor {

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect Bounds(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;  // TAnchorKind bits

enum class TCursor { crDefault, crHandPoint };

// $00BBGGRR like Windows' COLORREF; clDefault leaves the system's colour.
using TColor = std::uint32_t;
inline constexpr TColor clDefault = 0xFF000000;
inline constexpr TColor clBlue = 0x00FF0000;
inline constexpr TColor clRed = 0x000000FF;

class TWinControl;
class TCustomForm;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner, std::string name = {});
    ~TControl() override;

    TWinControl* Parent() const { return FParent; }
    // Appends the control to the new parent's children (last in tab and paint order).
    void SetParent(TWinControl* parent);
    // The form the control sits on, or none.
    TCustomForm* ParentForm() const;

    int Left() const { return FBounds.Left; }
    int Top() const { return FBounds.Top; }
    int Width() const { return FBounds.Width(); }
    int Height() const { return FBounds.Height(); }
    const TRect& BoundsRect() const { return FBounds; }
    // Relative to the parent's top-left corner, in 96-DPI pixels. Anchored controls keep their
    // distances to the anchored sides when the parent changes size later.
    void SetBounds(int left, int top, int width, int height);
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
    void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign align);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors anchors);

    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and so is every parent up to a visible form.
    bool Showing() const;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);

    // Only kinds that show a caption have the "Caption" property (HasCaption).
    virtual bool HasCaption() const { return false; }
    const std::string& Caption() const { return FCaption; }
    void SetCaption(std::string caption);

    const std::string& Hint() const { return FHint; }
    void SetHint(std::string hint);

    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor cursor);
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor color);

    // Fires OnClick; what a user's click does.
    virtual void Click();
    TNotifyEvent OnClick;

    // Focus is tracked by the form (ActiveControl); a peer moves the real focus too.
    virtual bool CanFocus() const { return false; }
    void SetFocus();
    // Called when the control loses or gains the focus.
    virtual void DoExit() {}
    virtual void DoEnter() {}

    bool HasStringProperty(std::string_view property) const override;
    std::string GetStringProperty(std::string_view property) const override;
    void SetStringProperty(std::string_view property, const std::string& value) override;

    ControlPeer* Peer() const { return FPeer.get(); }
    // Creates the peer with the factory, and those of the children (parents first).
    virtual void CreatePeers(PeerFactory& factory);
    void DestroyPeers();
    PeerFactory* Factory() const { return FFactory; }

protected:
    void Changed(ControlChange what);

private:
    friend class TWinControl;
    // Bounds set by alignment or anchors, which keeps the explicit ones as the anchor origin.
    void SetLayoutBounds(const TRect& bounds);
    void ApplyAnchors(int parentWidth, int parentHeight);

    TWinControl* FParent = nullptr;
    TRect FBounds;
    TRect FExplicitBounds;
    int FAnchorParentWidth = -1;  // the parent's client size when the bounds were set
    int FAnchorParentHeight = -1;
    TAlign FAlign = TAlign::alNone;
    TAnchors FAnchors = akLeft | akTop;
    bool FVisible = true;
    bool FEnabled = true;
    std::string FCaption;
    std::string FHint;
    TCursor FCursor = TCursor::crDefault;
    TColor FFontColor = clDefault;
    std::unique_ptr<ControlPeer> FPeer;
    PeerFactory* FFactory = nullptr;
};

// A control that may hold children (a window of its own on the platform).
class TWinControl : public TControl {
public:
    using TControl::TControl;
    ~TWinControl() override;

    int ControlCount() const { return static_cast<int>(FControls.size()); }
    TControl* Controls(int index) const { return FControls.at(static_cast<std::size_t>(index)); }

    // The area aligned children share, relative to the control's top-left corner.
    virtual TRect ClientRect() const { return {0, 0, Width(), Height()}; }
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }

    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool tabStop) { FTabStop = tabStop; }

    // Places aligned children (top, bottom, left, right, then client, each in creation order)
    // and anchored ones; runs by itself whenever sizes, alignment or visibility change.
    virtual void Realign();

    void CreatePeers(PeerFactory& factory) override;

private:
    friend class TControl;
    void AddChild(TControl& control);
    void RemoveChild(TControl& control);

    std::vector<TControl*> FControls;
    bool FTabStop = false;
    bool FAligning = false;
};

// Controls that draw themselves and take no focus: labels, pictures, paint boxes, bevels.
class TGraphicControl : public TControl {
public:
    using TControl::TControl;
};

}  // namespace lenzor
