#include "core/variant.h"

#include "core/text_utils.h"

#include "core/errors.h"
#include "core/numeric.h"
#include "core/text_forms.h"

#include <cmath>

namespace lenzor {
namespace {

const char* KindName(VariantKind kind) {
    switch (kind) {
    case VariantKind::Empty:
        return "Empty";
    case VariantKind::Int32:
        return "Integer";
    case VariantKind::Double:
        return "Double";
    case VariantKind::Boolean:
        return "Boolean";
    case VariantKind::String:
        return "String";
    case VariantKind::DateTime:
        return "Date";
    case VariantKind::Currency:
        return "Currency";
    }
    return "Unknown";
}

}  // namespace

Variant Variant::FromDateTime(double value) {
    Variant result(value);
    result.kind_ = VariantKind::DateTime;
    return result;
}

void Variant::Refuse(const char* target) const {
    throw EVariantError(std::string("Could not convert variant of type (") + KindName(kind_) +
                        ") into type (" + target + ")");
}

int32_t Variant::ToInt32() const {
    double number = 0;
    switch (kind_) {
    case VariantKind::Empty:
        return 0;
    case VariantKind::Int32:
        return int_;
    case VariantKind::Boolean:
        return bool_ ? 1 : 0;
    case VariantKind::String: {
        int32_t value = 0;
        if (TryTextToInt32(text_, value)) {
            return value;
        }
        if (!TryTextToFloat(text_, number)) {
            Refuse("Integer");
        }
        break;
    }
    default:
        number = ToDouble();
    }
    double rounded = RoundHalfEven(number);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {
        Refuse("Integer");
    }
    return static_cast<int32_t>(rounded);
}

double Variant::ToDouble() const {
    switch (kind_) {
    case VariantKind::Empty:
        return 0;
    case VariantKind::Int32:
        return int_;
    case VariantKind::Double:
    case VariantKind::DateTime:
        return double_;
    case VariantKind::Boolean:
        return bool_ ? 1 : 0;
    case VariantKind::Currency:
        return static_cast<double>(currency_) / 10000.0;
    case VariantKind::String: {
        double value = 0;
        if (TryTextToFloat(text_, value)) {
            return value;
        }
        break;
    }
    }
    Refuse("Double");
}

bool Variant::ToBoolean() const {
    switch (kind_) {
    case VariantKind::Empty:
        return false;
    case VariantKind::Boolean:
        return bool_;
    case VariantKind::String: {
        std::string_view text = TrimBlanks(text_);
        if (EqualsIgnoringAsciiCase(text, "True")) {
            return true;
        }
        if (EqualsIgnoringAsciiCase(text, "False")) {
            return false;
        }
        double value = 0;
        if (TryTextToFloat(text, value)) {
            return value != 0;
        }
        Refuse("Boolean");
    }
    default:
        return ToDouble() != 0;
    }
}

std::string Variant::ToString() const {
    switch (kind_) {
    case VariantKind::Empty:
        return {};
    case VariantKind::Int32:
        return IntToText(int_);
    case VariantKind::Double:
    case VariantKind::Currency:
        return FloatToText(ToDouble());
    case VariantKind::Boolean:
        return bool_ ? "True" : "False";
    case VariantKind::String:
        return text_;
    case VariantKind::DateTime:
        return DateTimeToText(double_);
    }
    return {};
}

double Variant::ToDateTime() const {
    if (kind_ != VariantKind::String) {
        return ToDouble();
    }
    double value = 0;
    if (TryTextToDateTime(text_, value) || TryTextToFloat(text_, value)) {
        return value;
    }
    Refuse("Date");
}

}  // namespace lenzor
