#include "ui/control.h"

#include "core/text_utils.h"
#include "ui/forms.h"

#include <algorithm>

namespace lenzor {

TControl::TControl(TComponent* owner, std::string name) : TComponent(owner, std::move(name)) {}

TControl::~TControl() {
    if (TCustomForm* form = ParentForm(); form && form->ActiveControl() == this) {
        form->ForgetActiveControl();
    }
    FPeer.reset();
    if (FParent) {
        FParent->RemoveChild(*this);
    }
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == FParent) {
        return;
    }
    if (FParent) {
        FParent->RemoveChild(*this);
    }
    FParent = parent;
    if (!parent) {
        DestroyPeers();
        return;
    }
    parent->AddChild(*this);
    FAnchorParentWidth = parent->ClientWidth();
    FAnchorParentHeight = parent->ClientHeight();
    if (FPeer) {
        Changed(ControlChange::Parent);
    } else if (PeerFactory* factory = parent->Factory()) {
        CreatePeers(*factory);
    }
    parent->Realign();
}

TCustomForm* TControl::ParentForm() const {
    const TControl* control = this;
    while (control) {
        if (auto* form = dynamic_cast<const TCustomForm*>(control)) {
            return const_cast<TCustomForm*>(form);
        }
        control = control->Parent();
    }
    return nullptr;
}

void TControl::SetBounds(int left, int top, int width, int height) {
    FExplicitBounds = Bounds(left, top, std::max(width, 0), std::max(height, 0));
    if (FParent) {
        FAnchorParentWidth = FParent->ClientWidth();
        FAnchorParentHeight = FParent->ClientHeight();
    }
    if (FParent && FAlign != TAlign::alNone) {
        FParent->Realign();  // the explicit size feeds the alignment
    } else {
        SetLayoutBounds(FExplicitBounds);
    }
}

void TControl::SetLayoutBounds(const TRect& bounds) {
    if (bounds == FBounds) {
        return;
    }
    const bool resized = bounds.Width() != FBounds.Width() || bounds.Height() != FBounds.Height();
    FBounds = bounds;
    Changed(ControlChange::Bounds);
    if (resized) {
        if (auto* container = dynamic_cast<TWinControl*>(this)) {
            container->Realign();
        }
    }
}

void TControl::ApplyAnchors(int parentWidth, int parentHeight) {
    if (FAnchorParentWidth < 0) {
        FAnchorParentWidth = parentWidth;
        FAnchorParentHeight = parentHeight;
    }
    const int dx = parentWidth - FAnchorParentWidth;
    const int dy = parentHeight - FAnchorParentHeight;
    int left = FExplicitBounds.Left;
    int top = FExplicitBounds.Top;
    int width = FExplicitBounds.Width();
    int height = FExplicitBounds.Height();
    if (FAnchors & akRight) {
        if (FAnchors & akLeft) {
            width = std::max(width + dx, 0);
        } else {
            left += dx;
        }
    }
    if (FAnchors & akBottom) {
        if (FAnchors & akTop) {
            height = std::max(height + dy, 0);
        } else {
            top += dy;
        }
    }
    SetLayoutBounds(Bounds(left, top, width, height));
}

void TControl::SetAlign(TAlign align) {
    if (align == FAlign) {
        return;
    }
    FAlign = align;
    if (FParent) {
        FParent->Realign();
    }
    if (align == TAlign::alNone) {
        SetLayoutBounds(FExplicitBounds);
    }
}

void TControl::SetAnchors(TAnchors anchors) {
    FAnchors = anchors;
}

void TControl::SetVisible(bool visible) {
    if (visible == FVisible) {
        return;
    }
    FVisible = visible;
    if (!visible) {
        if (TCustomForm* form = ParentForm(); form && form != this) {
            form->ControlHidden(*this);
        }
    }
    Changed(ControlChange::Visible);
    if (FParent && FAlign != TAlign::alNone) {
        FParent->Realign();
    }
}

bool TControl::Showing() const {
    for (const TControl* control = this; control; control = control->Parent()) {
        if (!control->Visible()) {
            return false;
        }
    }
    return ParentForm() != nullptr;
}

void TControl::SetEnabled(bool enabled) {
    if (enabled != FEnabled) {
        FEnabled = enabled;
        Changed(ControlChange::Enabled);
    }
}

void TControl::SetCaption(std::string caption) {
    if (caption != FCaption) {
        FCaption = std::move(caption);
        Changed(ControlChange::Caption);
    }
}

void TControl::SetHint(std::string hint) {
    if (hint != FHint) {
        FHint = std::move(hint);
        Changed(ControlChange::Hint);
    }
}

void TControl::SetCursor(TCursor cursor) {
    if (cursor != FCursor) {
        FCursor = cursor;
        Changed(ControlChange::Cursor);
    }
}

void TControl::SetFontColor(TColor color) {
    if (color != FFontColor) {
        FFontColor = color;
        Changed(ControlChange::Font);
    }
}

void TControl::Click() {
    if (OnClick) {
        OnClick(*this);
    }
}

void TControl::SetFocus() {
    if (TCustomForm* form = ParentForm()) {
        form->SetActiveControl(this);
    }
    if (FPeer) {
        FPeer->SetFocus();
    }
}

bool TControl::HasStringProperty(std::string_view property) const {
    return (HasCaption() && EqualsIgnoringAsciiCase(property, "Caption")) ||
           EqualsIgnoringAsciiCase(property, "Hint");
}

std::string TControl::GetStringProperty(std::string_view property) const {
    if (HasCaption() && EqualsIgnoringAsciiCase(property, "Caption")) {
        return FCaption;
    }
    if (EqualsIgnoringAsciiCase(property, "Hint")) {
        return FHint;
    }
    return {};
}

void TControl::SetStringProperty(std::string_view property, const std::string& value) {
    if (HasCaption() && EqualsIgnoringAsciiCase(property, "Caption")) {
        SetCaption(value);
    } else if (EqualsIgnoringAsciiCase(property, "Hint")) {
        SetHint(value);
    }
}

void TControl::CreatePeers(PeerFactory& factory) {
    FFactory = &factory;
    if (!FPeer) {
        FPeer = factory.CreatePeer(*this);
    }
}

void TControl::DestroyPeers() {
    if (auto* container = dynamic_cast<TWinControl*>(this)) {
        for (int i = 0; i < container->ControlCount(); ++i) {
            container->Controls(i)->DestroyPeers();
        }
    }
    FPeer.reset();
    FFactory = nullptr;
}

void TControl::Changed(ControlChange what) {
    if (FPeer) {
        FPeer->Changed(what);
    }
}

TWinControl::~TWinControl() {
    // Children still here belong to other owners; they lose their parent, not their life.
    while (!FControls.empty()) {
        FControls.back()->SetParent(nullptr);
    }
}

void TWinControl::AddChild(TControl& control) {
    FControls.push_back(&control);
}

void TWinControl::RemoveChild(TControl& control) {
    auto found = std::find(FControls.begin(), FControls.end(), &control);
    if (found != FControls.end()) {
        FControls.erase(found);
        control.FParent = nullptr;
        Realign();
    }
}

void TWinControl::Realign() {
    if (FAligning) {
        return;
    }
    FAligning = true;
    TRect client = ClientRect();
    for (TAlign kind :
         {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
        for (TControl* child : FControls) {
            if (child->Align() != kind || !child->Visible()) {
                continue;
            }
            const int w = child->FExplicitBounds.Width();
            const int h = child->FExplicitBounds.Height();
            TRect r = client;
            switch (kind) {
            case TAlign::alTop:
                r.Bottom = std::min(client.Top + h, client.Bottom);
                client.Top = r.Bottom;
                break;
            case TAlign::alBottom:
                r.Top = std::max(client.Bottom - h, client.Top);
                client.Bottom = r.Top;
                break;
            case TAlign::alLeft:
                r.Right = std::min(client.Left + w, client.Right);
                client.Left = r.Right;
                break;
            case TAlign::alRight:
                r.Left = std::max(client.Right - w, client.Left);
                client.Right = r.Left;
                break;
            default:
                break;
            }
            child->SetLayoutBounds(r);
        }
    }
    const TRect clientArea = ClientRect();
    for (TControl* child : FControls) {
        if (child->Align() == TAlign::alNone) {
            child->ApplyAnchors(clientArea.Width(), clientArea.Height());
        }
    }
    FAligning = false;
}

void TWinControl::CreatePeers(PeerFactory& factory) {
    TControl::CreatePeers(factory);
    for (TControl* child : FControls) {
        child->CreatePeers(factory);
    }
}

}  // namespace lenzor
