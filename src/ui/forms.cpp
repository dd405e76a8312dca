#include "ui/forms.h"

#include "ui/std_controls.h"

namespace lenzor {
namespace {

template <class Test> TButton* FindButton(const TWinControl& container, const Test& test) {
    for (int i = 0; i < container.ControlCount(); ++i) {
        TControl* child = container.Controls(i);
        if (auto* button = dynamic_cast<TButton*>(child); button && test(*button)) {
            return button;
        }
        if (auto* inner = dynamic_cast<TWinControl*>(child)) {
            if (TButton* found = FindButton(*inner, test)) {
                return found;
            }
        }
    }
    return nullptr;
}

bool PressIfUsable(TButton* button) {
    if (!button || !button->Enabled() || !button->Showing()) {
        return false;
    }
    button->Click();
    return true;
}

}  // namespace

TCustomForm::TCustomForm(TComponent* owner, std::string name)
    : TWinControl(owner, std::move(name)) {
    TControl::SetVisible(false);  // forms start hidden
}

TCustomForm::~TCustomForm() {
    FActiveControl = nullptr;
}

void TCustomForm::SetVisible(bool visible) {
    if (visible == Visible()) {
        return;
    }
    TControl::SetVisible(visible);
    if (visible && OnShow) {
        OnShow(*this);
    } else if (!visible && OnHide) {
        OnHide(*this);
    }
}

void TCustomForm::Close() {
    bool canClose = true;
    if (OnCloseQuery) {
        OnCloseQuery(*this, canClose);
    }
    if (!canClose) {
        return;
    }
    Hide();
    if (OnClose) {
        OnClose(*this);
    }
}

void TCustomForm::SetActiveControl(TControl* control) {
    if (control == FActiveControl) {
        return;
    }
    TControl* previous = FActiveControl;
    FActiveControl = control;
    if (previous) {
        previous->DoExit();
    }
    if (control) {
        control->DoEnter();
    }
}

void TCustomForm::ControlHidden(TControl& control) {
    for (TControl* c = FActiveControl; c; c = c->Parent()) {
        if (c == &control) {
            SetActiveControl(nullptr);
            return;
        }
    }
}

TButton* TCustomForm::DefaultButton() const {
    return FindButton(*this, [](const TButton& b) { return b.Default(); });
}

TButton* TCustomForm::CancelButton() const {
    return FindButton(*this, [](const TButton& b) { return b.Cancel(); });
}

bool TCustomForm::PressDefaultButton() {
    return PressIfUsable(DefaultButton());
}

bool TCustomForm::PressCancelButton() {
    return PressIfUsable(CancelButton());
}

bool IsFormOrFrame(const TComponent& component) {
    return dynamic_cast<const TCustomForm*>(&component) != nullptr ||
           dynamic_cast<const TFrame*>(&component) != nullptr;
}

}  // namespace lenzor
