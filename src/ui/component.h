// TComponent: a named object owned by another, owning others in creation order. Forms and
// frames own what is placed on them; translation and the language template walk these lists
// and reach texts through run-time properties by name ("Caption", "Hint").
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lenzor {

class TComponent;

using TNotifyEvent = std::function<void(TComponent& sender)>;

class TComponent {
public:
    // Registers with the owner, which destroys it; no owner: the creator does.
    explicit TComponent(TComponent* owner = nullptr, std::string name = {});
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;
    // Destroys the owned components, the last created first, then leaves the owner.
    virtual ~TComponent();

    const std::string& Name() const { return FName; }
    void SetName(std::string name) { FName = std::move(name); }
    TComponent* Owner() const { return FOwner; }

    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int index) const;
    // Among the owned components, by name regardless of ASCII case.
    TComponent* FindComponent(std::string_view name) const;

    // Takes ownership (the component leaves its earlier owner), appended last.
    void InsertComponent(TComponent& component);
    // Gives ownership up: the component then has no owner.
    void RemoveComponent(TComponent& component);

    // Run-time string properties by name, compared regardless of ASCII case. A component
    // without the property reports that it has none; reading it gives "" and writing does
    // nothing.
    virtual bool HasStringProperty(std::string_view property) const;
    virtual std::string GetStringProperty(std::string_view property) const;
    virtual void SetStringProperty(std::string_view property, const std::string& value);

private:
    std::string FName;
    TComponent* FOwner = nullptr;
    std::vector<TComponent*> FComponents;
};

}  // namespace lenzor
