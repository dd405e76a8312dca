#include "ui/menu.h"

#include "core/text_utils.h"

#include <algorithm>

namespace lenzor {

TMenuItem::TMenuItem(std::string name, std::string caption)
    : TMenuItem(nullptr, std::move(name), std::move(caption)) {}

TMenuItem::TMenuItem(TComponent* owner, std::string name, std::string caption)
    : TComponent(owner, std::move(name)), FCaption(std::move(caption)) {}

TMenuItem::~TMenuItem() {
    if (FMenu) {
        auto& items = FMenu->FItems;
        items.erase(std::remove(items.begin(), items.end(), this), items.end());
    }
}

void TMenuItem::Click() {
    if (FEnabled && OnClick) {
        OnClick(*this);
    }
}

bool TMenuItem::HasStringProperty(std::string_view property) const {
    return EqualsIgnoringAsciiCase(property, "Caption") ||
           EqualsIgnoringAsciiCase(property, "Hint");
}

std::string TMenuItem::GetStringProperty(std::string_view property) const {
    if (EqualsIgnoringAsciiCase(property, "Caption")) {
        return FCaption;
    }
    return EqualsIgnoringAsciiCase(property, "Hint") ? FHint : std::string();
}

void TMenuItem::SetStringProperty(std::string_view property, const std::string& value) {
    if (EqualsIgnoringAsciiCase(property, "Caption")) {
        FCaption = value;
    } else if (EqualsIgnoringAsciiCase(property, "Hint")) {
        FHint = value;
    }
}

TPopupMenu::~TPopupMenu() {
    for (TMenuItem* item : FItems) {
        item->FMenu = nullptr;
    }
}

TMenuItem& TPopupMenu::Add(std::string name, std::string caption) {
    auto* item = new TMenuItem(Owner() ? Owner() : this, std::move(name), std::move(caption));
    item->FMenu = this;
    FItems.push_back(item);
    return *item;
}

TMenuItem* TPopupMenu::Find(std::string_view name) const {
    for (TMenuItem* item : FItems) {
        if (item->Name() == name) {
            return item;
        }
    }
    return nullptr;
}

TMenuItem* TPopupMenu::DefaultItem() const {
    for (TMenuItem* item : FItems) {
        if (item->Default()) {
            return item;
        }
    }
    return nullptr;
}

}  // namespace lenzor
