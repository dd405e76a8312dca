#include "options/opt_storage_ini.h"

#include "core/errors.h"
#include "core/format_settings.h"
#include "options/opt_system.h"
#include "temp_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

namespace lenzor {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;

// The application's settings as it declares them.
void DeclareApplicationSettings(TOptSystem& options) {
    struct Setting {
        const char* name;
        TOptDataType type;
        Variant value;
    };
    const Setting settings[] = {
        {"MouseControl.Lenzor.ZoomFactor", dtFloat, Variant(Currency{20000})},
        {"MouseControl.Lenzor.Alpha", dtInteger, 160},
        {"MouseControl.Lenzor.ContrastMode", dtInteger, 0},
        {"MouseControl.Lenzor.PositionMode", dtInteger, 0},
        {"MouseControl.Lenzor.CornerTrackOffSet", dtInteger, 10},
        {"MouseControl.Lenzor.Width", dtInteger, 250},
        {"MouseControl.Lenzor.Height", dtInteger, 250},
        {"MouseControl.Lenzor.UpdateInterval", dtInteger, 100},
        {"MouseControl.Lenzor.LeftFixed", dtInteger, 0},
        {"MouseControl.Lenzor.TopFixed", dtInteger, 0},
        {"MouseControl.Lenzor.FixedContrast.Brightness", dtInteger, 0},
        {"MouseControl.Lenzor.FixedContrast.Contrast", dtInteger, 0},
        {"MouseControl.Lenzor.FixedContrast.Saturation", dtInteger, 0},
        {"MouseControl.Lenzor.MouseThrough", dtBoolean, true},
        {"MouseControl.Lenzor.BreakageTVLevel", dtInteger, 0},
        {"Common.ShowAfterStart", dtBoolean, false},
        {"Common.FirstStart", dtBoolean, true},
        {"Common.Language", dtString, "English"},
        {"Common.HotKeyShowGlass", dtInteger, 0},
    };
    for (const Setting& s : settings) {
        options.AddItem(s.name, s.type, s.value, true, true);
    }
}

std::string MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Exception& e) {
        return e.what();
    }
    return "no error";
}

class IniStorageTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = CurrentFormatSettings();
        SetCurrentFormatSettings(FormatSettings{});
        DeclareApplicationSettings(options_);
    }
    void TearDown() override { SetCurrentFormatSettings(saved_); }

    // Writes the file, loads every option from it and returns the named option's value.
    Variant LoadFrom(const std::string& content, const std::string& name) {
        WriteBytes(path_, content);
        storage_.Open();
        options_.LoadAll();
        storage_.Close();
        return options_.Item(name).GetValue();
    }

    TempFolder folder_;
    std::string path_ = folder_.File("Lenzor.ini");
    TOptStorageINIFile storage_{path_};
    TOptSystem options_{&storage_};
    FormatSettings saved_;
};

TEST_F(IniStorageTest, FirstSaveWritesEverySettingInDeclarationOrder) {
    storage_.Open();
    EXPECT_TRUE(options_.LoadAll());
    storage_.Close();
    EXPECT_FALSE(FileExists(path_));  // loading alone creates no file

    storage_.Open();
    EXPECT_TRUE(options_.SaveAll());
    storage_.Close();
    EXPECT_EQ(ReadBytes(path_), "[MouseControl]\r\n"
                                "Lenzor.ZoomFactor=2\r\n"
                                "Lenzor.Alpha=160\r\n"
                                "Lenzor.ContrastMode=0\r\n"
                                "Lenzor.PositionMode=0\r\n"
                                "Lenzor.CornerTrackOffSet=10\r\n"
                                "Lenzor.Width=250\r\n"
                                "Lenzor.Height=250\r\n"
                                "Lenzor.UpdateInterval=100\r\n"
                                "Lenzor.LeftFixed=0\r\n"
                                "Lenzor.TopFixed=0\r\n"
                                "Lenzor.FixedContrast.Brightness=0\r\n"
                                "Lenzor.FixedContrast.Contrast=0\r\n"
                                "Lenzor.FixedContrast.Saturation=0\r\n"
                                "Lenzor.MouseThrough=1\r\n"
                                "Lenzor.BreakageTVLevel=0\r\n"
                                "[Common]\r\n"
                                "ShowAfterStart=0\r\n"
                                "FirstStart=1\r\n"
                                "Language=English\r\n"
                                "HotKeyShowGlass=0\r\n");
}

TEST_F(IniStorageTest, SavedValuesLoadBack) {
    options_.Item("MouseControl.Lenzor.ZoomFactor").SetValue(Variant(2.75));
    options_.Item("MouseControl.Lenzor.FixedContrast.Brightness").SetValue(Variant(-255));
    options_.Item("Common.Language").SetValue(Variant("Deutsch"));
    options_.Item("Common.FirstStart").SetValue(Variant(false));
    storage_.Open();
    options_.SaveAll();
    storage_.Close();

    TOptSystem fresh(&storage_);
    DeclareApplicationSettings(fresh);
    storage_.Open();
    fresh.LoadAll();
    storage_.Close();
    EXPECT_EQ(fresh.Item("MouseControl.Lenzor.ZoomFactor").GetValue().ToDouble(), 2.75);
    EXPECT_EQ(fresh.Item("MouseControl.Lenzor.FixedContrast.Brightness").GetValue().ToInt32(),
              -255);
    EXPECT_EQ(fresh.Item("Common.Language").GetValue().ToString(), "Deutsch");
    EXPECT_FALSE(fresh.Item("Common.FirstStart").GetValue().ToBoolean());
}

TEST_F(IniStorageTest, IntegersReadDecimalAndHexadecimalElseTheDefault) {
    const std::pair<const char*, int32_t> cases[] = {
        {"abc", 160}, {"0x20", 32},   {"0X20", 32},        {"$20", 32},
        {"-5", -5},   {"", 160},      {"4294967296", 160}, {"$FFFFFFFF", 160},
        {"2.5", 160}, {"12 ab", 160}, {"\"42\"", 42},
    };
    for (const auto& [text, expected] : cases) {
        std::string file = std::string("[MouseControl]\nLenzor.Alpha=") + text + "\n";
        EXPECT_EQ(LoadFrom(file, "MouseControl.Lenzor.Alpha").ToInt32(), expected) << text;
    }
    EXPECT_EQ(LoadFrom("[MouseControl]\n", "MouseControl.Lenzor.Alpha").ToInt32(), 160);
}

TEST_F(IniStorageTest, BooleansReadAsIntegers) {
    const std::pair<const char*, bool> cases[] = {
        {"True", true}, {"2", true}, {"0", false}, {"-1", true}, {"", true}, {"0x0", false},
    };
    for (const auto& [text, expected] : cases) {
        std::string file =
            std::string("[Common]\nFirstStart=") + text + "\nShowAfterStart=" + text + "\n";
        EXPECT_EQ(LoadFrom(file, "Common.FirstStart").ToBoolean(), expected) << text;
    }
    // The default of ShowAfterStart is false, so "True" loads false there.
    EXPECT_FALSE(LoadFrom("[Common]\nShowAfterStart=True\n", "Common.ShowAfterStart").ToBoolean());
}

TEST_F(IniStorageTest, OnlyAMissingKeyGivesTheDefaultText) {
    EXPECT_EQ(LoadFrom("[Common]\nLanguage=\n", "Common.Language").ToString(), "");
    EXPECT_EQ(LoadFrom("[Common]\n", "Common.Language").ToString(), "English");
    std::string longName(3000, 'x');
    EXPECT_EQ(LoadFrom("[Common]\nLanguage=" + longName + "\n", "Common.Language").ToString(),
              longName.substr(0, 2047));
}

TEST_F(IniStorageTest, FloatsFollowTheLocaleDecimalSeparator) {
    FormatSettings comma;
    comma.decimalSeparator = ',';
    SetCurrentFormatSettings(comma);
    options_.Item("MouseControl.Lenzor.ZoomFactor").SetValue(Variant(2.5));
    storage_.Open();
    options_.SaveAll();
    storage_.Close();
    EXPECT_NE(ReadBytes(path_).find("Lenzor.ZoomFactor=2,5\r\n"), std::string::npos);

    SetCurrentFormatSettings(FormatSettings{});
    storage_.Open();
    options_.LoadAll();
    storage_.Close();
    EXPECT_EQ(options_.Item("MouseControl.Lenzor.ZoomFactor").GetValue().ToDouble(), 2.0);
    EXPECT_EQ(LoadFrom("[MouseControl]\nLenzor.ZoomFactor=1E-5\n", "MouseControl.Lenzor.ZoomFactor")
                  .ToDouble(),
              1e-5);
}

TEST_F(IniStorageTest, LowerCaseSectionsAndKeysAreFound) {
    EXPECT_TRUE(LoadFrom("[common]\nshowafterstart=1\n", "Common.ShowAfterStart").ToBoolean());
}

TEST_F(IniStorageTest, SectionIsTheNameUpToTheFirstDot) {
    TOptSystem options(&storage_);
    options.AddItem(".Width", dtInteger, 1, true, true);
    options.AddItem("NoDot", dtInteger, 2, true, true);
    options.AddItem("A.b.c", dtInteger, 3, true, true);
    storage_.Open();
    options.SaveAll();
    storage_.Close();
    EXPECT_EQ(ReadBytes(path_), "[OptNone]\r\nWidth=1\r\nNoDot=2\r\n[A]\r\nb.c=3\r\n");
}

TEST_F(IniStorageTest, RefusesNamesWithoutKeyAndTypesWithoutForm) {
    TOptSystem options(&storage_);
    TOptItem& noKey = options.AddItem("Common.", dtInteger, 1, true, true);
    TOptItem& reference = options.AddItem("Common.Ref", dtReference, 5, true, true);
    storage_.Open();
    // Each error names the call and the item.
    EXPECT_THAT(MessageOf([&] { noKey.Save(); }),
                AllOf(HasSubstr("TOptStorageINIFile.Save"), HasSubstr(" Common.")));
    EXPECT_THAT(MessageOf([&] { noKey.Load(); }),
                AllOf(HasSubstr("TOptStorageINIFile.Load"), HasSubstr(" Common.")));
    EXPECT_THAT(MessageOf([&] { reference.Save(); }),
                AllOf(HasSubstr("TOptStorageINIFile.Save"), HasSubstr("Common.Ref")));
    EXPECT_THAT(MessageOf([&] { reference.Load(); }),
                AllOf(HasSubstr("TOptStorageINIFile.Load"), HasSubstr("Common.Ref")));
    EXPECT_EQ(reference.GetValue().ToInt32(), 5);
    storage_.Close();
    EXPECT_FALSE(FileExists(path_));
}

TEST_F(IniStorageTest, DateTypesUseTheirTextForms) {
    TOptSystem options(&storage_);
    options.AddItem("When.Both", dtDateTime, Variant::FromDateTime(45000.75), true, true);
    options.AddItem("When.Day", dtDate, Variant::FromDateTime(45000.75), true, true);
    options.AddItem("When.Clock", dtTime, Variant::FromDateTime(45000.75), true, true);
    storage_.Open();
    options.SaveAll();
    storage_.Close();
    EXPECT_EQ(ReadBytes(path_), "[When]\r\nBoth=2023-03-15 18:00:00\r\nDay=2023-03-15\r\n"
                                "Clock=18:00:00\r\n");
    WriteBytes(path_, "[When]\nBoth=2024-02-29 06:00:00\nDay=2024-02-30\nClock=6:30\n");
    storage_.Open();
    options.LoadAll();
    storage_.Close();
    EXPECT_EQ(options.Item("When.Both").GetValue().ToDouble(), 45351.25);
    EXPECT_EQ(options.Item("When.Day").GetValue().ToDouble(), 45000.75);  // invalid: default
    EXPECT_EQ(options.Item("When.Clock").GetValue().ToDouble(), 6.5 / 24);
}

TEST_F(IniStorageTest, SaveAndLoadNeedAnOpenStorage) {
    TOptItem& alpha = options_.Item("MouseControl.Lenzor.Alpha");
    EXPECT_THROW(alpha.Save(), EInvalidOperation);
    EXPECT_THROW(alpha.Load(), EInvalidOperation);
    EXPECT_TRUE(storage_.Close());  // closing a closed storage is harmless
}

TEST_F(IniStorageTest, ReadsSeeTheFileAtOpenPlusOwnSaves) {
    WriteBytes(path_, "[MouseControl]\nLenzor.Alpha=50\n");
    storage_.Open();
    WriteBytes(path_, "[MouseControl]\nLenzor.Alpha=60\nLenzor.Width=300\n");
    TOptItem& alpha = options_.Item("MouseControl.Lenzor.Alpha");
    alpha.Load();
    EXPECT_EQ(alpha.GetValue().ToInt32(), 50);
    alpha.SetValue(70);
    alpha.Save();
    alpha.SetValue(0);
    alpha.Load();
    EXPECT_EQ(alpha.GetValue().ToInt32(), 70);
    EXPECT_EQ(ReadBytes(path_), "[MouseControl]\nLenzor.Alpha=60\nLenzor.Width=300\n");
    storage_.Close();
    // Another program's change made while open survives; the saved value is in the file.
    EXPECT_EQ(ReadBytes(path_), "[MouseControl]\nLenzor.Alpha=70\r\nLenzor.Width=300\n");
}

TEST_F(IniStorageTest, ALineBreakInAValueIsRefusedAndInjectsNothing) {
    WriteBytes(path_, "[Common]\nLanguage=English\n");
    options_.Item("Common.Language").SetValue(Variant("Deutsch\r\n[Evil]\r\nx=1"));
    options_.Item("Common.FirstStart").SetValue(Variant(false));
    storage_.Open();
    options_.Item("Common.FirstStart").Save();
    EXPECT_THAT(MessageOf([&] { options_.Item("Common.Language").Save(); }), HasSubstr(path_));
    storage_.Close();
    EXPECT_EQ(ReadBytes(path_), "[Common]\nLanguage=English\nFirstStart=0\r\n");
}

TEST_F(IniStorageTest, AReadOnlyFileIsRefusedAndKeptAsItWas) {
    const std::string original = "[Common]\r\nLanguage=English\r\n";
    WriteBytes(path_, original);
    std::filesystem::permissions(PathFromUtf8(path_),
                                 std::filesystem::perms::owner_write |
                                     std::filesystem::perms::group_write |
                                     std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
    storage_.Open();
    options_.Item("Common.Language").SetValue(Variant("Deutsch"));
    options_.Item("Common.Language").Save();
    EXPECT_THAT(MessageOf([&] { storage_.Close(); }), HasSubstr(path_));
    EXPECT_FALSE(storage_.IsOpen());
    EXPECT_EQ(ReadBytes(path_), original);
    EXPECT_EQ(folder_.EntryCount(), 1u);  // no temporary file left behind
}

TEST_F(IniStorageTest, OpeningAgainWritesWhatTheFirstOpeningSaved) {
    storage_.Open();
    options_.Item("Common.HotKeyShowGlass").SetValue(49223);
    options_.Item("Common.HotKeyShowGlass").Save();
    storage_.Open();
    EXPECT_EQ(ReadBytes(path_), "[Common]\r\nHotKeyShowGlass=49223\r\n");
    storage_.Close();
}

TEST_F(IniStorageTest, DestroyingAnOpenStorageStillWritesItsSaves) {
    {
        TOptStorageINIFile storage(path_);
        TOptSystem options(&storage);
        options.AddItem("Common.FirstStart", dtBoolean, false, true, true);
        storage.Open();
        options.SaveAll();
    }
    EXPECT_EQ(ReadBytes(path_), "[Common]\r\nFirstStart=0\r\n");
}

}  // namespace
}  // namespace lenzor
