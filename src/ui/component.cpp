#include "ui/component.h"

#include "core/errors.h"
#include "core/text_utils.h"

#include <algorithm>

namespace lenzor {

TComponent::TComponent(TComponent* owner, std::string name) : FName(std::move(name)) {
    if (owner) {
        owner->InsertComponent(*this);
    }
}

TComponent::~TComponent() {
    while (!FComponents.empty()) {
        TComponent* last = FComponents.back();
        FComponents.pop_back();
        last->FOwner = nullptr;
        delete last;
    }
    if (FOwner) {
        FOwner->RemoveComponent(*this);
    }
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount()) {
        throw EListError(FormatMessage1("List index out of bounds (%d)", std::to_string(index)));
    }
    return FComponents[static_cast<std::size_t>(index)];
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty()) {
        return nullptr;
    }
    for (TComponent* component : FComponents) {
        if (EqualsIgnoringAsciiCase(component->Name(), name)) {
            return component;
        }
    }
    return nullptr;
}

void TComponent::InsertComponent(TComponent& component) {
    if (component.FOwner == this) {
        return;
    }
    if (component.FOwner) {
        component.FOwner->RemoveComponent(component);
    }
    FComponents.push_back(&component);
    component.FOwner = this;
}

void TComponent::RemoveComponent(TComponent& component) {
    auto found = std::find(FComponents.begin(), FComponents.end(), &component);
    if (found != FComponents.end()) {
        FComponents.erase(found);
        component.FOwner = nullptr;
    }
}

bool TComponent::HasStringProperty(std::string_view) const {
    return false;
}

std::string TComponent::GetStringProperty(std::string_view) const {
    return {};
}

void TComponent::SetStringProperty(std::string_view, const std::string&) {}

}  // namespace lenzor
