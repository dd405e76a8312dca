// The portable component model: ownership, run-time properties, layout, and the events user
// actions fire, all without a platform peer.
#include "core/errors.h"
#include "ui/declare.h"
#include "ui/forms.h"
#include "ui/image.h"
#include "ui/menu.h"
#include "ui/page_control.h"
#include "ui/hot_key.h"
#include "ui/range_controls.h"
#include "ui/std_controls.h"
#include "ui/timer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lenzor {
namespace {

std::vector<std::string> OwnedNames(const TComponent& owner) {
    std::vector<std::string> names;
    for (int i = 0; i < owner.ComponentCount(); ++i) {
        names.push_back(owner.Components(i)->Name());
    }
    return names;
}

TEST(ComponentModel, OwnersKeepCreationOrderAndDestroyWhatTheyOwn) {
    std::vector<std::string> destroyed;
    struct Probe : TComponent {
        Probe(TComponent* owner, std::string name, std::vector<std::string>& log)
            : TComponent(owner, std::move(name)), log(log) {}
        ~Probe() override { log.push_back(Name()); }
        std::vector<std::string>& log;
    };
    {
        TForm form(nullptr, "Form1");
        new Probe(&form, "First", destroyed);
        auto* gone = new Probe(&form, "Gone", destroyed);
        new Probe(&form, "Last", destroyed);
        TPopupMenu& menu = Declare<TPopupMenu>(form, "PopupMenuTray");
        menu.Add("Showglass1", "Show glass");
        menu.Add("Exit1", "Exit");
        delete gone;  // leaves its owner's list
        EXPECT_EQ(OwnedNames(form), (std::vector<std::string>{"First", "Last", "PopupMenuTray",
                                                              "Showglass1", "Exit1"}));
        EXPECT_EQ(form.FindComponent("showGLASS1"), &menu.Item(0));
        EXPECT_EQ(form.FindComponent("Nothing"), nullptr);
        EXPECT_THROW(form.Components(5), EListError);

        // The language build lends a form to a temporary owner and takes it back.
        TForm temporary;
        TForm lent(nullptr, "Lent");
        temporary.InsertComponent(lent);
        EXPECT_EQ(lent.Owner(), &temporary);
        temporary.RemoveComponent(lent);
        EXPECT_EQ(lent.Owner(), nullptr);
        EXPECT_EQ(temporary.ComponentCount(), 0);
        destroyed.clear();
    }
    EXPECT_EQ(destroyed, (std::vector<std::string>{"Last", "First"}));
}

TEST(ComponentModel, CaptionAndHintAreReachableByNameOnlyWhereTheyExist) {
    TForm form(nullptr, "Form1");
    TLabel& label = Declare<TLabel>(form, &form, "Label1", Bounds(0, 0, 50, 13), "Zoom factor");
    TEdit& edit = Declare<TEdit>(form, &form, "Edit1", Bounds(0, 20, 50, 21));
    TTimer& timer = Declare<TTimer>(form, "Timer1");
    TMenuItem item(&form, "Exit1", "Exit");

    EXPECT_TRUE(label.HasStringProperty("caption"));
    EXPECT_EQ(label.GetStringProperty("CAPTION"), "Zoom factor");
    label.SetStringProperty("Hint", "tip");
    EXPECT_EQ(label.Hint(), "tip");
    EXPECT_FALSE(edit.HasStringProperty("Caption"));
    EXPECT_TRUE(edit.HasStringProperty("Hint"));
    edit.SetStringProperty("Caption", "ignored");
    EXPECT_EQ(edit.GetStringProperty("Caption"), "");
    EXPECT_FALSE(timer.HasStringProperty("Caption"));
    EXPECT_FALSE(timer.HasStringProperty("Hint"));
    item.SetStringProperty("caption", "Quit");
    EXPECT_EQ(item.Caption(), "Quit");
    EXPECT_TRUE(form.HasStringProperty("Caption"));
}

TEST(ComponentModel, AlignmentSharesTheClientAreaAndAnchorsFollowResizes) {
    TForm form(nullptr, "Form1");
    form.SetClientSize(523, 386);
    TImage& strip = Declare<TImage>(form, &form, "Image1", Bounds(0, 0, 109, 999));
    strip.SetAlign(TAlign::alLeft);
    TPanel& bottom = Declare<TPanel>(form, &form, "Panel1", Bounds(0, 350, 523, 36));
    bottom.SetAlign(TAlign::alBottom);
    bottom.SetBevelOuter(TBevelCut::bvNone);
    TButton& ok = Declare<TButton>(form, &bottom, "BOK", Bounds(360, 6, 75, 24), "OK");
    ok.SetAnchors(akRight | akBottom);
    TPanel& rest = Declare<TPanel>(form, &form, "Rest", Bounds(0, 0, 10, 10));
    rest.SetAlign(TAlign::alClient);

    // Bottom before left: the strip stops above the bottom panel.
    EXPECT_EQ(bottom.BoundsRect(), Bounds(0, 350, 523, 36));
    EXPECT_EQ(strip.BoundsRect(), Bounds(0, 0, 109, 350));
    EXPECT_EQ(rest.BoundsRect(), Bounds(109, 0, 414, 350));

    form.SetClientSize(623, 406);  // wider and taller: the anchored button keeps its margins
    EXPECT_EQ(bottom.BoundsRect(), Bounds(0, 370, 623, 36));
    EXPECT_EQ(ok.BoundsRect(), Bounds(460, 6, 75, 24));
    EXPECT_EQ(rest.BoundsRect(), Bounds(109, 0, 514, 370));

    strip.Hide();  // a hidden aligned control takes no room
    EXPECT_EQ(rest.BoundsRect(), Bounds(0, 0, 623, 370));
}

TEST(ComponentModel, UserActionsFireTheirEventsInOrder) {
    TForm form(nullptr, "Form1");
    std::vector<std::string> log;
    auto record = [&](std::string what) {
        return [&log, what](TComponent&) { log.push_back(what); };
    };

    TCheckBox& check = Declare<TCheckBox>(form, &form, "CB", Bounds(0, 0, 90, 17), "Preview");
    check.OnClick = record("check");
    check.SetChecked(false);  // unchanged: silent
    check.SetChecked(true);   // the program's change clicks too
    check.Click();            // the user's click toggles
    EXPECT_FALSE(check.Checked());

    TComboBox& combo = Declare<TComboBox>(form, &form, "Combo", Bounds(0, 20, 90, 21));
    combo.Items().Assign({"0.7", "1", "(enter any...)"});
    combo.OnClick = record("click");
    combo.OnSelect = record("select:" + std::string());
    combo.OnDropDown = record("dropdown");
    combo.SetItemIndex(1);  // the program's choice fires nothing
    combo.DropDown();
    combo.Select(2);
    EXPECT_EQ(combo.Text(), "(enter any...)");
    combo.TypeText("5");
    EXPECT_EQ(combo.ItemIndex(), -1);
    EXPECT_EQ(combo.Text(), "5");
    EXPECT_EQ(log, (std::vector<std::string>{"check", "check", "dropdown", "click", "select:"}));

    TComboBox& list = Declare<TComboBox>(form, &form, "List", Bounds(0, 50, 90, 21));
    list.SetStyle(TComboBoxStyle::csDropDownList);
    list.Items().Assign({"English", "German"});
    list.SetText("GERMAN");  // the exact-string search ignores case
    EXPECT_EQ(list.ItemIndex(), 1);
    EXPECT_EQ(list.Text(), "German");
    list.SetText("Klingon");
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(list.Text(), "");
    list.SetItemIndex(1);
    list.Items().Assign({"English"});  // the selected item went away
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(list.Text(), "");
}

TEST(ComponentModel, SpinEditsReadTheirTextAndClampOnlyWhenLeft) {
    TForm form(nullptr, "Form1");
    TSpinEdit& offset = Declare<TSpinEdit>(form, &form, "Offset", Bounds(0, 0, 50, 21));
    offset.SetRange(1, 100);
    TSpinEdit& free = Declare<TSpinEdit>(form, &form, "Free", Bounds(0, 30, 50, 21));

    struct Case {
        std::string text;
        int value;
    } cases[] = {{"42", 42}, {" 7 ", 7}, {"$10", 16}, {"abc", 1}, {"", 1}, {"500", 500}};
    for (const Case& c : cases) {
        offset.SetText(c.text);
        EXPECT_EQ(offset.Value(), c.value) << c.text;
    }
    offset.SetFocus();
    offset.SetText("500");  // typed: kept as typed until the focus moves on
    EXPECT_EQ(offset.Text(), "500");
    free.SetFocus();
    EXPECT_EQ(offset.Text(), "100");
    offset.Up();
    EXPECT_EQ(offset.Value(), 100);

    free.SetValue(-2147483647);  // no limits when min = max = 0
    free.Down();
    free.Down();
    EXPECT_EQ(free.Value(), -2147483647 - 1);
    free.SetText("x");
    EXPECT_EQ(free.Value(), 0);
}

TEST(ComponentModel, PagesMoveShowOneAtATimeAndReportOnlyUserChanges) {
    TForm form(nullptr, "Form1");
    TPageControl& pages =
        Declare<TPageControl>(form, &form, "PageControl1", Bounds(0, 0, 410, 350));
    TTabSheet& basic = Declare<TTabSheet>(form, nullptr, "TabSheet3", {}, "Basic options");
    basic.SetPageControl(&pages);
    TTabSheet& advanced = Declare<TTabSheet>(form, nullptr, "TabSheet4", {}, "Advanced options");
    advanced.SetPageControl(&pages);
    int changes = 0;
    pages.OnChange = [&](TComponent&) { ++changes; };

    auto* general = new TTabSheet(&form);  // made at run time, moved to the front
    general->SetPageControl(&pages);
    general->SetPageIndex(0);
    EXPECT_EQ(general->PageIndex(), 0);
    EXPECT_EQ(basic.PageIndex(), 1);
    EXPECT_EQ(pages.ActivePage(), &basic);
    EXPECT_EQ(basic.BoundsRect(), pages.DisplayRect());

    pages.SetActivePageIndex(0);
    EXPECT_TRUE(general->Visible());
    EXPECT_FALSE(basic.Visible());
    EXPECT_EQ(changes, 0);
    pages.SelectNextPage(false);  // Ctrl+Shift+Tab wraps to the last page
    EXPECT_EQ(pages.ActivePage(), &advanced);
    pages.SelectPage(2);  // already there: nothing to report
    EXPECT_EQ(changes, 1);

    pages.SetBounds(0, 0, 500, 400);  // sheets follow the page control
    EXPECT_EQ(advanced.BoundsRect(), pages.DisplayRect());
}

TEST(ComponentModel, EnterAndEscPressTheDefaultAndCancelButtons) {
    TForm form(nullptr, "Form1");
    form.Show();
    TPanel& panel = Declare<TPanel>(form, &form, "Panel1", Bounds(0, 0, 200, 40));
    TButton& ok = Declare<TButton>(form, &panel, "BOK", Bounds(0, 0, 75, 24), "OK");
    TButton& cancel = Declare<TButton>(form, &panel, "BCancel", Bounds(80, 0, 75, 24), "Cancel");
    ok.SetDefault(true);
    cancel.SetCancel(true);
    std::vector<std::string> pressed;
    ok.OnClick = [&](TComponent&) { pressed.push_back("ok"); };
    cancel.OnClick = [&](TComponent&) { pressed.push_back("cancel"); };

    EXPECT_TRUE(form.PressDefaultButton());
    EXPECT_TRUE(form.PressCancelButton());
    ok.SetEnabled(false);
    EXPECT_FALSE(form.PressDefaultButton());
    EXPECT_EQ(pressed, (std::vector<std::string>{"ok", "cancel"}));

    bool allow = false;
    int closed = 0;
    form.OnCloseQuery = [&](TComponent&, bool& canClose) { canClose = allow; };
    form.OnClose = [&](TComponent&) { ++closed; };
    form.Close();
    EXPECT_TRUE(form.Visible());
    allow = true;
    form.Close();
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(closed, 1);
}

TEST(ComponentModel, HotKeyEditGivesBareKeysCtrlAlt) {
    TForm form(nullptr, "Form1");
    THotKey& hotKey = Declare<THotKey>(form, &form, "HotKey1", Bounds(0, 0, 120, 21));
    hotKey.TypeKey('G', 0);
    EXPECT_EQ(hotKey.HotKey(), 49223);  // Ctrl+Alt+G
    hotKey.TypeKey('G', ssShift);
    EXPECT_EQ(hotKey.HotKey(), scShift | 'G');
    hotKey.TypeKey(0, ssCtrl);
    EXPECT_EQ(hotKey.HotKey(), 0);
}

}  // namespace
}  // namespace lenzor
