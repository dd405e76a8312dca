// TDirClass: an ordered list that owns its entries and frees them first to last.
#pragma once

#include "core/ent_stat.h"

#include <memory>
#include <vector>

namespace lenzor {

class TDirClass : public TStatisticEntity {
public:
    ~TDirClass() override;

    // Appends at the end; returns the new entry's index.
    virtual int AddEntry(std::unique_ptr<TStatisticEntity> entry);
    // Frees the entry, then closes the gap.
    virtual void DeleteEntry(int index);
    virtual TStatisticEntity* GetEntry(int index) const;

    int Count() const { return static_cast<int>(entries_.size()); }
    void Clear();

private:
    void CheckIndex(int index) const;

    std::vector<std::unique_ptr<TStatisticEntity>> entries_;
};

}  // namespace lenzor
