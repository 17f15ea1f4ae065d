#include "engine/PayrollTaxes.h"

#include <algorithm>

namespace tallyrin {

namespace {

constexpr double kSocSecRate = 0.062;
constexpr Currency kSocSecWageBase = Currency::fromCount(106800LL * 10000);

// One state insurance contribution: a percent of gross up to an annual wage base ("Use Base"),
// or, without a base, the field holds a flat amount per period.
float insurance(float percent, float baseOrFlat, int16_t useBase, float grossPay, Currency ytdGross, float runningGross)
{
    if (useBase == 0)
        return baseOrFlat;
    const double ytd = ytdGross.toDouble();
    if (!(ytd < baseOrFlat))
        return 0;
    float tax = static_cast<float>(double(percent) * 0.01 * grossPay);
    if (runningGross > baseOrFlat) // only the part of the period below the base
        tax = static_cast<float>((double(baseOrFlat) - ytd) * percent * 0.01);
    return tax;
}

} // namespace

float GetSocSec(float grossPay, float cafeteria, Currency ytdGross, bool selfEmployed)
{
    const Currency y = ytdGross;
    // A cafeteria plan larger than gross leaves no wage to tax; it never makes a refund.
    const Currency s = std::max(Currency::of(double(grossPay) - double(cafeteria)), Currency());

    const float total = (y + s).toSingle();
    const float room = static_cast<float>(kSocSecWageBase.toDouble() - total);

    float socSec = room >= 0 ? static_cast<float>(s.toDouble() * kSocSecRate) : 0.0f;
    if (total > kSocSecWageBase.toDouble() && y < kSocSecWageBase)
        socSec = static_cast<float>((kSocSecWageBase - y).toDouble() * kSocSecRate);
    if (socSec > 0 && selfEmployed)
        socSec = static_cast<float>(double(socSec) * 2);
    return socSec;
}

SdiSui GetSDI_SUI(float grossPay, Currency ytdGross, const StateSettings& state)
{
    // The running figure year-to-date gross + this period, summed in currency, kept as a single.
    const float running = (ytdGross + Currency::ofSingle(grossPay)).toSingle();
    SdiSui out;
    out.SdiTax = insurance(state.SDIpercent, state.SDIwageBase, state.SDIuseBase, grossPay, ytdGross, running);
    out.SuiTax = insurance(state.SUIpercent, state.SUIwageBase, state.SUIuseBase, grossPay, ytdGross, running);
    return out;
}

} // namespace tallyrin
