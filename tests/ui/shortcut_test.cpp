// Shortcut values: splitting into key and shift state, and the key text menus show.
#include "ui/shortcut.h"

#include <gtest/gtest.h>

namespace lenzor {
namespace {

TEST(ShortCut, SplitsKeyAndModifierBits) {
    TShortCutParts parts = ShortCutToKey(49223);  // Ctrl+Alt+G
    EXPECT_EQ(parts.key, 'G');
    EXPECT_EQ(parts.shift, TShiftState{ssCtrl | ssAlt});

    parts = ShortCutToKey(scShift | 0x1FFF);
    EXPECT_EQ(parts.key, 0x1FFF);
    EXPECT_EQ(parts.shift, TShiftState{ssShift});

    EXPECT_EQ(ShortCutToKey(0).shift, 0u);
}

TEST(ShortCut, BuildsFromKeyAndShiftIgnoringMouseButtons) {
    EXPECT_EQ(ShortCut('G', ssCtrl | ssAlt), 49223);
    EXPECT_EQ(ShortCut(0x70, ssShift | ssLeft | ssMiddle), scShift | 0x70);
    // Key bits above the 13-bit field would land on the modifier bits.
    EXPECT_EQ(ShortCut(0xFFFF, 0), 0x1FFF);
    for (TShortCut value : {TShortCut{49223}, TShortCut{0xE041}, TShortCut{0x2070}}) {
        TShortCutParts parts = ShortCutToKey(value);
        EXPECT_EQ(ShortCut(parts.key, parts.shift), value);
    }
}

TEST(ShortCutText, ModifiersInShiftCtrlAltOrder) {
    EXPECT_EQ(ShortCutToText(49223), "Ctrl+Alt+G");
    EXPECT_EQ(ShortCutToText(scShift | scCtrl | scAlt | '7'), "Shift+Ctrl+Alt+7");
    EXPECT_EQ(ShortCutToText(scShift | 0x70), "Shift+F1");
    EXPECT_EQ(ShortCutToText('Q'), "Q");
}

TEST(ShortCutText, NamesSpecialKeys) {
    EXPECT_EQ(ShortCutToText(scCtrl | 0x87), "Ctrl+F24");
    EXPECT_EQ(ShortCutToText(scAlt | 0x20), "Alt+Space");
    EXPECT_EQ(ShortCutToText(0x2E), "Del");
    EXPECT_EQ(ShortCutToText(0x1B), "Esc");
    EXPECT_EQ(ShortCutToText(0x65), "Num 5");
    EXPECT_EQ(ShortCutToText(scCtrl | 0xBC), "Ctrl+,");
}

TEST(ShortCutText, EmptyForNoneOrUnnamedKey) {
    EXPECT_EQ(ShortCutToText(0), "");
    EXPECT_EQ(ShortCutToText(scCtrl | scAlt), "");  // modifiers alone
    EXPECT_EQ(ShortCutToText(scCtrl | 0x100), "");  // beyond any virtual-key code
    EXPECT_EQ(ShortCutToText(scCtrl | 0xFF), "");
}

}  // namespace
}  // namespace lenzor
