#include "options/dirs_ent.h"

#include "core/errors.h"

#include <string>

namespace lenzor {

TDirClass::~TDirClass() {
    Clear();
}

int TDirClass::AddEntry(std::unique_ptr<TStatisticEntity> entry) {
    entries_.push_back(std::move(entry));
    return Count() - 1;
}

void TDirClass::DeleteEntry(int index) {
    CheckIndex(index);
    entries_[static_cast<std::size_t>(index)].reset();
    entries_.erase(entries_.begin() + index);
}

TStatisticEntity* TDirClass::GetEntry(int index) const {
    CheckIndex(index);
    return entries_[static_cast<std::size_t>(index)].get();
}

void TDirClass::Clear() {
    while (Count() > 0) {
        DeleteEntry(0);
    }
}

void TDirClass::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) {
        throw EListError(FormatMessage1("List index out of bounds (%d)", std::to_string(index)));
    }
}

}  // namespace lenzor
