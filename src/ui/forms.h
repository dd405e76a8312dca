// Forms (top-level windows holding controls) and frames (reusable panels of controls that own
// their components, embedded in a form). A form tracks its focused control and its default and
// cancel buttons, and runs the show, hide and close events.
#pragma once

#include "ui/control.h"

#include <functional>

namespace lenzor {

class TButton;

class TCustomForm : public TWinControl {
public:
    using TCloseQueryEvent = std::function<void(TComponent& sender, bool& canClose)>;

    explicit TCustomForm(TComponent* owner = nullptr, std::string name = {});
    ~TCustomForm() override;

    bool HasCaption() const override { return true; }

    // The client area in 96-DPI pixels; the frame around it is the platform's.
    void SetClientSize(int width, int height) { SetBounds(Left(), Top(), width, height); }

    // Shown forms fire OnShow, hidden ones OnHide, after the change.
    void SetVisible(bool visible) override;

    // Asks OnCloseQuery; when it allows, hides the form and fires OnClose.
    void Close();

    TControl* ActiveControl() const { return FActiveControl; }
    // Moves the focus mark: the old control's DoExit, then the new one's DoEnter.
    void SetActiveControl(TControl* control);
    // The control that now has the focus on the platform (the peer's report).
    void FocusChangedByPeer(TControl* control) { SetActiveControl(control); }

    // The buttons Enter and Esc press (the first Default and the first Cancel button).
    TButton* DefaultButton() const;
    TButton* CancelButton() const;
    // Enter and Esc: click that button when it is enabled and showing. True when one was.
    bool PressDefaultButton();
    bool PressCancelButton();

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnClose;

    // Creates the peers of the whole form; the form's own first.
    void CreateHandle(PeerFactory& factory) { CreatePeers(factory); }
    bool HandleAllocated() const { return Peer() != nullptr; }

private:
    friend class TControl;
    void ForgetActiveControl() { FActiveControl = nullptr; }
    void ControlHidden(TControl& control);

    TControl* FActiveControl = nullptr;
};

class TForm : public TCustomForm {
public:
    using TCustomForm::TCustomForm;
};

class TFrame : public TWinControl {
public:
    using TWinControl::TWinControl;
};

// Whether the component is a form or a frame: the containers language files address.
bool IsFormOrFrame(const TComponent& component);

}  // namespace lenzor
