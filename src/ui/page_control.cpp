#include "ui/page_control.h"

#include <algorithm>

namespace lenzor {

TTabSheet::~TTabSheet() {
    SetPageControl(nullptr);
}

void TTabSheet::SetPageControl(TPageControl* pageControl) {
    if (pageControl == FPageControl) {
        return;
    }
    if (FPageControl) {
        FPageControl->RemovePage(*this);
    }
    if (pageControl) {
        pageControl->InsertPage(*this);
    }
}

int TTabSheet::PageIndex() const {
    if (!FPageControl) {
        return -1;
    }
    const auto& pages = FPageControl->FPages;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int index) {
    if (FPageControl) {
        FPageControl->MovePage(*this, index);
    }
}

TPageControl::TPageControl(TComponent* owner, std::string name)
    : TWinControl(owner, std::move(name)) {
    SetTabStop(true);
}

TPageControl::~TPageControl() {
    for (TTabSheet* sheet : FPages) {
        sheet->FPageControl = nullptr;
    }
    FPages.clear();
    FActivePage = nullptr;
}

void TPageControl::InsertPage(TTabSheet& page) {
    FPages.push_back(&page);
    page.FPageControl = this;
    page.SetVisible(false);
    page.SetParent(this);
    Changed(ControlChange::PageIndex);
    LayOutPages();
    if (!FActivePage) {
        SetActivePage(&page);
    }
}

void TPageControl::RemovePage(TTabSheet& page) {
    auto found = std::find(FPages.begin(), FPages.end(), &page);
    if (found == FPages.end()) {
        return;
    }
    const auto index = found - FPages.begin();
    FPages.erase(found);
    page.FPageControl = nullptr;
    if (page.Parent() == this) {
        page.SetParent(nullptr);
    }
    Changed(ControlChange::PageIndex);
    if (FActivePage == &page) {
        FActivePage = nullptr;
        if (!FPages.empty()) {
            SetActivePage(FPages[std::min<std::size_t>(index, FPages.size() - 1)]);
        }
    }
}

void TPageControl::MovePage(TTabSheet& page, int index) {
    auto found = std::find(FPages.begin(), FPages.end(), &page);
    if (found == FPages.end()) {
        return;
    }
    FPages.erase(found);
    index = std::clamp(index, 0, static_cast<int>(FPages.size()));
    FPages.insert(FPages.begin() + index, &page);
    Changed(ControlChange::PageIndex);
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && page->FPageControl != this) {
        return;
    }
    FActivePage = page;
    for (TTabSheet* sheet : FPages) {
        sheet->SetVisible(sheet == page);
    }
    Changed(ControlChange::ActivePage);
}

int TPageControl::ActivePageIndex() const {
    return FActivePage ? FActivePage->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int index) {
    SetActivePage(index >= 0 && index < PageCount() ? FPages[static_cast<std::size_t>(index)]
                                                    : nullptr);
}

void TPageControl::SelectPage(int index) {
    if (index < 0 || index >= PageCount() || index == ActivePageIndex()) {
        return;
    }
    SetActivePageIndex(index);
    if (OnChange) {
        OnChange(*this);
    }
}

void TPageControl::SelectNextPage(bool forward) {
    if (PageCount() == 0) {
        return;
    }
    const int count = PageCount();
    const int current = std::max(ActivePageIndex(), 0);
    SelectPage((current + (forward ? 1 : count - 1)) % count);
}

TRect TPageControl::DisplayRect() const {
    constexpr int kFrame = 4;
    return {kFrame, FTabHeight + kFrame, std::max(Width() - kFrame, kFrame),
            std::max(Height() - kFrame, FTabHeight + kFrame)};
}

void TPageControl::SetTabHeight(int height) {
    if (height != FTabHeight) {
        FTabHeight = height;
        LayOutPages();
    }
}

void TPageControl::Realign() {
    TWinControl::Realign();
    LayOutPages();
}

void TPageControl::LayOutPages() {
    if (FLayingOut) {
        return;
    }
    FLayingOut = true;
    for (TTabSheet* sheet : FPages) {
        sheet->SetBoundsRect(DisplayRect());
    }
    FLayingOut = false;
}

}  // namespace lenzor
