// The notification-area icon's input logic: turns the shell's callback codes into the ordered
// mouse, click, menu and balloon steps the icon performs, including single click against
// double-click and the inferred pointer exit.
#pragma once

#include "core/shift_state.h"

#include <vector>

namespace lenzor {

// Notification codes the shell sends as the callback's lParam.
namespace tray_code {
inline constexpr unsigned MouseMove = 0x200;
inline constexpr unsigned LeftDown = 0x201;
inline constexpr unsigned LeftUp = 0x202;
inline constexpr unsigned LeftDblClk = 0x203;
inline constexpr unsigned RightDown = 0x204;
inline constexpr unsigned RightUp = 0x205;
inline constexpr unsigned MiddleDown = 0x207;
inline constexpr unsigned MiddleUp = 0x208;
inline constexpr unsigned BalloonShow = 0x402;
inline constexpr unsigned BalloonHide = 0x403;
inline constexpr unsigned BalloonTimeout = 0x404;
inline constexpr unsigned BalloonUserClick = 0x405;
}  // namespace tray_code

enum class TrayAction {
    MouseEnter,
    MouseMove,
    MouseDown,  // with button
    MouseUp,    // with button
    Click,
    DblClick,
    MouseExit,
    StartClickDelay,  // run the click delay timer for one double-click time
    StopClickDelay,
    ShowPopup,
    ClickDefaultItem,
    BalloonShow,
    BalloonHide,
    BalloonTimeout,
    BalloonClick,
};

struct TrayStep {
    TrayAction action;
    TMouseButton button = mbLeft;
    friend bool operator==(const TrayStep&, const TrayStep&) = default;
};

struct TrayPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const TrayPoint&, const TrayPoint&) = default;
};

// What the icon's current settings say about handling a callback.
struct TrayInputSettings {
    bool enabled = true;              // false: mouse codes are ignored, balloon codes are not
    bool hasDblClickHandler = false;  // a single click then waits one double-click time
    bool leftPopup = false;           // the left button opens the menu, and no default item runs
    bool wantEnterExit = false;
};

class TrayClickLogic {
public:
    // pointer: the pointer's screen position when the callback is handled.
    std::vector<TrayStep> Callback(unsigned code, const TrayInputSettings& settings,
                                   TrayPoint pointer);
    // The click delay timer ran out.
    std::vector<TrayStep> ClickDelayElapsed();
    // A poll of the pointer while enter/exit events are wanted.
    std::vector<TrayStep> ExitPoll(TrayPoint pointer);

    bool ClickDelayRunning() const { return FClickDelayRunning; }

private:
    std::vector<TrayStep> LeftDown(const TrayInputSettings& settings);
    std::vector<TrayStep> LeftUp();

    TrayPoint FLastPointerPos;
    bool FPointerOutside = true;
    bool FButtonDownSeen = false;
    bool FClickArmed = false;
    bool FDoubleClicked = false;
    bool FClickDelayRunning = false;
};

}  // namespace lenzor
