// Variant: the tagged value through which options are read and written by name, with the
// conversions between its kinds. A conversion that cannot be made throws EVariantError.
#pragma once

#include <cstdint>
#include <string>

namespace lenzor {

// Fixed-point number with four decimal places (value x 10000), the kind numeric literals with
// a fraction may be declared in.
struct Currency {
    int64_t scaled = 0;
};

enum class VariantKind { Empty, Int32, Double, Boolean, String, DateTime, Currency };

class Variant {
public:
    Variant() = default;
    Variant(int32_t value) : kind_(VariantKind::Int32), int_(value) {}
    Variant(double value) : kind_(VariantKind::Double), double_(value) {}
    Variant(bool value) : kind_(VariantKind::Boolean), bool_(value) {}
    Variant(std::string value) : kind_(VariantKind::String), text_(std::move(value)) {}
    Variant(const char* value) : Variant(std::string(value)) {}
    Variant(Currency value) : kind_(VariantKind::Currency), currency_(value.scaled) {}
    static Variant FromDateTime(double value);

    VariantKind Kind() const { return kind_; }

    // Empty converts to zero, false or empty text. Numbers round ties-to-even into integers;
    // booleans are 1 and 0 as numbers; texts are read in their text forms (numbers, "True" /
    // "False", dates in the current format settings).
    int32_t ToInt32() const;
    double ToDouble() const;
    bool ToBoolean() const;
    std::string ToString() const;
    double ToDateTime() const;  // like ToDouble, but a text is read as a date and/or time first

private:
    [[noreturn]] void Refuse(const char* target) const;

    VariantKind kind_ = VariantKind::Empty;
    int32_t int_ = 0;
    double double_ = 0;  // also the date-time
    bool bool_ = false;
    int64_t currency_ = 0;
    std::string text_;
};

}  // namespace lenzor
