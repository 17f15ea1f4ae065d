// The profile screen frmTaxInfo: loading the profile into the controls and reading it back.
#include "screens/TaxInfoScreen.h"

#include "text/Numbers.h"

#include <cmath>
#include <limits>

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

} // namespace

void TaxInfoScreen::show(EmployeeProfile& p)
{
    settleOpenedProfile(p);
    const EmployeeProfile defaults;

    txtHourRate = p.HourRate == 0 ? screenText(kDefaultHourRate) : screenText(p.HourRate);
    txtHourRate2 = screenText(p.HourRate2);
    txtTipsRate = screenText(p.TipsRate);
    txtFedAddL = screenText(p.FedAddl);
    txtPension = screenText(p.PensionPct);
    txtMuni = screenText(p.CreditUnionAmt);
    txtBond = screenText(p.BondAmt);
    txtDues = screenText(p.DuesAmt);
    txtMisc = screenText(p.MiscAmt);
    txtKplan = screenText(p.KPlanValue);
    txtCafe = screenText(p.CafeteriaAmt);

    cboDepend = p.FedAllowances;
    cboStatus = p.FedStatus;
    cboDepend2 = std::to_string(p.StateExemptions);
    cboStatus2 = p.StateStatus;

    ckKpPer = p.KPlanPercent == 1;
    ckKpFix = p.KPlanFixed == 1;
    ckCafeState = p.CafeDeductState != 0;
    ckSelfEmp = p.SelfEmployed != 0;
    ckNonCity = p.NonCityResident != 0;
    ckFedExemp = p.FedExempt != 0;
    ckSSMediExemp = p.SsMediExempt != 0;

    // Option buttons exclude each other: a profile marked both ways shows (and is applied as) weekly.
    optWeek = p.Weekly;
    optBiWeek = !optWeek;

    for (size_t i = 0; i < txtTax.size(); ++i)
        txtTax[i] = p.DeductLabel[i].empty() ? defaults.DeductLabel[i] : p.DeductLabel[i];
    txtName = p.EmpName;
    txtAddress = p.EmpAddress;
    txtStateCityZip = p.EmpCityStateZip;
    txtSSnum = p.EmpSsn;
}

void TaxInfoScreen::apply(EmployeeProfile& p) const
{
    p.HourRate = singleFromBox(txtHourRate);
    if (p.HourRate == 0)
        p.HourRate = kDefaultHourRate;
    p.HourRate2 = singleFromBox(txtHourRate2);
    p.TipsRate = singleFromBox(txtTipsRate);
    p.FedAddl = singleFromBox(txtFedAddL);
    p.PensionPct = singleFromBox(txtPension);
    p.CreditUnionAmt = singleFromBox(txtMuni);
    p.BondAmt = singleFromBox(txtBond);
    p.DuesAmt = singleFromBox(txtDues);
    p.MiscAmt = singleFromBox(txtMisc);
    p.KPlanValue = singleFromBox(txtKplan);
    p.CafeteriaAmt = singleFromBox(txtCafe);

    p.FedAllowances = cboDepend;
    p.FedStatus = cboStatus;
    // A count that is not a whole number in range (an empty box) counts as 0.
    p.StateExemptions = wholeNumber(std::string_view(cboDepend2)).value_or(0);
    p.StateStatus = cboStatus2;

    p.KPlanPercent = flag(ckKpPer);
    p.KPlanFixed = flag(ckKpFix);
    p.CafeDeductState = flag(ckCafeState);
    p.SelfEmployed = flag(ckSelfEmp);
    p.NonCityResident = flag(ckNonCity);
    p.FedExempt = flag(ckFedExemp);
    p.SsMediExempt = flag(ckSSMediExemp);
    p.Weekly = optWeek;
    p.BiWeekly = optBiWeek;

    for (size_t i = 0; i < txtTax.size(); ++i)
        p.DeductLabel[i] = txtTax[i];
    p.EmpName = txtName;
    p.EmpAddress = txtAddress;
    p.EmpCityStateZip = txtStateCityZip;
    p.EmpSsn = txtSSnum;
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
    txtName = p.EmpName;
    txtAddress = p.EmpAddress;
    txtStateCityZip = p.EmpCityStateZip;
    txtSSnum = p.EmpSsn;
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
