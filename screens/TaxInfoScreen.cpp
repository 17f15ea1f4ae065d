// The profile screen frmTaxInfo: loading the profile into the controls and reading it back.
#include "screens/TaxInfoScreen.h"

#include "text/Numbers.h"

#include <cmath>
#include <limits>
#include <utility>

namespace tallyrin {

namespace {

const float kDefaultHourRate = 7.5f;

// Profile boxes convert as far as the text reads as a number; an empty box is 0. A number beyond
// the single range (a long run of digits) also counts as 0 rather than becoming infinite.
float singleFromBox(const std::string& text)
{
    const double value = leadingNumber(text);
    if (!(std::fabs(value) <= std::numeric_limits<float>::max()))
        return 0;
    return static_cast<float>(value);
}

int16_t flag(bool checked) { return checked ? 1 : 0; }

using T = TaxInfoScreen;
using P = EmployeeProfile;
// The boxes that show a profile field as it is: the amounts after the first rate, the flags that
// are checked when set, and the employee's texts.
constexpr std::pair<std::string T::*, float P::*> kAmountBoxes[] = {
    {&T::txtHourRate2, &P::HourRate2}, {&T::txtTipsRate, &P::TipsRate},    {&T::txtFedAddL, &P::FedAddl},
    {&T::txtPension, &P::PensionPct},  {&T::txtMuni, &P::CreditUnionAmt}, {&T::txtBond, &P::BondAmt},
    {&T::txtDues, &P::DuesAmt},        {&T::txtMisc, &P::MiscAmt},        {&T::txtKplan, &P::KPlanValue},
    {&T::txtCafe, &P::CafeteriaAmt},
};
constexpr std::pair<bool T::*, int16_t P::*> kFlagBoxes[] = {
    {&T::ckCafeState, &P::CafeDeductState}, {&T::ckSelfEmp, &P::SelfEmployed}, {&T::ckNonCity, &P::NonCityResident},
    {&T::ckFedExemp, &P::FedExempt},        {&T::ckSSMediExemp, &P::SsMediExempt},
};
constexpr std::pair<std::string T::*, std::string P::*> kTextBoxes[] = {
    {&T::txtName, &P::EmpName},
    {&T::txtAddress, &P::EmpAddress},
    {&T::txtStateCityZip, &P::EmpCityStateZip},
    {&T::txtSSnum, &P::EmpSsn},
};

} // namespace

void TaxInfoScreen::show(EmployeeProfile& p)
{
    settleOpenedProfile(p);
    const EmployeeProfile defaults;

    txtHourRate = p.HourRate == 0 ? screenText(kDefaultHourRate) : screenText(p.HourRate);
    for (const auto& [box, field] : kAmountBoxes)
        this->*box = screenText(p.*field);

    cboDepend = p.FedAllowances;
    cboStatus = p.FedStatus;
    cboDepend2 = std::to_string(p.StateExemptions);
    cboStatus2 = p.StateStatus;

    ckKpPer = p.KPlanPercent == 1;
    ckKpFix = p.KPlanFixed == 1;
    for (const auto& [box, field] : kFlagBoxes)
        this->*box = p.*field != 0;

    // Option buttons exclude each other: a profile marked both ways shows (and is applied as) weekly.
    optWeek = p.Weekly;
    optBiWeek = !optWeek;

    for (size_t i = 0; i < txtTax.size(); ++i)
        txtTax[i] = p.DeductLabel[i].empty() ? defaults.DeductLabel[i] : p.DeductLabel[i];
    for (const auto& [box, field] : kTextBoxes)
        this->*box = p.*field;
}

void TaxInfoScreen::apply(EmployeeProfile& p) const
{
    p.HourRate = singleFromBox(txtHourRate);
    if (p.HourRate == 0)
        p.HourRate = kDefaultHourRate;
    for (const auto& [box, field] : kAmountBoxes)
        p.*field = singleFromBox(this->*box);

    p.FedAllowances = cboDepend;
    p.FedStatus = cboStatus;
    // A count that is not a whole number in range (an empty box) counts as 0.
    p.StateExemptions = wholeNumber(std::string_view(cboDepend2)).value_or(0);
    p.StateStatus = cboStatus2;

    p.KPlanPercent = flag(ckKpPer);
    p.KPlanFixed = flag(ckKpFix);
    for (const auto& [box, field] : kFlagBoxes)
        p.*field = flag(this->*box);
    p.Weekly = optWeek;
    p.BiWeekly = optBiWeek;

    for (size_t i = 0; i < txtTax.size(); ++i)
        p.DeductLabel[i] = txtTax[i];
    for (const auto& [box, field] : kTextBoxes)
        p.*field = this->*box;
}

void TaxInfoScreen::clearAll(EmployeeProfile& p)
{
    // A new employee starts from the defaults and a new file's empty reserved items; the check
    // print offsets belong to the print settings dialog and carry over to the new employee.
    const float horz = p.HorzOffset, vert = p.VertOffset;
    p = EmployeeProfile{};
    p.HorzOffset = horz;
    p.VertOffset = vert;

    *this = TaxInfoScreen{};
    txtHourRate = screenText(p.HourRate);
    txtTax = p.DeductLabel;
    for (const auto& [box, field] : kTextBoxes)
        this->*box = p.*field;
}

void TaxInfoScreen::ckKpPer_Click()
{
    if (ckKpPer)
        ckKpFix = false;
}

void TaxInfoScreen::ckKpFix_Click()
{
    if (ckKpFix)
        ckKpPer = false;
}

std::string tableNotice(const EmployeeProfile& profile)
{
    return profile.Weekly ? "Weekly Tax Tables" : "Bi-Weekly Tax Tables";
}

} // namespace tallyrin
