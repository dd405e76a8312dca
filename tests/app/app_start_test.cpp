#include "app/error_text.h"
#include "app/lens_test_hook.h"
#include "app/start_switches.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace lenzor {
namespace {

TEST(StartSwitchesTest, DashSInEitherCaseShowsTheMainForm) {
    EXPECT_FALSE(ParseStartSwitches({}).showMainForm);
    EXPECT_TRUE(ParseStartSwitches({"-S"}).showMainForm);
    EXPECT_TRUE(ParseStartSwitches({"-s"}).showMainForm);
    EXPECT_TRUE(ParseStartSwitches({"-x", "other", "-s"}).showMainForm);
    EXPECT_FALSE(ParseStartSwitches({"/S", "-SS", "S", "-S "}).showMainForm);
}

TEST(ErrorTextTest, AddsAFullStopOnlyAfterALetterOrDigit) {
    EXPECT_EQ(ErrorBoxText("Unable to write to C:\\Lenzor.ini"),
              "Unable to write to C:\\Lenzor.ini.");
    EXPECT_EQ(ErrorBoxText("Range check error."), "Range check error.");
    EXPECT_EQ(ErrorBoxText("List index out of bounds (5)"), "List index out of bounds (5)");
    EXPECT_EQ(ErrorBoxText("Value 7"), "Value 7.");
    EXPECT_EQ(ErrorBoxText(""), "");
    EXPECT_EQ(ErrorBoxText(std::make_exception_ptr(std::runtime_error("Out of memory"))),
              "Out of memory.");
    EXPECT_EQ(ErrorBoxText(std::make_exception_ptr(42)), "Unknown error.");
}

TEST(LensTestHookTest, ReadsTheModesAndTheInterval) {
    const LensTestHook hook = ParseLensTestHook("position=3,contrast=1,interval=3000");
    EXPECT_EQ(hook.positionMode, 3);
    EXPECT_EQ(hook.contrastMode, 1);
    EXPECT_EQ(hook.updateInterval, 3000);

    const LensTestHook empty = ParseLensTestHook("");
    EXPECT_FALSE(empty.positionMode || empty.contrastMode || empty.updateInterval);
}

TEST(LensTestHookTest, IgnoresWhatItDoesNotUnderstand) {
    const LensTestHook hook =
        ParseLensTestHook("zoom=3,position=x,contrast=2junk,interval=-5,,position,contrast=2");
    EXPECT_FALSE(hook.positionMode);
    EXPECT_EQ(hook.contrastMode, 2);
    EXPECT_FALSE(hook.updateInterval);
}

}  // namespace
}  // namespace lenzor
