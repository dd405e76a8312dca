#include "options/opt_value.h"

#include "core/errors.h"
#include "core/text_forms.h"

namespace lenzor {
namespace {

const std::string kClassName = "TOptValue";

}  // namespace

void TOptValue::Require(bool accepted, const char* message) const {
    if (!accepted) {
        throw ERangeError(message);
    }
}

bool TOptValue::IsDateTimeType() const {
    return dataType_ == dtDateTime || dataType_ == dtDate || dataType_ == dtTime;
}

int32_t TOptValue::GetAsInteger() const {
    Require(dataType_ == dtInteger,
            "Call TOptValue.GetAsInteger but TOptValue.DataType is not dtInteger.");
    return integer_;
}

double TOptValue::GetAsFloat() const {
    Require(dataType_ == dtFloat,
            "Call TOptValue.GetAsFloat but TOptValue.DataType is not dtFloat.");
    return float_;
}

bool TOptValue::GetAsBoolean() const {
    Require(dataType_ == dtBoolean,
            "Call TOptValue.GetAsBoolean but TOptValue.DataType is not dtBoolean.");
    return boolean_;
}

double TOptValue::GetAsDateTime() const {
    Require(IsDateTimeType(),
            "Call TOptValue.GetAsDateTime but TOptValue.DataType is not dtDateTime or dtDate.");
    return dateTime_;
}

int32_t TOptValue::GetAsReference() const {
    Require(dataType_ == dtReference,
            "Call TOptValue.GetAsReference but TOptValue.DataType is not dtReference.");
    return integer_;
}

void TOptValue::SetAsInteger(int32_t value) {
    Require(dataType_ == dtInteger,
            "Call TOptValue.SetAsInteger but TOptValue.DataType is not dtInteger.");
    integer_ = value;
}

void TOptValue::SetAsFloat(double value) {
    Require(dataType_ == dtFloat,
            "Call TOptValue.SetAsFloat but TOptValue.DataType is not dtFloat.");
    float_ = value;
}

void TOptValue::SetAsBoolean(bool value) {
    Require(dataType_ == dtBoolean,
            "Call TOptValue.SetAsBoolean but TOptValue.DataType is not dtBoolean.");
    boolean_ = value;
}

void TOptValue::SetAsString(const std::string& value) {
    Require(dataType_ == dtString,
            "Call TOptValue.SetAsString but TOptValue.DataType is not dtString.");
    text_ = value;
}

void TOptValue::SetAsDateTime(double value) {
    Require(IsDateTimeType(),
            "Call TOptValue.SetAsDateTime but TOptValue.DataType is not dtDateTime or dtDate.");
    dateTime_ = value;
}

void TOptValue::SetAsReference(int32_t value) {
    Require(dataType_ == dtReference,
            "Call TOptValue.SetAsReference but TOptValue.DataType is not dtReference.");
    integer_ = value;
}

std::string TOptValue::GetAsString() const {
    switch (dataType_) {
    case dtInteger:
        return IntToText(integer_);
    case dtFloat:
        return FloatToText(float_);
    case dtBoolean:
        return boolean_ ? "True" : "False";
    case dtString:
        return text_;
    case dtDateTime:
    case dtDate:
        return DateTimeToText(dateTime_);
    case dtTime:
        return TimeToText(dateTime_);
    case dtReference:
    case dtUnknown:
        break;
    }
    return {};
}

Variant TOptValue::GetAsVariant() const {
    switch (dataType_) {
    case dtInteger:
        return GetAsInteger();
    case dtFloat:
        return GetAsFloat();
    case dtBoolean:
        return GetAsBoolean();
    case dtString:
        return GetAsString();
    case dtDateTime:
    case dtDate:
    case dtTime:
        return Variant::FromDateTime(GetAsDateTime());
    case dtReference:
        return GetAsReference();
    case dtUnknown:
        break;
    }
    throw ERangeError(
        "Can't convert Value of unknown DataType to Variant in TOptValue.GetAsVariant : " +
        kClassName);
}

void TOptValue::SetAsVariant(const Variant& value) {
    switch (dataType_) {
    case dtInteger:
        return SetAsInteger(value.ToInt32());
    case dtFloat:
        return SetAsFloat(value.ToDouble());
    case dtBoolean:
        return SetAsBoolean(value.ToBoolean());
    case dtString:
        return SetAsString(value.ToString());
    case dtDateTime:
    case dtDate:
    case dtTime:
        return SetAsDateTime(value.ToDateTime());
    case dtReference:
        return SetAsReference(value.ToInt32());
    case dtUnknown:
        break;
    }
    throw ERangeError("Can't convert Value of unknown DataType from Variant to DataValue in "
                      "TOptValue.SetAsVariant : " +
                      kClassName);
}

void TOptValue::CopyDataFrom(const TOptValue& source) {
    if (source.dataType_ != dataType_) {
        throw ERangeError("Can't copy values in TOptValue.CopyDataFrom because values of "
                          "different DataTypes : " +
                          kClassName);
    }
    switch (dataType_) {
    case dtInteger:
        return SetAsInteger(source.GetAsInteger());
    case dtFloat:
        return SetAsFloat(source.GetAsFloat());
    case dtBoolean:
        return SetAsBoolean(source.GetAsBoolean());
    case dtString:
        return SetAsString(source.GetAsString());
    case dtDateTime:
    case dtDate:
    case dtTime:
        return SetAsDateTime(source.GetAsDateTime());
    case dtReference:
        return SetAsReference(source.GetAsReference());
    case dtUnknown:
        break;
    }
    throw ERangeError("Can't copy values of unknown DataType in TOptValue.CopyDataFrom : " +
                      kClassName);
}

}  // namespace lenzor
