#include "engine/PayrollTaxes.h"

namespace tallyrin {

// Placeholders until Social Security, SDI and SUI are built.
float GetSocSec(float, float, Currency, bool)
{
    return 0;
}

SdiSui GetSDI_SUI(float, Currency, const StateSettings&)
{
    return {};
}

} // namespace tallyrin
