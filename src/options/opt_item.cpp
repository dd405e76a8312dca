#include "options/opt_item.h"

#include "options/opt_storage.h"

#include <memory>

namespace lenzor {

TOptItem::TOptItem(TOptStorage* storage, TOptDataType dataType)
    : storage_(storage), value_(AddOwned(std::make_unique<TOptValue>())),
      defaultValue_(AddOwned(std::make_unique<TOptValue>())) {
    value_->SetDataType(dataType);
    defaultValue_->SetDataType(dataType);
}

bool TOptItem::Load() {
    return storage_ == nullptr || !loadEnabled_ || storage_->Load(*this);
}

bool TOptItem::Save() {
    return storage_ == nullptr || !saveEnabled_ || storage_->Save(*this);
}

}  // namespace lenzor
