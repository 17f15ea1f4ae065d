// The employee's state withholding settings ("<user name>.sta" and the state items of ".and").
// Dollar amounts are bi-weekly figures; the methods halve them for a weekly employee.
#pragma once

#include <array>
#include <cstdint>

namespace tallyrin {

struct StateSettings
{
    std::array<float, 10> StateMinBS{}, StateAmtBS{}, StatePerBS{};
    std::array<float, 10> StateMinBM{}, StateAmtBM{}, StatePerBM{};
    std::array<float, 10> StateSgExp{}, StateMarExp{};
    int16_t NoStateTax = 0;
    float StateAdj = 0;
    float CalAllow = 0;
    float SDIpercent = 0, SDIwageBase = 0;
    int16_t SDIuseBase = 0;
    float SUIpercent = 0, SUIwageBase = 0;
    int16_t SUIuseBase = 0;
    int16_t RoundState = 0;
    int16_t SpouseWorks = 0;
    int16_t Ariz = 0, Louis = 0, Iowa = 0, Missouri = 0, Mass = 0, Oregon = 0, Utah = 0, Alabama = 0, Kentucky = 0,
            Wiscon = 0, NC = 0;
};

} // namespace tallyrin
