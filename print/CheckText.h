// The two texts of a check: the amount written out in words, bank-check style, and the amount in
// figures protected by asterisks; and the check's placement offsets read from the offset boxes.
#pragma once

#include <string>

namespace tallyrin {

inline constexpr const char* kAmountTooLarge = "Dollar amount is too large";

// " One Thousand Two Hundred Thirty Four and 56/100", "Zero and No/100"; every word but "Zero"
// carries one leading space. Above 999999.99 the text is "Dollar amount is too large".
std::string amountInWords(float amount);

// "**1234.56", "****20.05", "000000.75": the leading zeros of the six-digit dollar part become
// asterisks, except below one dollar. Give it a non-negative amount.
std::string protectedAmount(float amount);

// Where the paycheck goes on the sheet: H, the horizontal offset in print columns, and V, the
// vertical start (the check begins after V + 1 blank lines, none when V is negative).
struct CheckPlacement
{
    int H = 0;
    int V = 3;
};

// H is the whole number in the horizontal box ("+2" reads 2, a fraction rounds half to even);
// V the number in the vertical box plus 3, rounded the same way. Text that is not a number, or
// a number outside the 16-bit range, counts as 0.
CheckPlacement checkPlacement(const std::string& cboHorz, const std::string& cboVert);
// A stored offset as the offset boxes show it: its whole number (beyond the 16-bit range, the
// nearest whole number, halves to even).
std::string offsetText(float offset);

// The print column H + n: below 1 counts as 1, and no column passes 32767.
int checkColumn(const CheckPlacement& at, int n);

} // namespace tallyrin
