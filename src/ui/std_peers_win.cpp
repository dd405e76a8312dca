#include "ui/std_peers_win.h"

#include "win/unicode_win.h"

namespace lenzor {
namespace {

constexpr DWORD kTabStop = WS_TABSTOP | WS_GROUP;  // a group of one: arrows stay in the control

void SetStyleBits(HWND hwnd, LONG_PTR mask, LONG_PTR bits) {
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    if ((style & mask) != bits) {
        SetWindowLongPtrW(hwnd, GWL_STYLE, (style & ~mask) | bits);
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

// The lines as the edit control shows them: CR LF between lines, none after the last.
std::string JoinLines(const TStrings& lines) {
    std::string text = lines.Text();
    if (text.size() >= 2) {
        text.resize(text.size() - 2);
    }
    return text;
}

}  // namespace

// Label

namespace {

LONG_PTR LabelType(const TLabel& label) {
    switch (label.Alignment()) {
    case TTextAlignment::taRightJustify:
        return SS_RIGHT;
    case TTextAlignment::taCenter:
        return SS_CENTER;
    case TTextAlignment::taLeftJustify:
        break;
    }
    return label.WordWrap() ? SS_LEFT : SS_LEFTNOWORDWRAP;
}

}  // namespace

HWND LabelPeer::CreateHandle(HWND parent) {
    const auto& label = static_cast<const TLabel&>(Control());
    return CreateStandardWindow(L"STATIC", SS_NOTIFY | LabelType(label), 0, parent);
}

void LabelPeer::Update(ControlChange what) {
    if (what == ControlChange::Style) {
        SetStyleBits(Handle(), SS_TYPEMASK, LabelType(static_cast<const TLabel&>(Control())));
    }
}

bool LabelPeer::OnCommand(WORD code) {
    if (code != STN_CLICKED) {
        return false;
    }
    Control().Click();
    return true;
}

HBRUSH LabelPeer::OnControlColor(HDC dc) {
    const TColor color = Control().FontColor();
    SetTextColor(dc, color == clDefault ? GetSysColor(COLOR_BTNTEXT) : color);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
}

// Button

HWND ButtonPeer::CreateHandle(HWND parent) {
    return CreateStandardWindow(
        L"BUTTON", kTabStop | (button_.Default() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0, parent);
}

void ButtonPeer::Update(ControlChange what) {
    if (what == ControlChange::Style) {
        SendMessageW(Handle(), BM_SETSTYLE, button_.Default() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON,
                     TRUE);
    }
}

bool ButtonPeer::Intercept(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message != WM_GETDLGCODE) {
        return false;
    }
    // Enter presses the focused button itself, whichever button is the default one.
    result = DefSubclassProc(hwnd, message, wParam, lParam);
    if (result & DLGC_UNDEFPUSHBUTTON) {
        result = (result & ~DLGC_UNDEFPUSHBUTTON) | DLGC_DEFPUSHBUTTON;
    }
    return true;
}

bool ButtonPeer::OnCommand(WORD code) {
    if (code != BN_CLICKED) {
        return false;
    }
    button_.Click();
    return true;
}

// Check box

HWND CheckBoxPeer::CreateHandle(HWND parent) {
    // Not an automatic check box: the model decides the state and the peer shows it.
    return CreateStandardWindow(
        L"BUTTON", kTabStop | BS_CHECKBOX | (box_.WordWrap() ? BS_MULTILINE : 0), 0, parent);
}

void CheckBoxPeer::Refresh() {
    SendMessageW(Handle(), BM_SETCHECK, box_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CheckBoxPeer::Update(ControlChange what) {
    if (what == ControlChange::Checked) {
        Refresh();
    } else if (what == ControlChange::Style) {
        SetStyleBits(Handle(), BS_MULTILINE, box_.WordWrap() ? BS_MULTILINE : 0);
    }
}

bool CheckBoxPeer::OnCommand(WORD code) {
    if (code != BN_CLICKED || Updating()) {
        return false;
    }
    box_.Click();
    return true;
}

// Edit

HWND EditPeer::CreateHandle(HWND parent) {
    return CreateStandardWindow(L"EDIT", kTabStop | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, parent);
}

void EditPeer::Refresh() {
    SetWindowTextQuietly(Handle(), edit_.Text());
    SendMessageW(Handle(), EM_SETREADONLY, edit_.ReadOnly(), 0);
}

void EditPeer::Update(ControlChange what) {
    if (what == ControlChange::Text) {
        SetWindowTextQuietly(Handle(), edit_.Text());
    } else if (what == ControlChange::Style) {
        SendMessageW(Handle(), EM_SETREADONLY, edit_.ReadOnly(), 0);
    }
}

bool EditPeer::OnCommand(WORD code) {
    if (code != EN_CHANGE) {
        return false;
    }
    if (!Updating()) {
        edit_.SetText(WindowText(Handle()));
    }
    return true;
}

// Memo

HWND MemoPeer::CreateHandle(HWND parent) {
    DWORD style = kTabStop | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    if (memo_.VerticalScrollBar()) {
        style |= WS_VSCROLL;
    }
    if (memo_.ReadOnly()) {
        style |= ES_READONLY;
    }
    return CreateStandardWindow(L"EDIT", style, WS_EX_CLIENTEDGE, parent);
}

void MemoPeer::Refresh() {
    SetWindowTextQuietly(Handle(), JoinLines(memo_.Lines()));
}

void MemoPeer::Update(ControlChange what) {
    if (what == ControlChange::Lines) {
        Refresh();
    } else if (what == ControlChange::Style) {
        Recreate();  // the scroll bar comes only with a new window
    }
}

bool MemoPeer::Intercept(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message != WM_GETDLGCODE) {
        return false;
    }
    // Tab always leaves the memo; a read-only one leaves Enter and Esc to the dialog keys too.
    result = DefSubclassProc(hwnd, message, wParam, lParam) & ~DLGC_WANTTAB;
    if (memo_.ReadOnly()) {
        result &= ~DLGC_WANTALLKEYS;
    }
    return true;
}

bool MemoPeer::OnCommand(WORD code) {
    if (code != EN_CHANGE) {
        return false;
    }
    if (!Updating() && !memo_.ReadOnly()) {
        memo_.Lines().SetText(WindowText(Handle()));
    }
    return true;
}

// Combo box

HWND ComboBoxPeer::CreateHandle(HWND parent) {
    const DWORD kind =
        combo_.Style() == TComboBoxStyle::csDropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN;
    HWND hwnd = CreateStandardWindow(L"COMBOBOX", kTabStop | WS_VSCROLL | CBS_AUTOHSCROLL | kind, 0,
                                     parent);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (hwnd && GetComboBoxInfo(hwnd, &info) && info.hwndItem && info.hwndItem != hwnd) {
        Adopt(info.hwndItem, false);  // the edit part: its focus and hint are the combo's
    }
    return hwnd;
}

void ComboBoxPeer::FillItems() {
    SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
    for (const std::string& item : combo_.Items().List()) {
        SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    }
}

void ComboBoxPeer::ShowSelection() {
    SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(combo_.ItemIndex()), 0);
    if (combo_.Style() == TComboBoxStyle::csDropDown) {
        SetWindowTextQuietly(Handle(), combo_.Text());
    }
}

void ComboBoxPeer::Refresh() {
    FillItems();
    SendMessageW(Handle(), CB_SETMINVISIBLE, static_cast<WPARAM>(combo_.DropDownCount()), 0);
    ShowSelection();
}

void ComboBoxPeer::PlaceWindow() {
    // The window's height includes the dropped-down list (common controls 5 size it so).
    const RECT r = ScaledBounds();
    const auto rowHeight = static_cast<int>(SendMessageW(Handle(), CB_GETITEMHEIGHT, 0, 0));
    const int listHeight = combo_.DropDownCount() * rowHeight + 2;
    SetWindowPos(Handle(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top + listHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void ComboBoxPeer::Update(ControlChange what) {
    switch (what) {
    case ControlChange::Items:
        FillItems();
        ShowSelection();
        break;
    case ControlChange::ItemIndex:
    case ControlChange::Text:
        ShowSelection();
        break;
    case ControlChange::Style: {
        const bool isList = (GetWindowLongPtrW(Handle(), GWL_STYLE) & 3) == CBS_DROPDOWNLIST;
        if (isList != (combo_.Style() == TComboBoxStyle::csDropDownList)) {
            Recreate();
        } else {
            SendMessageW(Handle(), CB_SETMINVISIBLE, static_cast<WPARAM>(combo_.DropDownCount()),
                         0);
            PlaceWindow();
        }
        break;
    }
    default:
        break;
    }
}

bool ComboBoxPeer::OnCommand(WORD code) {
    if (Updating()) {
        return true;
    }
    switch (code) {
    case CBN_SELCHANGE:
        combo_.Select(static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0)));
        return true;
    case CBN_DROPDOWN:
        combo_.DropDown();
        return true;
    case CBN_EDITCHANGE:
        combo_.TypeText(WindowText(Handle()));
        return true;
    default:
        return false;
    }
}

}  // namespace lenzor
