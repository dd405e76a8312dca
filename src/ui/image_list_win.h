// A list of icons in insertion order, each kept as the list's own copy.
#pragma once

#include "win/icon_win.h"

#include <vector>

namespace lenzor {

class TImageList {
public:
    int Count() const { return static_cast<int>(FIcons.size()); }
    // Adds a copy of icon; false (and nothing added) when it cannot be copied.
    bool AddIcon(HICON icon);
    // The list's own handle (not a copy), or nullptr for an index outside the list.
    HICON Icon(int index) const;

private:
    std::vector<TIcon> FIcons;
};

}  // namespace lenzor
