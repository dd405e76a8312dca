// The declarative form layout: each form or frame lists its components top to bottom, like a
// form file, with kind, name, parent, rectangle (96-DPI pixels) and caption. Creation order is
// ownership order, which translation and the language template follow.
#pragma once

#include "ui/control.h"

#include <string>

namespace lenzor {

template <class T>
T& Declare(TComponent& owner, TWinControl* parent, std::string name, TRect bounds,
           std::string caption = {}) {
    auto* control = new T(&owner, std::move(name));
    control->SetParent(parent);
    control->SetBoundsRect(bounds);
    control->SetCaption(std::move(caption));
    return *control;
}

// Components without a place on the screen: timers, menus.
template <class T> T& Declare(TComponent& owner, std::string name) {
    return *new T(&owner, std::move(name));
}

}  // namespace lenzor
