// Popup menus as plain data: named items in creation order with caption, check mark, enabled
// state, default flag, shortcut and click handler. A platform peer shows them.
#pragma once

#include "ui/shortcut.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lenzor {

class TMenuItem {
public:
    using TNotifyEvent = std::function<void(TMenuItem& sender)>;

    TMenuItem(std::string name, std::string caption);

    const std::string& Name() const { return FName; }
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

    // Runs OnClick as if the item were chosen; a disabled item does nothing.
    void Click();

    TNotifyEvent OnClick;

private:
    std::string FName;
    std::string FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    bool FDefault = false;
    TShortCut FShortCut = 0;
};

class TPopupMenu {
public:
    explicit TPopupMenu(std::string name) : FName(std::move(name)) {}

    const std::string& Name() const { return FName; }
    // Whether the menu opens by itself on its trigger (a right click on a tray icon, say).
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool autoPopup) { FAutoPopup = autoPopup; }

    // The item lives as long as the menu; references stay valid while items are added.
    TMenuItem& Add(std::string name, std::string caption);

    int Count() const { return static_cast<int>(FItems.size()); }
    TMenuItem& Item(int index) const { return *FItems.at(static_cast<std::size_t>(index)); }
    TMenuItem* Find(std::string_view name) const;
    // The first item in menu order whose default flag is set, or none.
    TMenuItem* DefaultItem() const;

private:
    std::string FName;
    bool FAutoPopup = true;
    std::vector<std::unique_ptr<TMenuItem>> FItems;
};

}  // namespace lenzor
