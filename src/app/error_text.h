// The text of the application's general error box for an exception that reached the loop.
#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace lenzor {

// The message, with a full stop added when it ends in a letter or digit.
std::string ErrorBoxText(std::string_view message);

// The box text for any exception: its message, or a fixed text for non-standard ones.
std::string ErrorBoxText(std::exception_ptr error);

}  // namespace lenzor
