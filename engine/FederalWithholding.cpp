#include "engine/FederalWithholding.h"

namespace tallyrin {

const FederalBracketTable& federalTable(const FederalTables& tables, std::string_view fedStatus, bool biWeekly)
{
    if (fedStatus == "Single")
        return biWeekly ? tables.BiWeeklySingle : tables.WeeklySingle;
    return biWeekly ? tables.BiWeeklyMarried : tables.WeeklyMarried;
}

float federalWithholding(const FederalBracketTable& table, float fedWages, float taxSoFar)
{
    const double w = fedWages;
    float tax = taxSoFar;
    // Row 1 has no base (it is 0 in the table); rows 1-5 are bounded above, row 6 is not.
    for (size_t r = 0; r < table.size(); ++r) {
        const FederalBracketRow& row = table[r];
        const bool bounded = r + 1 < table.size();
        if (w > row.Over && (!bounded || w <= row.NotOver)) {
            double t = (w - row.ExcessOver) * static_cast<double>(row.Rate);
            if (r > 0)
                t += row.Base;
            tax = static_cast<float>(t);
        }
    }
    return tax;
}

} // namespace tallyrin
