#include "app/error_text.h"

#include <stdexcept>

namespace lenzor {

std::string ErrorBoxText(std::string_view message) {
    std::string text(message);
    const unsigned char last = text.empty() ? '.' : static_cast<unsigned char>(text.back());
    if ((last >= '0' && last <= '9') || (last >= 'A' && last <= 'Z') ||
        (last >= 'a' && last <= 'z')) {
        text += '.';
    }
    return text;
}

std::string ErrorBoxText(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return ErrorBoxText(std::string_view(e.what()));
    } catch (...) {
        return "Unknown error.";
    }
}

}  // namespace lenzor
