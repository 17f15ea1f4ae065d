// Small readings of typed text: its words, its digits, its upper case.
#pragma once

#include <cctype>
#include <string>
#include <string_view>
#include <vector>

namespace tallyrin {

// The words between spaces and tabs.
inline std::vector<std::string> wordsOf(std::string_view text)
{
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (c == ' ' || c == '\t') {
            if (!word.empty())
                words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty())
        words.push_back(word);
    return words;
}

// The digits of the text, in order; everything else left out.
inline std::string digitsOf(std::string_view text)
{
    std::string digits;
    for (char c : text)
        if (std::isdigit(static_cast<unsigned char>(c)))
            digits += c;
    return digits;
}

inline std::string upperCase(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

} // namespace tallyrin
