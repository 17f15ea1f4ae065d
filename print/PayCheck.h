// The paycheck as composed for printing: its fields from the profile and the period's net pay, the
// amount in words and the protected amount. The check window shows and edits one of these.
#pragma once

#include "records/EmployeeProfile.h"
#include "engine/PayPeriod.h"

#include <string>

namespace tallyrin {

class PayCheck
{
public:
    static constexpr const char* kPayToStars = "********";

    // Load: the refresh, then the period date into txtCheckDate.
    void Form_Load(const EmployeeProfile& profile, PayPeriodResult& result, const std::string& txtWeek);
    // A click on the form or the form gaining the focus: compose the check fields, then the
    // protected amount into txtCheckAmt. Edits to every field but txtCheckDate, txtMemo and
    // txtCheckCompany are overwritten.
    void refresh(const EmployeeProfile& profile, PayPeriodResult& result);
    bool loaded() const { return m_loaded; }
    void Unload() { m_loaded = false; }

    // The amount in words as last composed; the paycheck prints this, not txtDollars.
    const std::string& words() const { return m_words; }

    std::string txtCheckDate;
    std::string txtPayTo;
    std::string txtCheckAmt;
    std::string txtDollars;
    std::string txtMemo;
    std::string txtCheckCompany;
    std::string txtUserName;
    std::string txtUserAddress;
    std::string txtUserState;
    std::string txtUserSSnum;

private:
    void composeCheckFields(const EmployeeProfile& profile, float netPay);
    void composeProtectedAmount(PayPeriodResult& result);

    std::string m_words;
    std::string m_protected;
    bool m_loaded = false;
};

} // namespace tallyrin
