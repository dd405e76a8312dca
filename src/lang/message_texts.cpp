#include "lang/message_texts.h"

namespace lenzor {

std::span<const MessageText> ProgramMessageTexts() {
    static constexpr MessageText kAll[] = {
        kMsgGeneral,           kMsgAbout,         kMsgProVersion,   kMsgReadmeFile,
        kMsgProVersionFile,    kMsgEnterAnyZoom,  kMsgErrorCaption, kMsgErrZoomFactor,
        kMsgErrUpdateInterval, kMsgAutoRunFailed, kMsgHotKeyTaken, kMsgSettingsNotSaved,
    };
    return kAll;
}

}  // namespace lenzor
