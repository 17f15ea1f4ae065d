#include "print/PayCheck.h"

#include "print/CheckText.h"

namespace tallyrin {

void PayCheck::composeCheckFields(const EmployeeProfile& profile, float netPay)
{
    txtPayTo = profile.EmpName + kPayToStars;
    txtUserName = profile.EmpName;
    txtUserAddress = profile.EmpAddress;
    txtUserState = profile.EmpCityStateZip;
    txtUserSSnum = profile.EmpSsn;
    // A negative net pay is written as zero, as the protected amount shows it: words for the
    // digits of "-000012.50" would name an amount the check does not carry.
    m_words = amountInWords(netPay < 0 ? 0.0f : netPay);
    txtDollars = m_words;
}

void PayCheck::composeProtectedAmount(PayPeriodResult& result)
{
    if (result.NetPay < 0)
        result.NetPay = 0;
    m_protected = protectedAmount(result.NetPay);
}

void PayCheck::refresh(const EmployeeProfile& profile, PayPeriodResult& result)
{
    composeCheckFields(profile, result.NetPay);
    composeProtectedAmount(result);
    txtCheckAmt = m_protected;
}

void PayCheck::Form_Load(const EmployeeProfile& profile, PayPeriodResult& result, const std::string& txtWeek)
{
    composeCheckFields(profile, result.NetPay);
    composeProtectedAmount(result);
    txtCheckDate = txtWeek;
    txtCheckAmt = m_protected;
    m_loaded = true;
}

} // namespace tallyrin
