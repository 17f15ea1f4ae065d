#include "state/StateWithholding.h"

#include "state/BuiltInStates.h"
#include "state/GenericStateTax.h"
#include "text/Numbers.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace tallyrin {


float stateAllowance(const StateSettings& state, std::string_view stateStatus, int stateExemptions)
{
    if (stateExemptions < 0 || stateExemptions > 9)
        return 0;
    if (stateStatus == "Single")
        return state.StateSgExp[stateExemptions];
    if (stateStatus == "Married")
        return state.StateMarExp[stateExemptions];
    return 0;
}

bool builtInStateSelected(const StateSettings& state)
{
    for (const BuiltInState& s : builtInStates())
        if (state.*s.flag == 1)
            return true;
    return false;
}

double stateWithholding(const StateSettings& state, const StateWageInputs& in)
{
    if (!builtInStateSelected(state))
        return genericStateTax(state, in);
    // The methods share one working copy of the inputs (Utah's top row drops the allowance).
    StateWageInputs working = in;
    double tax = 0;
    for (const BuiltInState& s : builtInStates())
        if (state.*s.flag == 1)
            tax = s.method(state, working, tax);
    return tax;
}

double finishStateTax(double tax, const StateSettings& state)
{
    // StateTax is a double: the adjustment is added in double precision and the cents come from
    // the double's own digits, whatever precision the method kept.
    const double adjusted = tax + double(state.StateAdj);
    const std::string cents = format(adjusted, "#,###.00");
    double value = fullNumber(cents).value_or(0);
    if (state.RoundState == 1 || methodChecksRoundState(state)) {
        // Whole dollars, half to even on the cents text (12.50 -> 12, 13.50 -> 14). A two-decimal
        // value is exact in binary, so beyond the 16-bit range the same rounding is done on it.
        if (const std::optional<int16_t> dollars = wholeNumber(std::string_view(cents)))
            value = *dollars;
        else
            value = std::nearbyint(value);
    }
    // Negative zero is not below 0 and stays.
    if (value < 0)
        value = 0;
    return value;
}

} // namespace tallyrin
