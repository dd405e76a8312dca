// TOptItem: a named, typed option with a current and a default value, saved and loaded
// through a storage it does not own.
#pragma once

#include "core/ent_stat.h"
#include "core/variant.h"
#include "options/opt_value.h"

#include <string>

namespace lenzor {

class TOptStorage;

class TOptItem : public TStatisticEntity {
public:
    // Both values get the data type; the name is empty and loading and saving are off until
    // the option system fills them in.
    TOptItem(TOptStorage* storage, TOptDataType dataType);

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    TOptStorage* Storage() const { return storage_; }
    TOptValue& Value() { return *value_; }
    const TOptValue& Value() const { return *value_; }
    TOptValue& DefaultValue() { return *defaultValue_; }
    const TOptValue& DefaultValue() const { return *defaultValue_; }
    bool SaveEnabled() const { return saveEnabled_; }
    void SetSaveEnabled(bool enabled) { saveEnabled_ = enabled; }
    bool LoadEnabled() const { return loadEnabled_; }
    void SetLoadEnabled(bool enabled) { loadEnabled_ = enabled; }

    Variant GetValue() const { return value_->GetAsVariant(); }
    void SetValue(const Variant& value) { value_->SetAsVariant(value); }
    Variant GetDefault() const { return defaultValue_->GetAsVariant(); }

    // Through the storage; true without doing anything when there is no storage or the
    // direction is switched off.
    bool Load();
    bool Save();

private:
    std::string name_;
    TOptStorage* storage_;
    TOptValue* value_;
    TOptValue* defaultValue_;
    bool saveEnabled_ = false;
    bool loadEnabled_ = false;
};

}  // namespace lenzor
