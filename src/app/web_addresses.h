// The maker's web pages the dialog links to, in one place.
#pragma once

#include <string_view>

namespace lenzor {

inline constexpr std::string_view kWebSiteAddress = "https://lenzor.sourceforge.io/";
inline constexpr std::string_view kWebSiteCaption = "lenzor.sourceforge.io";
inline constexpr std::string_view kProPageAddress = "https://lenzor.sourceforge.io/pro.html";

}  // namespace lenzor
