// The local-tax step of the pay-period calculation: city tax, or the non-city resident tax when
// the profile's "NON-CITY Resident" box is checked. The result goes to CityTax.
#pragma once

#include "local/CitySettings.h"
#include "local/NonCitySettings.h"

#include <string_view>

namespace tallyrin {

struct LocalTaxInputs
{
    float taxableWages = 0;  // TaxableWages: gross less the K plan
    float cityAllowance = 0; // CityAllowance looked up by the calculation
    bool biWeekly = false;
    bool nonCityResident = false;
    std::string_view stateStatus; // "Single" selects the Single table, anything else Married
};

// The period's tax before rounding to cents (the calculation rounds CityTax with the other
// amounts). 0 when no bracket matches.
double GetLocalTax(const CitySettings& city, const NonCitySettings& nonCity, const LocalTaxInputs& in);

// The city allowance of the period: the Single or Married column at the state exemption count.
// A count outside 0..9 or a status other than exactly "Single" or "Married" gives 0.
float cityAllowance(const CitySettings& city, std::string_view stateStatus, int exemptions);

} // namespace tallyrin
