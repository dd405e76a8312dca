// TOptSystem: every option of the application, found by name regardless of case, loaded and
// saved together through one storage (which it does not own).
#pragma once

#include "core/variant.h"
#include "options/dirs_ent.h"
#include "options/opt_item.h"

#include <memory>
#include <string>

namespace lenzor {

class TOptStorage;

class TOptSystem : public TDirClass {
public:
    explicit TOptSystem(TOptStorage* storage) : storage_(storage) {}
    ~TOptSystem() override;

    TOptStorage* Storage() const { return storage_; }

    // Takes the item; a name already present (in any case) throws and frees it.
    void Add(std::unique_ptr<TOptItem> item);
    // Declares an option: the initial value becomes both its value and its default. A value
    // the data type cannot take throws, and nothing is added.
    TOptItem& AddItem(const std::string& name, TOptDataType dataType, const Variant& initialValue,
                      bool saveEnabled, bool loadEnabled);

    bool Exists(const std::string& name) const;
    TOptItem& Items(int index) const;
    TOptItem& Item(const std::string& name) const;

    // Every item in declaration order, also after one returns false; the storage must be open.
    // An exception stops at the item that raised it.
    bool LoadAll();
    bool SaveAll();

private:
    TOptItem* Find(const std::string& name) const;

    TOptStorage* storage_;
};

}  // namespace lenzor
