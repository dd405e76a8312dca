#include "ui/menu.h"

namespace lenzor {

TMenuItem::TMenuItem(std::string name, std::string caption)
    : FName(std::move(name)), FCaption(std::move(caption)) {}

void TMenuItem::Click() {
    if (FEnabled && OnClick) {
        OnClick(*this);
    }
}

TMenuItem& TPopupMenu::Add(std::string name, std::string caption) {
    FItems.push_back(std::make_unique<TMenuItem>(std::move(name), std::move(caption)));
    return *FItems.back();
}

TMenuItem* TPopupMenu::Find(std::string_view name) const {
    for (const auto& item : FItems) {
        if (item->Name() == name) {
            return item.get();
        }
    }
    return nullptr;
}

TMenuItem* TPopupMenu::DefaultItem() const {
    for (const auto& item : FItems) {
        if (item->Default()) {
            return item.get();
        }
    }
    return nullptr;
}

}  // namespace lenzor
