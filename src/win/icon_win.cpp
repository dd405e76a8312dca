#include "win/icon_win.h"

#include <utility>

namespace lenzor {

TIcon::TIcon(TIcon&& other) noexcept : FHandle(std::exchange(other.FHandle, nullptr)) {}

TIcon& TIcon::operator=(TIcon&& other) noexcept {
    if (this != &other) {
        Assign(nullptr);
        FHandle = std::exchange(other.FHandle, nullptr);
    }
    return *this;
}

TIcon::~TIcon() {
    Assign(nullptr);
}

bool TIcon::Assign(HICON source) {
    HICON copy = source ? CopyIcon(source) : nullptr;
    if (FHandle) {
        DestroyIcon(FHandle);
    }
    FHandle = copy;
    return copy != nullptr || source == nullptr;
}

}  // namespace lenzor
