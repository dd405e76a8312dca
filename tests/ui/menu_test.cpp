// Popup menu data: items in creation order, the default item, and clicks.
#include "ui/menu.h"

#include <gtest/gtest.h>

#include <vector>

namespace lenzor {
namespace {

TEST(PopupMenu, KeepsItemsInCreationOrderAndFindsThemByName) {
    TPopupMenu menu("PopupMenuTray");
    TMenuItem& show = menu.Add("Showglass1", "Show glass");
    menu.Add("MenuOptions1", "Options...");
    TMenuItem& separator = menu.Add("N1", "-");
    menu.Add("Exit1", "Exit");

    ASSERT_EQ(menu.Count(), 4);
    EXPECT_EQ(&menu.Item(0), &show);  // earlier references survive later additions
    EXPECT_EQ(menu.Item(3).Caption(), "Exit");
    EXPECT_EQ(menu.Find("N1"), &separator);
    EXPECT_TRUE(separator.IsSeparator());
    EXPECT_FALSE(show.IsSeparator());
    EXPECT_EQ(menu.Find("Missing"), nullptr);
    EXPECT_TRUE(menu.AutoPopup());
}

TEST(PopupMenu, DefaultItemIsTheFirstFlaggedInMenuOrder) {
    TPopupMenu menu("m");
    menu.Add("a", "A");
    TMenuItem& b = menu.Add("b", "B");
    TMenuItem& c = menu.Add("c", "C");
    EXPECT_EQ(menu.DefaultItem(), nullptr);
    c.SetDefault(true);
    EXPECT_EQ(menu.DefaultItem(), &c);
    b.SetDefault(true);
    EXPECT_EQ(menu.DefaultItem(), &b);
}

TEST(MenuItem, ClickRunsHandlerOnlyWhenEnabled) {
    TMenuItem item("Showglass1", "Show glass");
    std::vector<TMenuItem*> senders;
    item.OnClick = [&](TMenuItem& sender) { senders.push_back(&sender); };

    item.Click();
    item.SetEnabled(false);
    item.Click();
    item.SetEnabled(true);
    item.Click();
    EXPECT_EQ(senders, (std::vector<TMenuItem*>{&item, &item}));

    TMenuItem silent("x", "X");
    silent.Click();  // no handler: nothing happens
}

TEST(MenuItem, ShortCutTextFollowsTheValue) {
    TMenuItem item("Showglass1", "Show glass");
    EXPECT_EQ(item.ShortCutText(), "");
    item.SetShortCut(49223);
    EXPECT_EQ(item.ShortCutText(), "Ctrl+Alt+G");
}

}  // namespace
}  // namespace lenzor
