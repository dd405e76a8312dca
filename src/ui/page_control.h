// A page control: tabs over a stack of tab sheets of which the active one shows. Sheets may be
// made at run time, and a sheet may move to another index.
#pragma once

#include "ui/control.h"

#include <vector>

namespace lenzor {

class TPageControl;

class TTabSheet : public TWinControl {
public:
    using TWinControl::TWinControl;
    ~TTabSheet() override;
    bool HasCaption() const override { return true; }

    TPageControl* PageControl() const { return FPageControl; }
    // Appends the sheet as the last page (and makes the page control its parent).
    void SetPageControl(TPageControl* pageControl);
    // Position among the pages; -1 without a page control.
    int PageIndex() const;
    void SetPageIndex(int index);

private:
    friend class TPageControl;
    TPageControl* FPageControl = nullptr;
};

class TPageControl : public TWinControl {
public:
    explicit TPageControl(TComponent* owner, std::string name = {});
    // Pages owned elsewhere stay, without a page control.
    ~TPageControl() override;
    bool CanFocus() const override { return true; }

    int PageCount() const { return static_cast<int>(FPages.size()); }
    TTabSheet* Pages(int index) const { return FPages.at(static_cast<std::size_t>(index)); }

    TTabSheet* ActivePage() const { return FActivePage; }
    // Shows that page and hides the others; no OnChange (that is for the user's choices).
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);

    // The user's choice of a tab, and Ctrl+Tab / Ctrl+Shift+Tab: OnChange when it changed.
    void SelectPage(int index);
    void SelectNextPage(bool forward);

    // Where the sheets go: inside the frame below the tabs. The platform reports its real
    // tab height (in 96-DPI pixels) so the sheets fill exactly the display area.
    TRect DisplayRect() const;
    void SetTabHeight(int height);

    void Realign() override;

    TNotifyEvent OnChange;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet& page);
    void RemovePage(TTabSheet& page);
    void MovePage(TTabSheet& page, int index);
    void LayOutPages();

    std::vector<TTabSheet*> FPages;
    TTabSheet* FActivePage = nullptr;
    int FTabHeight = 22;
    bool FLayingOut = false;
};

}  // namespace lenzor
