#include "options/opt_system.h"

#include "core/errors.h"

namespace lenzor {
namespace {

// Option names are ASCII; other characters compare as they are.
std::string UpperCase(const std::string& text) {
    std::string upper = text;
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

}  // namespace

TOptSystem::~TOptSystem() {
    Clear();
}

void TOptSystem::Add(std::unique_ptr<TOptItem> item) {
    if (Exists(item->Name())) {
        throw EInvalidOperation(
            FormatMessage1("TOptSystem.Add: added not unique value %s", item->Name()));
    }
    AddEntry(std::move(item));
}

TOptItem& TOptSystem::AddItem(const std::string& name, TOptDataType dataType,
                              const Variant& initialValue, bool saveEnabled, bool loadEnabled) {
    auto item = std::make_unique<TOptItem>(storage_, dataType);
    item->SetName(name);
    item->SetSaveEnabled(saveEnabled);
    item->SetLoadEnabled(loadEnabled);
    item->Value().SetAsVariant(initialValue);
    item->DefaultValue().CopyDataFrom(item->Value());
    TOptItem& added = *item;
    Add(std::move(item));
    return added;
}

bool TOptSystem::Exists(const std::string& name) const {
    return Find(name) != nullptr;
}

TOptItem& TOptSystem::Items(int index) const {
    auto* item = dynamic_cast<TOptItem*>(GetEntry(index));
    if (item == nullptr) {
        throw EInvalidCast("Invalid class typecast");
    }
    return *item;
}

TOptItem& TOptSystem::Item(const std::string& name) const {
    TOptItem* item = Find(name);
    if (item == nullptr) {
        throw EInvalidOperation(
            FormatMessage1("TOptSystem.Item(byName): not found item name %s", name));
    }
    return *item;
}

bool TOptSystem::LoadAll() {
    bool result = true;
    for (int i = 0; i < Count(); ++i) {
        result = Items(i).Load() && result;
    }
    return result;
}

bool TOptSystem::SaveAll() {
    bool result = true;
    for (int i = 0; i < Count(); ++i) {
        result = Items(i).Save() && result;
    }
    return result;
}

TOptItem* TOptSystem::Find(const std::string& name) const {
    std::string wanted = UpperCase(name);
    for (int i = 0; i < Count(); ++i) {
        TOptItem& item = Items(i);
        if (UpperCase(item.Name()) == wanted) {
            return &item;
        }
    }
    return nullptr;
}

}  // namespace lenzor
