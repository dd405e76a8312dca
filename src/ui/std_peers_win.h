// Peers of the standard controls: label (also as a blue link), button, check box, edit, memo and
// combo box, each a system control kept in step with its model and reporting the user's input
// through the model's user-action methods.
#pragma once

#include "ui/peer_win.h"
#include "ui/std_controls.h"

namespace lenzor {

class LabelPeer : public WinPeer {
public:
    using WinPeer::WinPeer;
    bool OnCommand(WORD code) override;
    HBRUSH OnControlColor(HDC dc) override;

protected:
    HWND CreateHandle(HWND parent) override;
    void Update(ControlChange what) override;
};

class ButtonPeer : public WinPeer {
public:
    explicit ButtonPeer(TButton& button) : WinPeer(button), button_(button) {}
    bool OnCommand(WORD code) override;

protected:
    HWND CreateHandle(HWND parent) override;
    void Update(ControlChange what) override;
    bool Intercept(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    TButton& button_;
};

class CheckBoxPeer : public WinPeer {
public:
    explicit CheckBoxPeer(TCheckBox& box) : WinPeer(box), box_(box) {}
    bool OnCommand(WORD code) override;

protected:
    HWND CreateHandle(HWND parent) override;
    void Refresh() override;
    void Update(ControlChange what) override;

private:
    TCheckBox& box_;
};

class EditPeer : public WinPeer {
public:
    explicit EditPeer(TEdit& edit) : WinPeer(edit), edit_(edit) {}
    bool OnCommand(WORD code) override;

protected:
    HWND CreateHandle(HWND parent) override;
    void Refresh() override;
    void Update(ControlChange what) override;

private:
    TEdit& edit_;
};

class MemoPeer : public WinPeer {
public:
    explicit MemoPeer(TMemo& memo) : WinPeer(memo), memo_(memo) {}
    bool OnCommand(WORD code) override;

protected:
    HWND CreateHandle(HWND parent) override;
    void Refresh() override;
    void Update(ControlChange what) override;
    bool Intercept(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    TMemo& memo_;
};

class ComboBoxPeer : public WinPeer {
public:
    explicit ComboBoxPeer(TComboBox& combo) : WinPeer(combo), combo_(combo) {}
    bool OnCommand(WORD code) override;

protected:
    HWND CreateHandle(HWND parent) override;
    void Refresh() override;
    void Update(ControlChange what) override;
    void PlaceWindow() override;

private:
    void FillItems();
    void ShowSelection();

    TComboBox& combo_;
};

}  // namespace lenzor
