#include "ui/image_list_win.h"

namespace lenzor {

bool TImageList::AddIcon(HICON icon) {
    TIcon copy;
    if (!icon || !copy.Assign(icon)) {
        return false;
    }
    FIcons.push_back(std::move(copy));
    return true;
}

HICON TImageList::Icon(int index) const {
    if (index < 0 || index >= Count()) {
        return nullptr;
    }
    return FIcons[static_cast<std::size_t>(index)].Handle();
}

}  // namespace lenzor
