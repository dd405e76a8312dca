// Popup menus as plain data: named items in creation order with caption, check mark, enabled
// state, default flag, shortcut and click handler. Items are components of the menu's owner
// (a form lists them after the menu), so translation reaches their captions by name. A
// platform peer shows them.
#pragma once

#include "ui/component.h"
#include "ui/shortcut.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lenzor {

class TPopupMenu;

class TMenuItem : public TComponent {
public:
    using TNotifyEvent = std::function<void(TMenuItem& sender)>;

    TMenuItem(std::string name, std::string caption);
    TMenuItem(TComponent* owner, std::string name, std::string caption);
    ~TMenuItem() override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(std::string caption) { FCaption = std::move(caption); }
    bool IsSeparator() const { return FCaption == "-"; }

    bool Checked() const { return FChecked; }
    void SetChecked(bool checked) { FChecked = checked; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled) { FEnabled = enabled; }
    bool Default() const { return FDefault; }
    void SetDefault(bool isDefault) { FDefault = isDefault; }

    TShortCut ShortCutValue() const { return FShortCut; }
    void SetShortCut(TShortCut shortCut) { FShortCut = shortCut; }
    std::string ShortCutText() const { return ShortCutToText(FShortCut); }

    const std::string& Hint() const { return FHint; }
    void SetHint(std::string hint) { FHint = std::move(hint); }

    // Runs OnClick as if the item were chosen; a disabled item does nothing.
    void Click();

    TNotifyEvent OnClick;

    bool HasStringProperty(std::string_view property) const override;
    std::string GetStringProperty(std::string_view property) const override;
    void SetStringProperty(std::string_view property, const std::string& value) override;

private:
    friend class TPopupMenu;
    TPopupMenu* FMenu = nullptr;
    std::string FCaption;
    std::string FHint;
    bool FChecked = false;
    bool FEnabled = true;
    bool FDefault = false;
    TShortCut FShortCut = 0;
};

class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(std::string name) : TComponent(nullptr, std::move(name)) {}
    TPopupMenu(TComponent* owner, std::string name) : TComponent(owner, std::move(name)) {}
    ~TPopupMenu() override;

    // Whether the menu opens by itself on its trigger (a right click on a tray icon, say).
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool autoPopup) { FAutoPopup = autoPopup; }

    // A new last item, owned by the menu's owner (or by the menu when it has none).
    TMenuItem& Add(std::string name, std::string caption);

    int Count() const { return static_cast<int>(FItems.size()); }
    TMenuItem& Item(int index) const { return *FItems.at(static_cast<std::size_t>(index)); }
    TMenuItem* Find(std::string_view name) const;
    // The first item in menu order whose default flag is set, or none.
    TMenuItem* DefaultItem() const;

private:
    friend class TMenuItem;
    bool FAutoPopup = true;
    std::vector<TMenuItem*> FItems;
};

}  // namespace lenzor
