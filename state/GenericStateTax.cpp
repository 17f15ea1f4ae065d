#include "state/GenericStateTax.h"

#include <array>

namespace tallyrin {

float genericStateWage(const StateWageInputs& in)
{
    const double allowance = in.biWeekly ? double(in.stateAllowance) : double(in.stateAllowance) / 2;
    return static_cast<float>(double(in.taxableWages) - allowance - double(in.stateCafeteria));
}

float genericStateTax(const StateSettings& state, const StateWageInputs& in)
{
    const float w = genericStateWage(in);
    const bool single = in.stateStatus == "Single";
    const std::array<float, 10>& min = single ? state.StateMinBS : state.StateMinBM;
    const std::array<float, 10>& amt = single ? state.StateAmtBS : state.StateAmtBM;
    const std::array<float, 10>& per = single ? state.StatePerBS : state.StatePerBM;

    // The tables hold bi-weekly figures: a weekly employee's bounds and amounts are halved (each
    // halved bound is a single before it is compared), the rates are not.
    const auto bound = [&](int r) { return in.biWeekly ? min[r] : static_cast<float>(double(min[r]) / 2); };
    const auto amount = [&](int r) { return in.biWeekly ? double(amt[r]) : double(amt[r]) / 2; };
    const auto rowTax = [&](int r) { return static_cast<float>((double(w) - bound(r)) * per[r] + amount(r)); };

    float tax = 0;
    for (int r = 0; r < 9; ++r) {
        if (bound(r) <= w && w < bound(r + 1))
            tax = rowTax(r);
    }
    if (w >= bound(9))
        tax = rowTax(9);

    // The credit is a per-period figure taken whole, for both pay frequencies.
    return static_cast<float>(double(tax) - state.CalAllow);
}

} // namespace tallyrin
