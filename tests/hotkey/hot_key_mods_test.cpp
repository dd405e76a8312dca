// Hot-key modifier sets and their conversions.
#include "hotkey/hot_key_mods.h"

#include <gtest/gtest.h>

namespace lenzor {
namespace {

TEST(HotKeyMods, SetBitsMatchTheSystemFlags) {
    EXPECT_EQ(ModsToFlags({kmAlt}), 1u);    // MOD_ALT
    EXPECT_EQ(ModsToFlags({kmCtrl}), 2u);   // MOD_CONTROL
    EXPECT_EQ(ModsToFlags({kmShift}), 4u);  // MOD_SHIFT
    EXPECT_EQ(ModsToFlags({kmWin}), 8u);    // MOD_WIN
    EXPECT_EQ(ModsToFlags({kmCtrl, kmAlt}), 3u);
    EXPECT_EQ(ModsToFlags({}), 0u);
}

TEST(HotKeyMods, FlagsToModsKeepsOnlyTheFourModifierBits) {
    EXPECT_EQ(FlagsToMods(3), (THKeyMods{kmAlt, kmCtrl}));
    EXPECT_EQ(FlagsToMods(0x4000 | 8), (THKeyMods{kmWin}));  // MOD_NOREPEAT dropped
    EXPECT_EQ(FlagsToMods(0xF0), THKeyMods{});
    for (unsigned flags = 0; flags < 16; ++flags) {
        EXPECT_EQ(ModsToFlags(FlagsToMods(flags)), flags);
    }
    THKeyMods all = FlagsToMods(15);
    EXPECT_TRUE(all.Contains(kmAlt) && all.Contains(kmCtrl) && all.Contains(kmShift) &&
                all.Contains(kmWin));
}

TEST(HotKeyMods, ShiftToModsNeverGivesWin) {
    EXPECT_EQ(ShiftToMods(ssCtrl | ssAlt), (THKeyMods{kmCtrl, kmAlt}));
    EXPECT_EQ(ShiftToMods(ssShift), (THKeyMods{kmShift}));
    EXPECT_EQ(ShiftToMods(ssShift | ssCtrl | ssAlt | ssLeft | ssRight | ssMiddle),
              (THKeyMods{kmShift, kmCtrl, kmAlt}));
    EXPECT_EQ(ShiftToMods(ssLeft | ssRight | ssMiddle), THKeyMods{});
}

}  // namespace
}  // namespace lenzor
