#include "core/format_settings_win.h"

#include "core/format_settings.h"
#include "core/text_forms.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace lenzor {
namespace {

// Changes the user's locale settings in the test's own Wine prefix, as a user would in the
// control panel, and restores them afterwards.
class UserLocaleTest : public ::testing::Test {
protected:
    void SetUp() override { saved_ = CurrentFormatSettings(); }
    void TearDown() override {
        for (const auto& [type, value] : original_) {
            SetLocaleInfoW(LOCALE_USER_DEFAULT, type, value.c_str());
        }
        SetCurrentFormatSettings(saved_);
    }
    void SetUserLocale(LCTYPE type, const wchar_t* value) {
        wchar_t buffer[128] = {};
        GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 128);
        original_.emplace_back(type, buffer);
        ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, type, value));
    }

    FormatSettings saved_;
    std::vector<std::pair<LCTYPE, std::wstring>> original_;
};

TEST_F(UserLocaleTest, TextFormsFollowTheUsersLocaleAfterLoading) {
    SetUserLocale(LOCALE_SDECIMAL, L",");
    SetUserLocale(LOCALE_SSHORTDATE, L"dd.MM.yyyy");
    SetUserLocale(LOCALE_STIMEFORMAT, L"HH:mm:ss");
    LoadUserFormatSettings();

    EXPECT_EQ(CurrentFormatSettings().decimalSeparator, ',');
    EXPECT_EQ(FloatToText(2.5), "2,5");
    double value = 0;
    EXPECT_TRUE(TryTextToFloat("2,5", value));
    EXPECT_FALSE(TryTextToFloat("2.5", value));
    EXPECT_EQ(DateTimeToText(45000.75), "15.03.2023 18:00:00");
}

TEST_F(UserLocaleTest, ReadsTwelveHourFormatsWithTheirMarkers) {
    SetUserLocale(LOCALE_SDECIMAL, L".");
    SetUserLocale(LOCALE_SSHORTDATE, L"M/d/yyyy");
    SetUserLocale(LOCALE_STIMEFORMAT, L"h:mm:ss tt");
    SetUserLocale(LOCALE_S2359, L"pm");
    LoadUserFormatSettings();

    EXPECT_EQ(DateTimeToText(45000.75), "3/15/2023 6:00:00 pm");
    double value = 0;
    ASSERT_TRUE(TryTextToDateTime("3/15/2023 6:00:00 pm", value));
    EXPECT_EQ(value, 45000.75);
}

}  // namespace
}  // namespace lenzor
