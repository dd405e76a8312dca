// Every message text the program asks the language file for, with its built-in English: the
// keys of a language file's "Misc" section. The language template lists them all.
#pragma once

#include <span>
#include <string_view>

namespace lenzor {

struct MessageText {
    std::string_view key;
    std::string_view text;
};

inline constexpr MessageText kMsgGeneral{"General", "General"};
inline constexpr MessageText kMsgAbout{"About", "About"};
inline constexpr MessageText kMsgProVersion{"Pro version", "Pro version"};
inline constexpr MessageText kMsgReadmeFile{"Readme.txt", "Readme.txt"};
inline constexpr MessageText kMsgProVersionFile{"ProVersion.txt", "ProVersion.txt"};
inline constexpr MessageText kMsgEnterAnyZoom{"TFrameLenzorOpt.EnterAnyZoom", "(enter any...)"};
inline constexpr MessageText kMsgErrorCaption{"ErrorCaption", "Error"};
inline constexpr MessageText kMsgErrZoomFactor{"TFrameLenzorOpt.ErrZoomfactor",
                                               "Syntax error in \"Zoom factor\" value!"};
inline constexpr MessageText kMsgErrUpdateInterval{"TFrameLenzorOpt.ErrUpdateInterval",
                                                   "Syntax error in \"Update Interval\" value!"};
// Built-in texts stay on one line: without a language file they are shown as they are.
inline constexpr MessageText kMsgAutoRunFailed{
    "AutoRunFailed",
    "Lenzor could not change whether it starts with Windows: your account may not write the "
    "registry's Run key."};

inline constexpr MessageText kMsgHotKeyTaken{
    "HotKeyTaken",
    "Another program uses the hot key %s, so Lenzor cannot. Choose another one in the "
    "settings."};
inline constexpr MessageText kMsgSettingsNotSaved{"SettingsNotSaved",
                                                  "Lenzor could not save its settings. %s"};

// All of them, in the order the template lists them.
std::span<const MessageText> ProgramMessageTexts();

}  // namespace lenzor
