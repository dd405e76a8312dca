#include "options/opt_value.h"

#include "core/errors.h"
#include "core/format_settings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

namespace lenzor {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;

// A value as its owning item makes it: data type set right after construction.
struct Value : TOptValue {
    explicit Value(TOptDataType type) { SetDataType(type); }
};

std::string RangeErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ERangeError& e) {
        return e.what();
    }
    return "no ERangeError";
}

struct Accessor {
    const char* name;
    std::function<void(TOptValue&)> call;
    std::vector<TOptDataType> accepted;
    const char* typeName;  // the type its error names
};

const std::vector<Accessor>& Accessors() {
    static const std::vector<Accessor> accessors = {
        {"GetAsInteger", [](TOptValue& v) { v.GetAsInteger(); }, {dtInteger}, "dtInteger"},
        {"GetAsFloat", [](TOptValue& v) { v.GetAsFloat(); }, {dtFloat}, "dtFloat"},
        {"GetAsBoolean", [](TOptValue& v) { v.GetAsBoolean(); }, {dtBoolean}, "dtBoolean"},
        {"GetAsDateTime",
         [](TOptValue& v) { v.GetAsDateTime(); },
         {dtDateTime, dtDate, dtTime},
         "dtDateTime"},
        {"GetAsReference", [](TOptValue& v) { v.GetAsReference(); }, {dtReference}, "dtReference"},
        {"SetAsInteger", [](TOptValue& v) { v.SetAsInteger(7); }, {dtInteger}, "dtInteger"},
        {"SetAsFloat", [](TOptValue& v) { v.SetAsFloat(7); }, {dtFloat}, "dtFloat"},
        {"SetAsBoolean", [](TOptValue& v) { v.SetAsBoolean(true); }, {dtBoolean}, "dtBoolean"},
        {"SetAsString", [](TOptValue& v) { v.SetAsString("x"); }, {dtString}, "dtString"},
        {"SetAsDateTime",
         [](TOptValue& v) { v.SetAsDateTime(7); },
         {dtDateTime, dtDate, dtTime},
         "dtDateTime"},
        {"SetAsReference", [](TOptValue& v) { v.SetAsReference(7); }, {dtReference}, "dtReference"},
    };
    return accessors;
}

TEST(OptValueTest, EachTypedAccessorAcceptsOnlyItsOwnDataTypes) {
    for (const Accessor& accessor : Accessors()) {
        for (int t = dtUnknown; t <= dtReference; ++t) {
            auto type = static_cast<TOptDataType>(t);
            Value value(type);
            std::string before = value.GetAsString();
            bool accepted = std::find(accessor.accepted.begin(), accessor.accepted.end(), type) !=
                            accessor.accepted.end();
            if (accepted) {
                EXPECT_NO_THROW(accessor.call(value)) << accessor.name << " type " << t;
            } else {
                // The error tells which call failed and the type it needs.
                EXPECT_THAT(RangeErrorOf([&] { accessor.call(value); }),
                            AllOf(HasSubstr(std::string("TOptValue.") + accessor.name + " "),
                                  HasSubstr(accessor.typeName)))
                    << accessor.name << " type " << t;
                EXPECT_EQ(value.GetAsString(), before);
            }
        }
    }
}

TEST(OptValueTest, IntegerAndReferenceShareASlotButNotAnAccessor) {
    Value reference(dtReference);
    reference.SetAsReference(123456);
    EXPECT_EQ(reference.GetAsReference(), 123456);
    EXPECT_EQ(reference.GetAsString(), "");
    EXPECT_EQ(reference.GetAsVariant().ToInt32(), 123456);
    EXPECT_THROW(reference.GetAsInteger(), ERangeError);
}

TEST(OptValueTest, GivesTextFormsOfEveryDataType) {
    FormatSettings saved = CurrentFormatSettings();
    SetCurrentFormatSettings(FormatSettings{});  // yyyy-MM-dd HH:mm:ss, '.'
    Value integer(dtInteger);
    integer.SetAsInteger(-5);
    Value real(dtFloat);
    real.SetAsFloat(2.0);
    Value flag(dtBoolean);
    flag.SetAsBoolean(true);
    Value text(dtString);
    text.SetAsString("English");
    Value date(dtDate);
    date.SetAsDateTime(45000.75);  // a date with a time of day shows it
    Value time(dtTime);
    time.SetAsDateTime(45000.75);
    EXPECT_EQ(integer.GetAsString(), "-5");
    EXPECT_EQ(real.GetAsString(), "2");
    EXPECT_EQ(flag.GetAsString(), "True");
    EXPECT_EQ(text.GetAsString(), "English");
    EXPECT_EQ(date.GetAsString(), "2023-03-15 18:00:00");
    EXPECT_EQ(time.GetAsString(), "18:00:00");
    EXPECT_EQ(Value(dtUnknown).GetAsString(), "");
    SetCurrentFormatSettings(saved);
}

TEST(OptValueTest, VariantAccessorsUseTheKindOfTheDataType) {
    Value real(dtFloat);
    real.SetAsVariant(Variant(Currency{20000}));
    EXPECT_EQ(real.GetAsFloat(), 2.0);
    real.SetAsVariant(Variant(3));
    EXPECT_EQ(real.GetAsVariant().Kind(), VariantKind::Double);
    EXPECT_EQ(real.GetAsVariant().ToDouble(), 3.0);

    Value date(dtTime);
    date.SetAsVariant(Variant(0.5));
    EXPECT_EQ(date.GetAsVariant().Kind(), VariantKind::DateTime);
    EXPECT_EQ(date.GetAsDateTime(), 0.5);

    Value text(dtString);
    text.SetAsVariant(Variant("Deutsch"));
    EXPECT_EQ(text.GetAsVariant().Kind(), VariantKind::String);
    EXPECT_EQ(text.GetAsVariant().ToString(), "Deutsch");

    Value flag(dtBoolean);
    flag.SetAsVariant(Variant(true));
    EXPECT_EQ(flag.GetAsVariant().Kind(), VariantKind::Boolean);
}

TEST(OptValueTest, UnconvertibleVariantRaisesAndKeepsTheOldValue) {
    Value integer(dtInteger);
    integer.SetAsVariant(Variant(160));
    EXPECT_THROW(integer.SetAsVariant(Variant("abc")), EVariantError);
    EXPECT_EQ(integer.GetAsInteger(), 160);
}

TEST(OptValueTest, UnknownDataTypeRefusesVariantsAndCopies) {
    TOptValue unknown;
    EXPECT_THAT(RangeErrorOf([&] { unknown.GetAsVariant(); }),
                AllOf(HasSubstr("TOptValue.GetAsVariant"), HasSubstr("unknown DataType")));
    EXPECT_THAT(RangeErrorOf([&] { unknown.SetAsVariant(Variant(1)); }),
                AllOf(HasSubstr("TOptValue.SetAsVariant"), HasSubstr("unknown DataType")));
    TOptValue other;
    EXPECT_THAT(RangeErrorOf([&] { unknown.CopyDataFrom(other); }),
                AllOf(HasSubstr("TOptValue.CopyDataFrom"), HasSubstr("unknown DataType")));
}

TEST(OptValueTest, CopiesOnlyBetweenEqualDataTypes) {
    for (int t = dtInteger; t <= dtReference; ++t) {
        auto type = static_cast<TOptDataType>(t);
        Value source(type);
        Value target(type);
        source.SetAsVariant(type == dtString ? Variant("x") : Variant(1));
        target.CopyDataFrom(source);
        EXPECT_EQ(target.GetAsString(), source.GetAsString()) << "type " << t;
        if (type == dtReference) {
            EXPECT_EQ(target.GetAsReference(), 1);
        }
    }
    Value date(dtDate);
    Value dateTime(dtDateTime);
    dateTime.SetAsDateTime(45000.0);
    EXPECT_THAT(RangeErrorOf([&] { date.CopyDataFrom(dateTime); }),
                AllOf(HasSubstr("TOptValue.CopyDataFrom"), HasSubstr("different DataTypes")));
    EXPECT_EQ(date.GetAsDateTime(), 0.0);
}

}  // namespace
}  // namespace lenzor
