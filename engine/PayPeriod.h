// One pay period: the eight entry amounts of the main pay form as read, and the results of the
// last calculation that the pay form shows, the statement and check print and the ledger copies.
#pragma once

#include "text/Currency.h"

namespace tallyrin {

// txtAmount 0..7 after reading; OtVar is held after the "(2X)" doubling once it is in a result.
struct PayPeriodEntry
{
    float StrHrs = 0;  // 0: straight-time hours at pay rate 1
    float StrHrs2 = 0; // 1: straight-time hours at pay rate 2
    float OtVar = 0;   // 2: O.T. hours at 1X or 2X pay rate 1
    float OtHrs = 0;   // 3: O.T. hours at 1.5X
    float Avas = 0;    // 4: holiday hours
    float VacDys = 0;  // 5: vacation / sick hours
    Currency Addit;    // 6: dollar amount added to gross unchanged
    float TipsHrs = 0; // 7: tips hours, times the tips rate
};

struct PayPeriodResult
{
    float PayRate = 0;
    float GrossPay = 0;
    float TaxableWages = 0; // gross less the K plan
    float AllowanceAmount = 0;
    float FedWages = 0;
    float FedTax = 0;
    float SocSec = 0;
    float Medicare = 0;
    double StateTax = 0;
    double CityTax = 0;
    float SdiTax = 0;
    float SuiTax = 0;
    float CreditUnion = 0;
    float Bond = 0;
    float Dues = 0;
    float Misc = 0;
    float PensionAmt = 0;
    float KPlan = 0;
    float Cafeteria = 0;
    float StateCafeteria = 0;
    float StateAllowance = 0;
    float CityAllowance = 0;
    float TotalOt = 0;
    float TotalTips = 0;
    float TipsPay = 0;
    double TaxDeduct = 0;
    float TotDeduct = 0;
    float NetPay = 0;

    PayPeriodEntry Entry; // the amounts this result was computed from (the statement prints them)
};

} // namespace tallyrin
