// TOptValue: one value of one option in one of eight data types. Strict: each typed accessor
// accepts only its own data type; kinds change only through the variant accessors.
#pragma once

#include "core/ent_stat.h"
#include "core/variant.h"

#include <cstdint>
#include <string>

namespace lenzor {

enum TOptDataType : uint8_t {
    dtUnknown,
    dtInteger,
    dtFloat,
    dtBoolean,
    dtString,
    dtDateTime,
    dtDate,
    dtTime,
    dtReference,  // an opaque 32-bit number the framework never interprets
};

class TOptValue : public TStatisticEntity {
public:
    TOptDataType DataType() const { return dataType_; }
    // Set once by the owning item right after construction.
    void SetDataType(TOptDataType dataType) { dataType_ = dataType; }

    int32_t GetAsInteger() const;
    double GetAsFloat() const;
    bool GetAsBoolean() const;
    double GetAsDateTime() const;  // dtDateTime, dtDate and dtTime
    int32_t GetAsReference() const;
    void SetAsInteger(int32_t value);
    void SetAsFloat(double value);
    void SetAsBoolean(bool value);
    void SetAsString(const std::string& value);
    void SetAsDateTime(double value);
    void SetAsReference(int32_t value);

    // Every data type, never throws: number and date-time text forms, "True"/"False", the
    // text itself; empty for dtReference and dtUnknown.
    std::string GetAsString() const;

    Variant GetAsVariant() const;
    // Converts to the kind of the data type first; a failed conversion leaves the value as it
    // was.
    void SetAsVariant(const Variant& value);

    void CopyDataFrom(const TOptValue& source);

private:
    void Require(bool accepted, const char* message) const;
    bool IsDateTimeType() const;

    TOptDataType dataType_ = dtUnknown;
    int32_t integer_ = 0;
    double float_ = 0;
    bool boolean_ = false;
    std::string text_;
    double dateTime_ = 0;
};

}  // namespace lenzor
