// TOptStorage: the medium option items are saved to and loaded from.
#pragma once

#include "core/ent_stat.h"

namespace lenzor {

class TOptItem;

class TOptStorage : public TStatisticEntity {
public:
    // Makes the medium ready for Save and Load.
    virtual bool Open() = 0;
    // Releases the medium; everything saved since Open is on it when Close returns.
    virtual bool Close() = 0;
    // Writes the item's current value.
    virtual bool Save(TOptItem& item) = 0;
    // Sets the item's current value from the medium (its default when the medium has none).
    virtual bool Load(TOptItem& item) = 0;
};

}  // namespace lenzor
