#include "app/error_text.h"
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
    const StartSwitches both = ParseStartSwitches({"-l", "-S"});
    EXPECT_TRUE(both.showMainForm && both.languageBuild);
    EXPECT_FALSE(ParseStartSwitches({"-S"}).languageBuild);
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

}  // namespace
}  // namespace lenzor
