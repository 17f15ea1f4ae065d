#include "local/LocalTax.h"

#include <array>
#include <cstddef>

namespace tallyrin {

namespace {

// Sums and products are formed in double from single operands; a value held by the method is
// rounded to single when it is stored, as the single-precision fields of the system are.
float cityTax(const CitySettings& city, const LocalTaxInputs& in)
{
    const bool single = in.stateStatus == "Single";
    const auto& min = single ? city.CityMinBS : city.CityMinBM;
    const auto& amt = single ? city.CityAmtBS : city.CityAmtBM;
    const auto& per = single ? city.CityPerBS : city.CityPerBM;

    // A weekly period uses half of every bi-weekly dollar figure; rates stay as they are.
    // Halving a single is exact, so each halved figure is already a single.
    const float scale = in.biWeekly ? 1.0f : 0.5f;
    const float t = static_cast<float>(static_cast<double>(in.taxableWages) - in.cityAllowance * scale);

    auto rowTax = [&](std::size_t k) {
        const float lower = min[k] * scale;
        return static_cast<float>((static_cast<double>(t) - lower) * per[k] + amt[k] * scale);
    };

    // Only rows 1 to 8 take part. The tests run in order and a later match overwrites an
    // earlier one, so the row-8 test wins over the ranges before it.
    float tax = 0;
    for (std::size_t k = 0; k < 7; ++k)
        if (min[k] * scale <= t && t < min[k + 1] * scale)
            tax = rowTax(k);
    if (t >= min[7] * scale)
        tax = rowTax(7);
    return tax;
}

float nonCityTax(const NonCitySettings& nonCity, const LocalTaxInputs& in)
{
    // The two tables are independent (the weekly one is not derived from the bi-weekly one),
    // and the exclusion is used as stored.
    const auto& min = in.biWeekly ? nonCity.NonMinBi : nonCity.NonMinWk;
    const auto& exclusion = in.biWeekly ? nonCity.NonExpBi : nonCity.NonExpWk;
    const float w = in.taxableWages;

    // Wages below the first bound match no row and get no exclusion.
    float s = 0;
    for (std::size_t k = 0; k < 7; ++k)
        if (min[k] <= w && w < min[k + 1])
            s = exclusion[k];
    if (w >= min[7])
        s = exclusion[7];
    return static_cast<float>((static_cast<double>(w) - s) * nonCity.NonPer);
}

} // namespace

double GetLocalTax(const CitySettings& city, const NonCitySettings& nonCity, const LocalTaxInputs& in)
{
    return in.nonCityResident ? nonCityTax(nonCity, in) : cityTax(city, in);
}

float cityAllowance(const CitySettings& city, std::string_view stateStatus, int exemptions)
{
    if (exemptions < 0 || exemptions > 9)
        return 0;
    if (stateStatus == "Single")
        return city.CitySgExp[static_cast<std::size_t>(exemptions)];
    if (stateStatus == "Married")
        return city.CityMarExp[static_cast<std::size_t>(exemptions)];
    return 0;
}

} // namespace tallyrin
