#include "core/ent_stat.h"

namespace lenzor {

TStatisticEntity::~TStatisticEntity() {
    for (Owned& owned : owned_) {  // first-added first
        owned.destroy(owned.object);
    }
}

}  // namespace lenzor
