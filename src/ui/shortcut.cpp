#include "ui/shortcut.h"

namespace lenzor {
namespace {

struct KeyNameEntry {
    std::uint16_t key;
    const char* name;
};

// Keys outside the letter, digit, keypad-digit and function-key ranges.
constexpr KeyNameEntry kKeyNames[] = {
    {0x08, "BkSp"},    {0x09, "Tab"},   {0x0D, "Enter"}, {0x13, "Pause"}, {0x1B, "Esc"},
    {0x20, "Space"},   {0x21, "PgUp"},  {0x22, "PgDn"},  {0x23, "End"},   {0x24, "Home"},
    {0x25, "Left"},    {0x26, "Up"},    {0x27, "Right"}, {0x28, "Down"},  {0x2C, "PrtSc"},
    {0x2D, "Ins"},     {0x2E, "Del"},   {0x6A, "Num *"}, {0x6B, "Num +"}, {0x6D, "Num -"},
    {0x6E, "Num Del"}, {0x6F, "Num /"}, {0xBA, ";"},     {0xBB, "="},     {0xBC, ","},
    {0xBD, "-"},       {0xBE, "."},     {0xBF, "/"},     {0xC0, "`"},     {0xDB, "["},
    {0xDC, "\\"},      {0xDD, "]"},     {0xDE, "'"},
};

std::string KeyName(std::uint16_t key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
        return std::string(1, static_cast<char>(key));
    }
    if (key >= 0x60 && key <= 0x69) {
        return "Num " + std::to_string(key - 0x60);
    }
    if (key >= 0x70 && key <= 0x87) {
        return "F" + std::to_string(key - 0x6F);
    }
    for (const KeyNameEntry& entry : kKeyNames) {
        if (entry.key == key) {
            return entry.name;
        }
    }
    return {};
}

}  // namespace

TShortCutParts ShortCutToKey(TShortCut shortCut) {
    TShortCutParts parts;
    parts.key = shortCut & scKeyMask;
    if (shortCut & scShift) {
        parts.shift |= ssShift;
    }
    if (shortCut & scCtrl) {
        parts.shift |= ssCtrl;
    }
    if (shortCut & scAlt) {
        parts.shift |= ssAlt;
    }
    return parts;
}

TShortCut ShortCut(std::uint16_t key, TShiftState shift) {
    TShortCut result = key & scKeyMask;
    if (shift & ssShift) {
        result |= scShift;
    }
    if (shift & ssCtrl) {
        result |= scCtrl;
    }
    if (shift & ssAlt) {
        result |= scAlt;
    }
    return result;
}

std::string ShortCutToText(TShortCut shortCut) {
    std::string name = KeyName(shortCut & scKeyMask);
    if (name.empty()) {
        return {};
    }
    std::string text;
    if (shortCut & scShift) {
        text += "Shift+";
    }
    if (shortCut & scCtrl) {
        text += "Ctrl+";
    }
    if (shortCut & scAlt) {
        text += "Alt+";
    }
    return text + name;
}

}  // namespace lenzor
