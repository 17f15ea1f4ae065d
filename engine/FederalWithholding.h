// Federal income-tax withholding by the percentage method: the table for the filing status and
// pay frequency, and the bracket computation over its six rows.
#pragma once

#include "engine/FederalTables.h"

#include <string_view>

namespace tallyrin {

// The Single tables only for the exact text "Single"; any other status is taxed as married.
const FederalBracketTable& federalTable(const FederalTables& tables, std::string_view fedStatus, bool biWeekly);

// Tax on `fedWages` from the six rows tested in order, a later matching row replacing an earlier
// result. With no matching row (wages at or below row 1's Over) the tax stays `taxSoFar`.
float federalWithholding(const FederalBracketTable& table, float fedWages, float taxSoFar = 0);

} // namespace tallyrin
