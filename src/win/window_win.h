// Base of every window the program creates with its own window procedure: one procedure finds
// the object (stored at WM_NCCREATE) and dispatches to HandleMessage. Exceptions never cross
// into Windows: the procedure parks them, and the message loop reports them. An object forgets
// its handle when the window is destroyed under it, and is never deleted inside a procedure.
#pragma once

#include <windows.h>

#include <exception>
#include <memory>

namespace lenzor {

class NativeWindow {
public:
    NativeWindow() = default;
    NativeWindow(const NativeWindow&) = delete;
    NativeWindow& operator=(const NativeWindow&) = delete;
    virtual ~NativeWindow();

    // Null once the window is gone, whoever destroyed it.
    HWND Handle() const { return hwnd_; }

protected:
    struct CreateParams {
        const wchar_t* className;
        const wchar_t* title = L"";
        DWORD style = WS_POPUP;
        DWORD exStyle = 0;
        int x = 0, y = 0, width = 0, height = 0;
        HWND parent = nullptr;
        UINT classStyle = 0;
        HBRUSH background = nullptr;
        HCURSOR cursor = nullptr;
        // Hidden service windows have nothing to close: a stray WM_CLOSE (another program's,
        // or a "close all windows" tool's) would destroy them under their objects.
        bool refuseClose = false;
    };

    // Registers the class (once per process) with the shared procedure and creates the window.
    // Throws on failure.
    void CreateNativeWindow(const CreateParams& params);
    void DestroyNativeWindow();
    // Lets the window go without destroying it: its procedure no longer reaches this object
    // (for windows that must outlive their object by a moment, see peer_win.h).
    HWND ReleaseNativeWindow();

    // Default: DefWindowProc.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
    bool refuseClose_ = false;
};

// Deletes a window object at once, or, when called while any of the program's window
// procedures is running (from a handler the object itself raised, say), as soon as the
// outermost of them has returned.
void DeleteWindowObject(std::unique_ptr<NativeWindow> window);

// An exception caught inside a window procedure waits here until the message loop takes it.
void ParkException(std::exception_ptr error);
std::exception_ptr TakeParkedException();

}  // namespace lenzor
