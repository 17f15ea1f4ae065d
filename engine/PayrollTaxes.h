// Social Security with its annual wage base, and the state insurance contributions SDI and SUI.
#pragma once

#include "state/StateSettings.h"
#include "text/Currency.h"

namespace tallyrin {

// GetSocSec: Social Security of the period on gross less cafeteria, against the year-to-date gross.
float GetSocSec(float grossPay, float cafeteria, Currency ytdGross, bool selfEmployed);

struct SdiSui
{
    float SdiTax = 0;
    float SuiTax = 0;
};

// GetSDI_SUI: each by percent up to a wage base ("Use Base") or as a flat amount per period.
SdiSui GetSDI_SUI(float grossPay, Currency ytdGross, const StateSettings& state);

} // namespace tallyrin
