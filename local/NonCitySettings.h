// The non-city resident tax: exclusion tables for bi-weekly and weekly periods and one rate,
// kept in "<user name>.nci".
#pragma once

#include <array>

namespace tallyrin {

struct NonCitySettings
{
    std::array<float, 8> NonMinBi{}, NonExpBi{}, NonMinWk{}, NonExpWk{};
    float NonPer = 0;
};

} // namespace tallyrin
