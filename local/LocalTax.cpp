#include "local/LocalTax.h"

namespace tallyrin {

// Placeholder until the city and non-city methods are built: no local tax.
double GetLocalTax(const CitySettings&, const NonCitySettings&, const LocalTaxInputs&)
{
    return 0;
}

} // namespace tallyrin
