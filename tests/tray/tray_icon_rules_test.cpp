// Tooltip truncation and icon index rules of the notification-area icon.
#include "tray/tray_icon_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace lenzor {
namespace {

TEST(TrayTipText, KeepsTheFirst127Characters) {
    std::string hint;
    for (int i = 0; i < 200; ++i) {
        hint += static_cast<char>('a' + i % 26);
    }
    EXPECT_EQ(TrayTipText(hint, true), hint.substr(0, 127));
    EXPECT_EQ(TrayTipText(hint.substr(0, 127), true), hint.substr(0, 127));
    EXPECT_EQ(TrayTipText("Lenzor", true), "Lenzor");
}

TEST(TrayTipText, EmptyWhenHidden) {
    EXPECT_EQ(TrayTipText("Lenzor", false), "");
    EXPECT_EQ(TrayTipText("", true), "");
}

TEST(TrayTipText, CountsUtf16UnitsAndNeverSplitsACharacter) {
    const std::string e = "\xC3\xA9";          // é: 2 bytes, 1 unit
    const std::string g = "\xF0\x9D\x84\x9E";  // U+1D11E: 4 bytes, a surrogate pair
    std::string accented;
    for (int i = 0; i < 130; ++i) {
        accented += e;
    }
    EXPECT_EQ(TrayTipText(accented, true).size(), 127u * 2);

    // 126 units, then a pair that would need units 127 and 128: it is left out whole.
    std::string tail = std::string(126, 'x') + g + "y";
    EXPECT_EQ(TrayTipText(tail, true), std::string(126, 'x'));
    std::string fits = std::string(125, 'x') + g + "y";
    EXPECT_EQ(TrayTipText(fits, true), std::string(125, 'x') + g);
}

TEST(TrayTipText, TruncatedMultiByteSequenceAtTheEndIsKeptByteForByte) {
    std::string broken = "ab\xE2\x82";  // a 3-byte lead with one continuation byte
    EXPECT_EQ(TrayTipText(broken, true), broken);
}

TEST(IconIndex, ClampsIntoTheList) {
    EXPECT_EQ(ClampIconIndex(10, 4), 3);
    EXPECT_EQ(ClampIconIndex(4, 4), 3);
    EXPECT_EQ(ClampIconIndex(2, 4), 2);
    EXPECT_EQ(ClampIconIndex(-1, 4), 0);
    EXPECT_EQ(ClampIconIndex(5, 0), 0);
}

TEST(IconIndex, CyclesBackToTheFirst) {
    EXPECT_EQ(NextCycleIndex(0, 3), 1);
    EXPECT_EQ(NextCycleIndex(1, 3), 2);
    EXPECT_EQ(NextCycleIndex(2, 3), 0);
    EXPECT_EQ(NextCycleIndex(0, 1), 0);
}

}  // namespace
}  // namespace lenzor
