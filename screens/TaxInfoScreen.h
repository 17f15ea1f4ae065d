// The profile screen frmTaxInfo ("User Info"): the texts and check states of its controls and
// the operations behind them. The Qt form binds its widgets to these fields.
#pragma once

#include "records/EmployeeProfile.h"

#include <array>
#include <string>

namespace tallyrin {

struct TaxInfoScreen
{
    std::string txtHourRate, txtHourRate2, txtTipsRate, txtFedAddL, txtPension, txtMuni, txtBond, txtDues, txtMisc,
        txtKplan, txtCafe;
    std::string cboDepend = "0", cboStatus = "Single", cboDepend2 = "0", cboStatus2 = "Single";
    bool ckKpPer = true, ckKpFix = false;
    bool ckCafeState = false, ckSelfEmp = false, ckNonCity = false, ckFedExemp = false, ckSSMediExemp = false;
    bool optWeek = true, optBiWeek = false;
    std::array<std::string, 5> txtTax{"Credit", "Bond", "Dues", "Pension", "Misc."}; // txtTax5 .. txtTax9, design texts
    std::string txtName, txtAddress, txtStateCityZip, txtSSnum;

    // Form_Load: normalises the profile in memory, fills the controls from it (then the caller applies).
    void show(EmployeeProfile& profile);
    // fillVar_: reads every control back into the profile (numbers by leading-number conversion).
    void apply(EmployeeProfile& profile) const;
    // ClearAll: the profile takes its defaults and the controls show them.
    void clearAll(EmployeeProfile& profile);
    // Checking one K plan box unchecks the other; unchecking leaves both unchecked. Called after
    // the box's own state has changed, as its click event is.
    void ckKpPer_Click();
    void ckKpFix_Click();
};

// Form1's lbTableNotice for the profile's pay frequency: "Weekly Tax Tables" or "Bi-Weekly Tax Tables".
std::string tableNotice(const EmployeeProfile& profile);

} // namespace tallyrin
