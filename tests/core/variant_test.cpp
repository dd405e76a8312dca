#include "core/variant.h"

#include "core/errors.h"
#include "core/format_settings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

namespace lenzor {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;

class VariantTest : public ::testing::Test {
protected:
    void SetUp() override { saved_ = CurrentFormatSettings(); }
    void TearDown() override { SetCurrentFormatSettings(saved_); }
    FormatSettings saved_;
};

TEST_F(VariantTest, KeepsTheKindItWasMadeFrom) {
    EXPECT_EQ(Variant().Kind(), VariantKind::Empty);
    EXPECT_EQ(Variant(160).Kind(), VariantKind::Int32);
    EXPECT_EQ(Variant(2.0).Kind(), VariantKind::Double);
    EXPECT_EQ(Variant(true).Kind(), VariantKind::Boolean);
    EXPECT_EQ(Variant("English").Kind(), VariantKind::String);
    EXPECT_EQ(Variant(Currency{20000}).Kind(), VariantKind::Currency);
    EXPECT_EQ(Variant::FromDateTime(1.5).Kind(), VariantKind::DateTime);
}

TEST_F(VariantTest, NumericKindsConvertWithTheirValueKept) {
    EXPECT_EQ(Variant(160).ToDouble(), 160.0);
    EXPECT_EQ(Variant(Currency{20000}).ToDouble(), 2.0);
    EXPECT_EQ(Variant(Currency{-12345}).ToDouble(), -1.2345);
    EXPECT_EQ(Variant::FromDateTime(45000.75).ToDouble(), 45000.75);
    EXPECT_EQ(Variant(2.5).ToInt32(), 2);  // ties to even
    EXPECT_EQ(Variant(3.5).ToInt32(), 4);
    EXPECT_EQ(Variant(Currency{25000}).ToInt32(), 2);
    EXPECT_EQ(Variant(true).ToInt32(), 1);
    EXPECT_EQ(Variant(0).ToBoolean(), false);
    EXPECT_EQ(Variant(0.25).ToBoolean(), true);
}

TEST_F(VariantTest, EmptyIsZeroFalseAndEmptyText) {
    Variant empty;
    EXPECT_EQ(empty.ToInt32(), 0);
    EXPECT_EQ(empty.ToDouble(), 0.0);
    EXPECT_FALSE(empty.ToBoolean());
    EXPECT_EQ(empty.ToString(), "");
}

TEST_F(VariantTest, TextsAreReadInTheirTextForms) {
    EXPECT_EQ(Variant("42").ToInt32(), 42);
    EXPECT_EQ(Variant("$20").ToInt32(), 32);
    EXPECT_EQ(Variant("2.5").ToInt32(), 2);
    EXPECT_EQ(Variant(" 2.5 ").ToDouble(), 2.5);
    EXPECT_TRUE(Variant("true").ToBoolean());
    EXPECT_FALSE(Variant("False").ToBoolean());
    EXPECT_TRUE(Variant("-1").ToBoolean());
    EXPECT_EQ(Variant("2023-03-15").ToDateTime(), 45000.0);
    EXPECT_EQ(Variant("45000.5").ToDateTime(), 45000.5);

    FormatSettings comma;
    comma.decimalSeparator = ',';
    SetCurrentFormatSettings(comma);
    EXPECT_EQ(Variant("2,5").ToDouble(), 2.5);
    EXPECT_THROW(Variant("2.5").ToDouble(), EVariantError);
}

TEST_F(VariantTest, WritesTextForms) {
    EXPECT_EQ(Variant(-5).ToString(), "-5");
    EXPECT_EQ(Variant(2.0).ToString(), "2");
    EXPECT_EQ(Variant(Currency{25000}).ToString(), "2.5");
    EXPECT_EQ(Variant(true).ToString(), "True");
    EXPECT_EQ(Variant::FromDateTime(45000.5).ToString(), "2023-03-15 12:00:00");
}

TEST_F(VariantTest, RefusesWhatCannotBeConverted) {
    try {
        Variant("abc").ToInt32();
        FAIL() << "no error";
    } catch (const EVariantError& e) {
        EXPECT_THAT(e.what(), AllOf(HasSubstr("String"), HasSubstr("Integer")));  // both types
    }
    EXPECT_THROW(Variant("abc").ToDouble(), EVariantError);
    EXPECT_THROW(Variant("yes").ToBoolean(), EVariantError);
    EXPECT_THROW(Variant("").ToDouble(), EVariantError);
    EXPECT_THROW(Variant("soon").ToDateTime(), EVariantError);
    EXPECT_THROW(Variant(3e9).ToInt32(), EVariantError);
    EXPECT_THROW(Variant(std::nan("")).ToInt32(), EVariantError);
    EXPECT_THROW(Variant("99999999999").ToInt32(), EVariantError);
}

}  // namespace
}  // namespace lenzor
