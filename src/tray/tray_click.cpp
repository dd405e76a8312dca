#include "tray/tray_click.h"

namespace lenzor {

std::vector<TrayStep> TrayClickLogic::Callback(unsigned code, const TrayInputSettings& settings,
                                               TrayPoint pointer) {
    switch (code) {
    case tray_code::BalloonShow:
        return {{TrayAction::BalloonShow}};
    case tray_code::BalloonHide:
        return {{TrayAction::BalloonHide}};
    case tray_code::BalloonTimeout:
        return {{TrayAction::BalloonTimeout}};
    case tray_code::BalloonUserClick:
        return {{TrayAction::BalloonClick}};
    default:
        break;
    }
    if (!settings.enabled) {
        return {};
    }
    switch (code) {
    case tray_code::MouseMove: {
        std::vector<TrayStep> steps;
        if (settings.wantEnterExit && FPointerOutside) {
            steps.push_back({TrayAction::MouseEnter});
            FPointerOutside = false;
        }
        steps.push_back({TrayAction::MouseMove});
        FLastPointerPos = pointer;
        return steps;
    }
    case tray_code::LeftDown:
        return LeftDown(settings);
    case tray_code::LeftUp:
        return LeftUp();
    case tray_code::LeftDblClk: {
        // Drops the pending single click of the pair.
        FClickArmed = false;
        FDoubleClicked = true;
        std::vector<TrayStep> steps{{TrayAction::DblClick}};
        if (!settings.leftPopup) {
            steps.push_back({TrayAction::ClickDefaultItem});
        }
        return steps;
    }
    case tray_code::RightDown:
        return {{TrayAction::MouseDown, mbRight}, {TrayAction::ShowPopup}};
    case tray_code::RightUp:
        return {{TrayAction::MouseUp, mbRight}};
    case tray_code::MiddleDown:
        return {{TrayAction::MouseDown, mbMiddle}};
    case tray_code::MiddleUp:
        return {{TrayAction::MouseUp, mbMiddle}};
    default:
        return {};
    }
}

std::vector<TrayStep> TrayClickLogic::LeftDown(const TrayInputSettings& settings) {
    std::vector<TrayStep> steps;
    if (settings.hasDblClickHandler) {
        steps.push_back({TrayAction::StartClickDelay});
        FClickDelayRunning = true;
    }
    steps.push_back({TrayAction::MouseDown, mbLeft});
    FButtonDownSeen = true;
    if (settings.leftPopup) {
        steps.push_back({TrayAction::ShowPopup});
    }
    return steps;
}

std::vector<TrayStep> TrayClickLogic::LeftUp() {
    std::vector<TrayStep> steps;
    if (FButtonDownSeen) {
        FClickArmed = true;
        // Without a pending double-click decision the click belongs to this release.
        if (!FClickDelayRunning) {
            FClickArmed = false;
            steps.push_back({TrayAction::Click});
        }
    }
    FButtonDownSeen = false;
    steps.push_back({TrayAction::MouseUp, mbLeft});
    return steps;
}

std::vector<TrayStep> TrayClickLogic::ClickDelayElapsed() {
    std::vector<TrayStep> steps{{TrayAction::StopClickDelay}};
    FClickDelayRunning = false;
    if (!FDoubleClicked && FClickArmed) {
        FClickArmed = false;
        steps.push_back({TrayAction::Click});
    }
    FDoubleClicked = false;
    return steps;
}

std::vector<TrayStep> TrayClickLogic::ExitPoll(TrayPoint pointer) {
    // The shell reports only movement over the icon, so leaving it shows as the pointer being
    // somewhere else than the last movement said.
    if (!FPointerOutside && pointer != FLastPointerPos) {
        FPointerOutside = true;
        return {{TrayAction::MouseExit}};
    }
    return {};
}

}  // namespace lenzor
