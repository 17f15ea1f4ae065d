// Spaces and tabs around a text, as the program's readers of typed and sheet text drop them.
#pragma once

#include <string_view>

namespace tallyrin {

inline std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

} // namespace tallyrin
