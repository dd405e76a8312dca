#include "options/opt_system.h"

#include "core/errors.h"
#include "options/opt_storage.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace lenzor {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;

// Records calls; loading sets integers to 1000 + the call number; can fail or raise.
class RecordingStorage : public TOptStorage {
public:
    bool Open() override { return true; }
    bool Close() override { return true; }
    bool Save(TOptItem& item) override { return Visit("save", item); }
    bool Load(TOptItem& item) override {
        bool result = Visit("load", item);
        item.SetValue(Variant(1000 + static_cast<int32_t>(calls.size())));
        return result;
    }

    std::vector<std::string> calls;
    std::string raiseFor;
    std::string falseFor;

private:
    bool Visit(const char* what, TOptItem& item) {
        if (item.Name() == raiseFor) {
            throw EInvalidArgument("storage failed");
        }
        calls.push_back(std::string(what) + " " + item.Name());
        return item.Name() != falseFor;
    }
};

std::string MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Exception& e) {
        return e.what();
    }
    return "no error";
}

TEST(OptSystemTest, DeclaredValueBecomesTheDefault) {
    TOptSystem options(nullptr);
    TOptItem& alpha =
        options.AddItem("MouseControl.Lenzor.Alpha", dtInteger, Variant(160), true, true);
    EXPECT_EQ(alpha.GetDefault().ToInt32(), 160);
    alpha.SetValue(Variant(200));
    EXPECT_EQ(alpha.GetValue().ToInt32(), 200);
    EXPECT_EQ(alpha.DefaultValue().GetAsInteger(), 160);
    EXPECT_TRUE(alpha.SaveEnabled());
    EXPECT_EQ(&options.Items(0), &alpha);

    TOptItem& zoom = options.AddItem("MouseControl.Lenzor.ZoomFactor", dtFloat,
                                     Variant(Currency{20000}), true, false);
    EXPECT_EQ(zoom.GetValue().ToDouble(), 2.0);
    EXPECT_FALSE(zoom.LoadEnabled());
}

TEST(OptSystemTest, NamesAreUniqueAndFoundRegardlessOfCase) {
    TOptSystem options(nullptr);
    TOptItem& language =
        options.AddItem("Common.Language", dtString, Variant("English"), true, true);
    EXPECT_THAT(
        MessageOf([&] { options.AddItem("common.language", dtString, Variant("x"), true, true); }),
        AllOf(HasSubstr("TOptSystem.Add"), HasSubstr("common.language")));
    EXPECT_EQ(options.Count(), 1);
    EXPECT_EQ(&options.Item("COMMON.LANGUAGE"), &language);
    EXPECT_TRUE(options.Exists("common.LANGUAGE"));
    EXPECT_FALSE(options.Exists("Common.Languag"));
    EXPECT_THAT(MessageOf([&] { options.Item("Common.Missing"); }),
                AllOf(HasSubstr("TOptSystem.Item"), HasSubstr("Common.Missing")));
    EXPECT_THROW(options.Items(1), EListError);
    EXPECT_THROW(options.Items(-1), EListError);
}

TEST(OptSystemTest, UnconvertibleInitialValueAddsNothing) {
    TOptSystem options(nullptr);
    EXPECT_THROW(
        options.AddItem("Common.HotKeyShowGlass", dtInteger, Variant("Ctrl+G"), true, true),
        EVariantError);
    EXPECT_EQ(options.Count(), 0);
    EXPECT_FALSE(options.Exists("Common.HotKeyShowGlass"));
}

TEST(OptSystemTest, WithoutStorageLoadingAndSavingChangeNothing) {
    TOptSystem options(nullptr);
    options.AddItem("Common.FirstStart", dtBoolean, Variant(true), true, true);
    EXPECT_TRUE(options.LoadAll());
    EXPECT_TRUE(options.SaveAll());
    EXPECT_TRUE(options.Item("Common.FirstStart").GetValue().ToBoolean());
}

TEST(OptSystemTest, SwitchedOffDirectionsAreSkipped) {
    RecordingStorage storage;
    TOptSystem options(&storage);
    options.AddItem("A.LoadOnly", dtInteger, Variant(1), false, true);
    options.AddItem("A.SaveOnly", dtInteger, Variant(2), true, false);
    EXPECT_TRUE(options.LoadAll());
    EXPECT_TRUE(options.SaveAll());
    EXPECT_EQ(storage.calls, (std::vector<std::string>{"load A.LoadOnly", "save A.SaveOnly"}));
    EXPECT_EQ(options.Item("A.SaveOnly").GetValue().ToInt32(), 2);
}

TEST(OptSystemTest, VisitsEveryItemInOrderAfterAFalseResult) {
    RecordingStorage storage;
    TOptSystem options(&storage);
    for (const char* name : {"A.One", "A.Two", "A.Three"}) {
        options.AddItem(name, dtInteger, Variant(0), true, true);
    }
    storage.falseFor = "A.One";
    EXPECT_FALSE(options.SaveAll());
    EXPECT_EQ(storage.calls,
              (std::vector<std::string>{"save A.One", "save A.Two", "save A.Three"}));
}

TEST(OptSystemTest, AnExceptionStopsLoadingAtTheItemThatRaisedIt) {
    RecordingStorage storage;
    TOptSystem options(&storage);
    for (const char* name : {"A.1", "A.2", "A.3", "A.4", "A.5"}) {
        options.AddItem(name, dtInteger, Variant(7), true, true);
    }
    storage.raiseFor = "A.3";
    EXPECT_THROW(options.LoadAll(), EInvalidArgument);
    EXPECT_EQ(options.Item("A.1").GetValue().ToInt32(), 1001);
    EXPECT_EQ(options.Item("A.2").GetValue().ToInt32(), 1002);
    EXPECT_EQ(options.Item("A.3").GetValue().ToInt32(), 7);
    EXPECT_EQ(options.Item("A.4").GetValue().ToInt32(), 7);
    EXPECT_EQ(options.Item("A.5").GetValue().ToInt32(), 7);
}

struct Probe : TStatisticEntity {
    Probe(std::vector<std::string>& log, std::string name) : log(log), name(std::move(name)) {}
    ~Probe() override { log.push_back(name); }
    std::vector<std::string>& log;
    std::string name;
};

TEST(DirClassTest, OwnsEntriesAndFreesThemFirstToLast) {
    std::vector<std::string> log;
    {
        TDirClass list;
        int expectedIndex = 0;
        for (const char* name : {"a", "b", "c", "d"}) {
            EXPECT_EQ(list.AddEntry(std::make_unique<Probe>(log, name)), expectedIndex++);
        }
        list.DeleteEntry(1);
        EXPECT_EQ(log, (std::vector<std::string>{"b"}));
        EXPECT_EQ(static_cast<Probe*>(list.GetEntry(1))->name, "c");
        EXPECT_THAT(MessageOf([&] { list.DeleteEntry(3); }), HasSubstr("(3)"));  // the index
        EXPECT_EQ(list.Count(), 3);
    }
    EXPECT_EQ(log, (std::vector<std::string>{"b", "a", "c", "d"}));
}

TEST(DirClassTest, AnEntryOfAnotherClassIsNoItem) {
    std::vector<std::string> log;
    TOptSystem options(nullptr);
    options.AddEntry(std::make_unique<Probe>(log, "stranger"));
    EXPECT_THROW(options.Items(0), EInvalidCast);
    options.Clear();
    EXPECT_EQ(log, (std::vector<std::string>{"stranger"}));
    EXPECT_EQ(options.Count(), 0);
}

}  // namespace
}  // namespace lenzor
