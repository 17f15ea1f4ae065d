// The employee's city (local) tax tables, kept in "<user name>.cti". Dollar figures are
// bi-weekly; a weekly period uses half of each.
#pragma once

#include <array>
#include <cstdint>

namespace tallyrin {

struct CitySettings
{
    std::array<float, 10> CityMinBS{}, CityAmtBS{}, CityPerBS{};
    std::array<float, 10> CityMinBM{}, CityAmtBM{}, CityPerBM{};
    std::array<float, 10> CitySgExp{}, CityMarExp{};
    int16_t NoLocalTax = 0;
};

} // namespace tallyrin
