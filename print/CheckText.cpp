#include "print/CheckText.h"

#include "text/Numbers.h"

#include <algorithm>
#include <cmath>
#include <array>

namespace tallyrin {
namespace {

constexpr std::array<const char*, 20> kUnits{"",        "One",     "Two",       "Three",    "Four",
                                             "Five",    "Six",     "Seven",     "Eight",    "Nine",
                                             "Ten",     "Eleven",  "Twelve",    "Thirteen", "Fourteen",
                                             "Fifteen", "Sixteen", "Seventeen", "Eighteen", "Nineteen"};
constexpr std::array<const char*, 10> kTens{"",      "Ten",   "Twenty",  "Thirty", "Forty",
                                            "Fifty", "Sixty", "Seventy", "Eighty", "Ninety"};

int digitsValue(const std::string& digits) { return static_cast<int>(leadingNumber(digits)); }

// Three digit characters: hundreds, then the tens and units; every word after one space.
std::string groupWords(const std::string& group)
{
    std::string words;
    const int h = group[0] - '0';
    if (h > 0)
        words += std::string(" ") + kUnits[static_cast<size_t>(h)] + " Hundred";
    const int t = digitsValue(group.substr(1, 2));
    if (t >= 1 && t <= 19) {
        words += std::string(" ") + kUnits[static_cast<size_t>(t)];
    } else if (t >= 20) {
        words += std::string(" ") + kTens[static_cast<size_t>(t / 10)];
        if (t % 10 != 0)
            words += std::string(" ") + kUnits[static_cast<size_t>(t % 10)];
    }
    return words;
}

} // namespace

std::string amountInWords(float amount)
{
    // Compared in double: 999999.99 has no single of its own below one million.
    if (static_cast<double>(amount) > 999999.99)
        return kAmountTooLarge;
    const std::string text = format(amount, "000000.00");
    const std::string dollars = text.substr(0, 6);
    const std::string cents = text.substr(text.size() - 2);
    std::string words;
    if (digitsValue(dollars) == 0) {
        words = "Zero";
    } else {
        if (digitsValue(dollars.substr(0, 3)) > 0)
            words += groupWords(dollars.substr(0, 3)) + " Thousand";
        if (digitsValue(dollars.substr(3, 3)) > 0)
            words += groupWords(dollars.substr(3, 3));
    }
    const std::string centsText = digitsValue(cents) == 0 ? "No" : cents;
    return words + " and " + centsText + "/100";
}

std::string protectedAmount(float amount)
{
    static constexpr std::array<const char*, 6> kMasks{"", "00000.00", "0000.00", "000.00", "00.00", "0.00"};
    const std::string s = format(amount, "000000.00");
    for (size_t k = 1; k <= 6; ++k) {
        if (leadingNumber(s.substr(0, k)) != 0)
            return k == 1 ? s : std::string(k - 1, '*') + format(amount, kMasks[k - 1]);
    }
    return s; // below one dollar every zero stays
}

std::string offsetText(float offset)
{
    if (const auto whole = wholeNumber(static_cast<double>(offset)))
        return std::to_string(*whole);
    // Beyond the 16-bit range: the nearest whole number, halves to even, all the same.
    return screenText(std::nearbyint(static_cast<double>(offset)));
}


CheckPlacement checkPlacement(const std::string& cboHorz, const std::string& cboVert)
{
    CheckPlacement at;
    at.H = wholeNumber(std::string_view(cboHorz)).value_or(0);
    const double vertical = fullNumber(cboVert).value_or(0);
    at.V = wholeNumber(vertical + 3).value_or(3);
    return at;
}

int checkColumn(const CheckPlacement& at, int n) { return std::clamp(at.H + n, 1, 32767); }

} // namespace tallyrin
