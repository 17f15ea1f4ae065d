// The federal withholding tables of the tax year, read from "Federal09.dtt" (or the January file).
#pragma once

#include <array>
#include <string>

namespace tallyrin {

struct FederalBracketRow
{
    float Over = 0;       // lower bound, exclusive
    float NotOver = 0;    // upper bound, inclusive (rows 1-5 only)
    float ExcessOver = 0; // subtracted from wages before the rate
    float Rate = 0;       // fraction
    float Base = 0;       // fixed tax added (rows 2-6 only)
};

using FederalBracketTable = std::array<FederalBracketRow, 6>;

struct FederalTables
{
    FederalBracketTable BiWeeklySingle{};
    FederalBracketTable WeeklySingle{};
    FederalBracketTable BiWeeklyMarried{};
    FederalBracketTable WeeklyMarried{};
    std::array<float, 10> SingleAllowance{}; // weekly amounts for 0..9 allowances
    std::array<float, 10> MarriedAllowance{};
    std::string Version;
};

} // namespace tallyrin
