// WinPeer: the Win32 side of one control. It owns the control's window (or windows), pushes the
// model's state into them when the model reports a change, and turns the user's input into the
// model's user-action methods, so events fire the same way as in the native tests.
#pragma once

#include "ui/control.h"
#include "ui/dpi_win.h"

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

namespace lenzor {

class FormPeer;
class PeerWindow;

class WinPeer : public ControlPeer {
public:
    explicit WinPeer(TControl& control);
    ~WinPeer() override;
    WinPeer(const WinPeer&) = delete;
    WinPeer& operator=(const WinPeer&) = delete;

    // Makes the window under the parent's; the factory calls it once the object exists.
    void Create();

    TControl& Control() const { return control_; }
    HWND Handle() const { return hwnd_; }
    // The window the children's windows go into.
    virtual HWND ClientHandle() const { return hwnd_; }
    // The DPI the control is laid out for: its form's.
    UINT Dpi() const;
    HFONT Font() const { return DialogFont(Dpi()); }

    void Changed(ControlChange what) override;
    void SetFocus() override;
    // Focus as Tab gives it: an edit's text comes selected.
    void FocusByKeyboard();

    // Notifications the parent window hands on to the control that sent them; true: handled.
    // A handler calls into the model last: the model may destroy the peer.
    virtual bool OnCommand(WORD) { return false; }
    virtual bool OnNotify(const NMHDR&, LRESULT&) { return false; }
    virtual bool OnScroll() { return false; }
    virtual HBRUSH OnControlColor(HDC) { return nullptr; }

    // New DPI: font and place of this window and, below it, of every child's.
    virtual void ApplyDpi();

    static WinPeer* FromWindow(HWND hwnd);
    static WinPeer* Of(const TControl* control);
    // What a container does with its children's notifications and cursor requests.
    static bool ReflectMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
    // Creates the (hidden) main window; Create() then pushes the state and shows it.
    virtual HWND CreateHandle(HWND parent) = 0;
    // Pushes the kind's whole state into a new window.
    virtual void Refresh() {}
    // The kind's part of a change; the common properties are handled before.
    virtual void Update(ControlChange) {}
    virtual void PlaceWindow();
    virtual void ShowWindows(bool visible);
    // Messages of a standard control, seen before the control; true: handled with result.
    virtual bool Intercept(HWND, UINT, WPARAM, LPARAM, LRESULT&) { return false; }
    // Messages of a window of our own class (CreateOwnWindow).
    virtual LRESULT OwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND ParentHandle() const;
    RECT ScaledBounds() const;
    FormPeer* Form() const;
    // Style changes some controls only take at creation.
    void Recreate();
    // Another window of this control: found as its peer, subclassed, given the font; `owned`
    // ones are created here (shown, hidden, placed and destroyed with it).
    void Adopt(HWND hwnd, bool owned);
    HWND CreateStandardWindow(const wchar_t* className, DWORD style, DWORD exStyle, HWND parent);
    HWND CreateOwnWindow(const wchar_t* className, DWORD style, DWORD exStyle, HWND parent);
    static std::string WindowText(HWND hwnd);
    // Echo guard: notifications that our own updates cause are not user input.
    void SetWindowTextQuietly(HWND hwnd, const std::string& text);
    bool Updating() const { return updating_ > 0; }
    // Lets every window go; kinds whose windows need their own members call it first.
    void DestroyWindows();
    struct Quiet {
        explicit Quiet(WinPeer& peer) : peer(peer) { ++peer.updating_; }
        ~Quiet() { --peer.updating_; }
        WinPeer& peer;
    };

private:
    friend class PeerWindow;
    struct Part {
        HWND hwnd;
        bool owned;
        bool subclassed;
    };
    void Attach(HWND hwnd, bool owned, bool subclass, bool first);
    void PlaceInZOrder();
    HWND LowestPart() const;
    void Reparent();
    void UpdateTool();
    void FocusGained();
    void WindowGone(HWND hwnd);
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR data);

    TControl& control_;
    HWND hwnd_ = nullptr;
    std::vector<Part> parts_;
    std::unique_ptr<PeerWindow> own_;
    FormPeer* toolForm_ = nullptr;
    int updating_ = 0;
};

// Windows that peers let go while one of our window procedures runs are destroyed a moment
// later, from the message loop, so no window dies inside its own procedure.
void DestroyPeerWindow(HWND hwnd);

}  // namespace lenzor
