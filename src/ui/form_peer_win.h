// The form's peer: a top-level dialog window (caption, dialog frame, close box, centred on the
// screen) that holds the form's tool tips, follows its monitor's DPI and carries the dialog keys:
// Tab order, Enter and Esc for the default and cancel buttons, Ctrl+Tab for pages.
#pragma once

#include "ui/forms.h"
#include "ui/peer_win.h"

#include <string>
#include <vector>

namespace lenzor {

class FormPeer : public WinPeer {
public:
    explicit FormPeer(TCustomForm& form);
    ~FormPeer() override;

    UINT FormDpi() const { return dpi_; }
    HWND ToolTipHandle() const { return tooltip_; }
    // Shows `text` as the tool tip of that window (none when empty).
    void SetTool(HWND tool, const std::string& text);
    void RemoveTool(HWND tool);

    // Tab and Shift+Tab: the next or previous focusable control in creation order.
    void FocusNextControl(bool forward);
    // Ctrl+Tab and Ctrl+Shift+Tab: the pages of the page control holding the focus, or else of
    // the form's first page control.
    void SelectNextPage(bool forward);

    static FormPeer* FromTopLevel(HWND hwnd);

    void ApplyDpi() override;

protected:
    HWND CreateHandle(HWND parent) override;
    void PlaceWindow() override;
    void ShowWindows(bool visible) override;
    LRESULT OwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::vector<TControl*> TabOrder() const;
    void RestoreFocus();
    void DpiChanged(UINT dpi, const RECT& suggested);

    TCustomForm& form_;
    UINT dpi_ = kDesignDpi;
    HWND tooltip_ = nullptr;
    bool positioned_ = false;
};

}  // namespace lenzor
