// The generic state table method: the operator's Single/Married bracket tables (bi-weekly
// figures, halved for a weekly employee) applied to the state taxable wage.
#pragma once

#include "state/StateSettings.h"
#include "state/StateWithholding.h"

namespace tallyrin {

// State taxable wage W: taxable wages less the state allowance (halved for a weekly employee)
// and the state cafeteria amount, stored as a single.
float genericStateWage(const StateWageInputs& in);

// The state tax of the period by the operator's table, less the California exempt allowance.
// Every row whose bounds hold overwrites the tax, so with bounds that do not rise the last
// matching row wins; when no row holds the tax stays 0 before the allowance credit.
float genericStateTax(const StateSettings& state, const StateWageInputs& in);

} // namespace tallyrin
