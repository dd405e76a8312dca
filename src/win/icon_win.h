// An icon the program owns: it keeps its own copy of what it is given and destroys it when
// replaced or freed.
#pragma once

#include <windows.h>

namespace lenzor {

class TIcon {
public:
    TIcon() = default;
    TIcon(const TIcon&) = delete;
    TIcon& operator=(const TIcon&) = delete;
    TIcon(TIcon&& other) noexcept;
    TIcon& operator=(TIcon&& other) noexcept;
    ~TIcon();

    HICON Handle() const { return FHandle; }
    bool Empty() const { return FHandle == nullptr; }

    // Stores a copy of source (nullptr empties the icon). False when the copy failed; the icon
    // is then empty.
    bool Assign(HICON source);

private:
    HICON FHandle = nullptr;
};

}  // namespace lenzor
