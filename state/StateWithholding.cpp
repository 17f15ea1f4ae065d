#include "state/StateWithholding.h"

namespace tallyrin {

// Placeholders until the state methods are built.
double stateWithholding(const StateSettings&, const StateWageInputs&)
{
    return 0;
}

double finishStateTax(double tax, const StateSettings&)
{
    return tax;
}

} // namespace tallyrin
