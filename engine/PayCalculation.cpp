#include "engine/PayCalculation.h"

#include "engine/FederalWithholding.h"
#include "engine/PayrollTaxes.h"
#include "local/LocalTax.h"
#include "state/StateWithholding.h"
#include "text/Numbers.h"
#include "text/Trim.h"

#include <cmath>
#include <optional>

namespace tallyrin {

namespace {

constexpr float kDefaultPayRate = 7.5f;
constexpr double kMedicareRate = 0.0145;

// Single fields are stored after each step: products and sums are formed in double and
// rounded to single here, never before.
float single(double value) { return static_cast<float>(value); }

// The value an entry text stands for; a text that does not convert (or overflows) counts as 0.
float entryNumber(std::string_view text) { return fullSingle(text).value_or(0.0f); }

Currency entryCurrency(std::string_view text) { return fullCurrency(text).value_or(Currency{}); }

bool readsAsZero(size_t index, std::string_view text)
{
    return index == 6 ? entryCurrency(text) == Currency{} : entryNumber(text) == 0;
}

// A count text matching one of 0..9 exactly, as the allowance lists offer them.
std::optional<size_t> allowanceIndex(std::string_view countText)
{
    const std::optional<double> count = fullNumber(countText);
    if (!count)
        return std::nullopt;
    for (size_t k = 0; k < 10; ++k)
        if (*count == static_cast<double>(k))
            return k;
    return std::nullopt;
}

} // namespace

void clearPeriodAmounts(PayPeriodResult& result)
{
    for (float PayPeriodResult::*amount :
         {&PayPeriodResult::TaxableWages, &PayPeriodResult::GrossPay, &PayPeriodResult::NetPay,
          &PayPeriodResult::TotDeduct, &PayPeriodResult::FedTax, &PayPeriodResult::SocSec, &PayPeriodResult::Medicare,
          &PayPeriodResult::SdiTax, &PayPeriodResult::SuiTax})
        result.*amount = 0;
    result.TaxDeduct = result.StateTax = result.CityTax = 0;
}

void resetPayPeriod(PayPeriodResult& result, const EmployeeProfile& profile)
{
    clearPeriodAmounts(result);
    result.Cafeteria = profile.CafeteriaAmt;
}

float federalAllowanceAmount(const FederalTables& tables, std::string_view fedStatus, std::string_view countText)
{
    const std::optional<size_t> k = allowanceIndex(countText);
    if (!k)
        return 0;
    if (fedStatus == "Single")
        return tables.SingleAllowance[*k];
    if (fedStatus == "Married")
        return tables.MarriedAllowance[*k];
    return 0;
}

PayPeriodResult computePayPeriod(const PayPeriodEntry& entry, bool opt1x, const PayPeriodRecords& records)
{
    const EmployeeProfile& profile = records.profile;
    const StateSettings& state = records.state;
    const CitySettings& city = records.city;
    const bool biWeekly = profile.BiWeekly;

    PayPeriodResult r;
    resetPayPeriod(r, profile);
    r.Entry = entry;

    r.PayRate = profile.HourRate == 0 ? kDefaultPayRate : profile.HourRate;
    const double rate = r.PayRate;

    r.AllowanceAmount = federalAllowanceAmount(records.federal, profile.FedStatus, profile.FedAllowances);

    const int16_t k = profile.StateExemptions;
    if (k >= 0 && k <= 9 && profile.StateStatus == "Single") {
        r.StateAllowance = state.StateSgExp[k];
        r.CityAllowance = city.CitySgExp[k];
    } else if (k >= 0 && k <= 9 && profile.StateStatus == "Married") {
        r.StateAllowance = state.StateMarExp[k];
        r.CityAllowance = city.CityMarExp[k];
    } // else both stay 0: this employee has no state or city allowance to look up

    PayPeriodEntry& e = r.Entry;
    if (!opt1x)
        e.OtVar = single(2.0 * e.OtVar);

    const double otHalfPay = rate * (e.OtHrs * 1.5);
    r.TotalOt = single(e.OtVar * rate + otHalfPay);
    r.TotalTips = single(static_cast<double>(profile.TipsRate) * e.TipsHrs);
    r.TipsPay = r.TotalTips;

    // Gross pay: four parts taken to currency (half to even at the fourth decimal) and summed
    // exactly with the dollar amount, then stored as single.
    const Currency partA =
        Currency::of(static_cast<double>(profile.HourRate2) * e.StrHrs2 + e.StrHrs * rate + otHalfPay + e.Avas * rate);
    const Currency partB = Currency::of(e.OtVar * rate);
    const Currency partC = Currency::of(rate * e.VacDys);
    const Currency partD = Currency::of(static_cast<double>(profile.TipsRate) * e.TipsHrs);
    r.GrossPay = (partA + e.Addit + partB + partC + partD).toSingle();
    const double gross = r.GrossPay;

    r.KPlan = profile.KPlanPercent != 0 ? single(profile.KPlanValue * 0.01 * gross) : profile.KPlanValue;
    r.PensionAmt = single(profile.PensionPct * 0.01 * gross);
    r.TaxableWages = single(gross - r.KPlan);

    if (biWeekly)
        r.AllowanceAmount = single(2.0 * r.AllowanceAmount);
    r.FedWages = single(static_cast<double>(r.TaxableWages) - r.PensionAmt - r.AllowanceAmount - r.Cafeteria);

    // Computed for a federal-exempt employee too: the state methods that start from the federal
    // withholding see it; the exemption zeroes FedTax only after the state step.
    r.FedTax = federalWithholding(federalTable(records.federal, profile.FedStatus, biWeekly), r.FedWages, r.FedTax);

    r.SocSec = GetSocSec(r.GrossPay, r.Cafeteria, records.ytdGross, profile.SelfEmployed != 0);
    // A cafeteria plan larger than the gross leaves no Medicare wages; it must not turn the tax
    // into a refund.
    double medicareWages = gross - r.Cafeteria;
    if (medicareWages < 0)
        medicareWages = 0;
    r.Medicare = single(medicareWages * kMedicareRate);
    if (profile.SelfEmployed != 0)
        r.Medicare = single(2.0 * r.Medicare);
    if (profile.SsMediExempt != 0) {
        r.SocSec = 0;
        r.Medicare = 0;
    }

    r.StateCafeteria = profile.CafeDeductState != 0 ? r.Cafeteria : 0;
    r.StateTax = stateWithholding(state, StateWageInputs{.grossPay = r.GrossPay,
                                                         .taxableWages = r.TaxableWages,
                                                         .stateCafeteria = r.StateCafeteria,
                                                         .stateAllowance = r.StateAllowance,
                                                         .biWeekly = biWeekly,
                                                         .stateStatus = profile.StateStatus,
                                                         .stateExemptions = profile.StateExemptions,
                                                         .fedStatus = profile.FedStatus,
                                                         .fedTax = r.FedTax,
                                                         .socSec = r.SocSec,
                                                         .medicare = r.Medicare,
                                                         .ytdSocSec = records.ytdSocSec,
                                                         .ytdMedicare = records.ytdMedicare});

    r.CityTax = GetLocalTax(city, records.nonCity,
                            LocalTaxInputs{.taxableWages = r.TaxableWages,
                                           .cityAllowance = r.CityAllowance,
                                           .biWeekly = biWeekly,
                                           .nonCityResident = profile.NonCityResident != 0,
                                           .stateStatus = profile.StateStatus});

    const SdiSui insurance = GetSDI_SUI(r.GrossPay, records.ytdGross, state);
    r.SdiTax = insurance.SdiTax;
    r.SuiTax = insurance.SuiTax;

    // Cents, each field rounded in its own kind through "#,###.00".
    r.FedTax = roundCents(single(static_cast<double>(r.FedTax) + profile.FedAddl));
    r.CityTax = roundCents(r.CityTax);
    r.CreditUnion = roundCents(profile.CreditUnionAmt);
    r.Bond = roundCents(profile.BondAmt);
    r.Dues = roundCents(profile.DuesAmt);
    r.Misc = roundCents(profile.MiscAmt);
    for (float PayPeriodResult::*f : {&PayPeriodResult::SocSec, &PayPeriodResult::Medicare, &PayPeriodResult::PensionAmt,
                                      &PayPeriodResult::KPlan, &PayPeriodResult::SdiTax, &PayPeriodResult::SuiTax,
                                      &PayPeriodResult::Cafeteria})
        r.*f = roundCents(r.*f);
    if (profile.FedExempt != 0)
        r.FedTax = 0; // the additional withholding goes too

    r.StateTax = finishStateTax(r.StateTax, state);

    r.TaxDeduct = r.StateTax + r.FedTax + r.SdiTax + r.SuiTax + r.CityTax + r.Medicare + r.SocSec;
    r.TotDeduct =
        single(static_cast<double>(r.Bond) + r.CreditUnion + r.Misc + r.Dues + r.KPlan + r.PensionAmt + r.Cafeteria);
    // Tips are in the gross and in the taxes, but the employee already holds them.
    r.NetPay = single(gross - (static_cast<double>(r.TotDeduct) + r.TaxDeduct) - r.TipsPay);
    return r;
}

PayPeriodEntry readPayPeriodEntry(std::array<std::string, 8>& txtAmount)
{
    for (size_t i = 0; i < txtAmount.size(); ++i)
        if (readsAsZero(i, txtAmount[i]))
            txtAmount[i].assign(1, '0');
    PayPeriodEntry e;
    e.StrHrs = entryNumber(txtAmount[0]);
    e.StrHrs2 = entryNumber(txtAmount[1]);
    e.OtVar = entryNumber(txtAmount[2]);
    e.OtHrs = entryNumber(txtAmount[3]);
    e.Avas = entryNumber(txtAmount[4]);
    e.VacDys = entryNumber(txtAmount[5]);
    e.Addit = entryCurrency(txtAmount[6]);
    e.TipsHrs = entryNumber(txtAmount[7]);
    return e;
}

std::optional<std::string> periodOutOfRange(const std::array<std::string, 8>& txtAmount, const PayPeriodResult& r)
{
    bool tooLarge = false;
    for (const std::string& text : txtAmount) {
        const double value = fullNumber(text).value_or(0);
        tooLarge = tooLarge || !std::isfinite(value) || std::fabs(value) > kLargestEntry;
    }
    for (const double amount : {double(r.GrossPay), double(r.TaxableWages), double(r.FedTax), r.StateTax, r.CityTax,
                                r.TaxDeduct, double(r.TotDeduct), double(r.NetPay), double(r.TotalOt),
                                double(r.TotalTips)})
        tooLarge = tooLarge || !std::isfinite(amount) || std::fabs(amount) > kLargestGross;
    if (!tooLarge)
        return std::nullopt;
    return "The figures of this pay period are too large to be calculated.\r\n"
           "An entry may hold at most 999,999.99, and the pay, taxes and deductions of one period may come "
           "to at most 9,999,999.99.\r\n"
           "No results are shown and nothing was saved.";
}

bool entryIsNumberOrBlank(size_t index, std::string_view text)
{
    if (trimmed(text).empty())
        return true;
    return index == 6 ? fullCurrency(text).has_value() : fullSingle(text).has_value();
}

std::optional<size_t> nonNumericEntry(const std::array<std::string, 8>& txtAmount)
{
    for (size_t i = 0; i < txtAmount.size(); ++i)
        if (!entryIsNumberOrBlank(i, txtAmount[i]))
            return i;
    return std::nullopt;
}

void CleartxtBox(std::array<std::string, 8>& txtAmount)
{
    for (size_t i = 0; i < txtAmount.size(); ++i)
        if (readsAsZero(i, txtAmount[i]))
            txtAmount[i].clear();
}

PayPeriodLabels payPeriodLabels(const PayPeriodResult& r)
{
    constexpr std::string_view dollars = "$#,###.00";
    constexpr std::string_view cents = "#,###.00";
    PayPeriodLabels l;
    if (r.TaxableWages != 0)
        l.Label13 = format(r.GrossPay, dollars);
    l.lbTaxes = format(r.TaxDeduct, dollars);
    l.lbDeduct = format(r.TotDeduct, dollars);
    l.lbNet = format(r.NetPay, dollars);
    l.lbOverT = format(r.TotalOt, dollars);
    l.lbTips = format(r.TotalTips, dollars);
    l.lbTaxDed = {format(r.FedTax, cents),   format(r.SocSec, cents),  format(r.Medicare, cents),
                  format(r.StateTax, cents), format(r.CityTax, cents), format(r.CreditUnion, cents),
                  format(r.Bond, cents),     format(r.Dues, cents),    format(r.PensionAmt, cents),
                  format(r.Misc, cents),     format(r.KPlan, cents)};
    l.lbSDI = format(r.SdiTax, cents);
    l.lbSUI = format(r.SuiTax, cents);
    l.lbCafe = format(r.Cafeteria, cents);
    return l;
}

PayPeriodResult periodAsShown(const PayPeriodLabels& shownLabels, const PayPeriodResult& result)
{
    // A label converts by full conversion ("$1,234.56" is 1234.56); a blank one counts 0.
    auto shown = [](const std::string& label) { return fullNumber(label).value_or(0); };
    auto single = [&](const std::string& label) { return static_cast<float>(shown(label)); };
    PayPeriodResult p;
    p.FedTax = single(shownLabels.lbTaxDed[0]);
    p.SocSec = single(shownLabels.lbTaxDed[1]);
    p.Medicare = single(shownLabels.lbTaxDed[2]);
    p.StateTax = shown(shownLabels.lbTaxDed[3]);
    p.CityTax = shown(shownLabels.lbTaxDed[4]);
    p.CreditUnion = single(shownLabels.lbTaxDed[5]);
    p.Bond = single(shownLabels.lbTaxDed[6]);
    p.Dues = single(shownLabels.lbTaxDed[7]);
    p.PensionAmt = single(shownLabels.lbTaxDed[8]);
    p.Misc = single(shownLabels.lbTaxDed[9]);
    p.KPlan = single(shownLabels.lbTaxDed[10]);
    p.SdiTax = single(shownLabels.lbSDI);
    p.SuiTax = single(shownLabels.lbSUI);
    p.Cafeteria = single(shownLabels.lbCafe);
    p.TotalOt = single(shownLabels.lbOverT);
    p.TotalTips = single(shownLabels.lbTips);
    // Gross and net come from the record, which CLEAR zeroes (the gross label stays blank when
    // the K plan takes the whole gross).
    p.GrossPay = result.GrossPay;
    p.NetPay = result.NetPay;
    return p;
}

} // namespace tallyrin
