// The fixed tables of the local-tax screens: the New York city preset, the "NO LOCAL TAX"
// table and the non-city resident defaults.
#pragma once

#include "local/CitySettings.h"
#include "local/NonCitySettings.h"

namespace tallyrin {

// Lower bound of a bracket row that is not in use.
inline constexpr float UnusedBound = 999999.0f;

// "&New York": both bracket tables and both allowance columns, NoLocalTax 0.
const CitySettings& newYorkCityPreset();

// "NO LOCAL TAX": every lower bound 999999 and every other figure 0, so no bracket can match.
// NoLocalTax is 1.
const CitySettings& noLocalTaxTable();

// "&DEFAULT" of the non-city screen; also what an employee without a ".nci" file starts from.
const NonCitySettings& nonCityDefaults();

// The city settings as Open and every calculation take them through the city screen's boxes:
// when the file was read (`read`), its tables are shown (the no-tax table when "NO LOCAL TAX" is
// set), every box left empty takes the New York preset, and the boxes are read back.
void settleOpenedCity(CitySettings& settings, bool read);

} // namespace tallyrin
