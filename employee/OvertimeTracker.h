// The overtime and salary tracker: rows of period dates and overtime amounts (".ovw"/".ovb")
// and the figures kept on lines 1-2 of the ".use" file.
#pragma once

#include <array>
#include <string>

namespace tallyrin {

struct OvertimeTracker
{
    std::array<std::string, 52> OtDates{};   // "Week Ending" texts
    std::array<std::string, 52> OtAmounts{}; // "O.T. Only" texts
    float AnnualSalary = 0;
    float ApprovedPercent = 0;
    float OtEarned = 0;
    float PresentRate = 0;
    float OtMaximum = 0;
    float OtAvailable = 0;
};

} // namespace tallyrin
