// TStrings: the lines of a memo and the items of a combo box, with a change notification.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lenzor {

class TStrings {
public:
    explicit TStrings(std::function<void()> onChange = {}) : FOnChange(std::move(onChange)) {}

    int Count() const { return static_cast<int>(FList.size()); }
    // Throws EListError outside 0..Count-1.
    const std::string& Strings(int index) const;
    void SetStrings(int index, std::string text);
    const std::vector<std::string>& List() const { return FList; }

    void Add(std::string text);
    void Clear();
    void Assign(std::vector<std::string> list);
    // The first index of the text regardless of ASCII case, or -1.
    int IndexOf(std::string_view text) const;

    // The lines joined, each ending in CR LF.
    std::string Text() const;
    // Splits at CR LF, LF or a lone CR; a last line without a break counts too.
    void SetText(std::string_view text);

private:
    void Changed();

    std::vector<std::string> FList;
    std::function<void()> FOnChange;
};

}  // namespace lenzor
