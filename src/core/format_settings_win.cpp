#include "core/format_settings_win.h"

#include "core/format_settings.h"

#include <windows.h>

#include <string>

namespace lenzor {
namespace {

bool ReadLocaleText(LCTYPE type, std::string& out) {
    wchar_t buffer[128];
    int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer, 128);
    if (length <= 1) {
        return false;
    }
    int bytes = WideCharToMultiByte(CP_UTF8, 0, buffer, length - 1, nullptr, 0, nullptr, nullptr);
    out.assign(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, buffer, length - 1, out.data(), bytes, nullptr, nullptr);
    return true;
}

}  // namespace

void LoadUserFormatSettings() {
    FormatSettings settings = CurrentFormatSettings();
    std::string text;
    // The number text forms work on one byte; a separator outside ASCII cannot be one.
    if (ReadLocaleText(LOCALE_SDECIMAL, text) && static_cast<unsigned char>(text[0]) < 0x80) {
        settings.decimalSeparator = text[0];
    }
    if (ReadLocaleText(LOCALE_SSHORTDATE, text)) {
        settings.shortDateFormat = text;
    }
    if (ReadLocaleText(LOCALE_STIMEFORMAT, text)) {
        settings.longTimeFormat = text;
    }
    if (ReadLocaleText(LOCALE_S1159, text)) {
        settings.timeAMString = text;
    }
    if (ReadLocaleText(LOCALE_S2359, text)) {
        settings.timePMString = text;
    }
    SetCurrentFormatSettings(settings);
}

}  // namespace lenzor
