// The state-withholding step: the selected built-in state method, or else the generic table
// method, and the finishing of the state tax (adjustment, cents, "Round State", floor at 0).
#pragma once

#include "state/StateSettings.h"

#include <cstdint>
#include <string_view>

namespace tallyrin {

struct StateWageInputs
{
    float grossPay = 0;
    float taxableWages = 0;   // gross less the K plan
    float stateCafeteria = 0; // cafeteria when "Deduct State" is checked, else 0
    float stateAllowance = 0; // StateAllowance looked up by the calculation
    bool biWeekly = false;
    std::string_view stateStatus;
    int16_t stateExemptions = 0;
    // What some built-in methods take besides the wages:
    std::string_view fedStatus; // federal filing status (Arizona, Alabama)
    // The federal withholding as the federal method computed it: before the additional federal
    // amount is added and before a federal exemption zeroes it.
    float fedTax = 0;
    float socSec = 0, medicare = 0;       // of this period (Massachusetts)
    float ytdSocSec = 0, ytdMedicare = 0; // as the ledger last totalled them (Massachusetts)
};

// StateAllowance for the state filing status and exemption count: the Single column for exactly
// "Single", the Married column for exactly "Married"; any other status, or a count outside 0-9,
// has no allowance (0).
float stateAllowance(const StateSettings& state, std::string_view stateStatus, int stateExemptions);

// True when any of the eleven built-in state methods is selected.
bool builtInStateSelected(const StateSettings& state);

// The tax of the period before finishing: the built-in methods whose flag is set, in their
// order, else the generic table method.
double stateWithholding(const StateSettings& state, const StateWageInputs& in);

// Adds StateAdj, rounds to cents through "#,###.00", to whole dollars (half to even) when
// "Round State" is set or the checked method checks it (Missouri), and floors at 0.
double finishStateTax(double tax, const StateSettings& state);

} // namespace tallyrin
