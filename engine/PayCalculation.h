// Calcu_late, the gross-to-net calculation of one pay period over the records in memory, with
// the pay form's text side of it: reading the eight entry texts, the result labels, CleartxtBox.
//
// The calculate button runs, in this order:
//   1. resetPayPeriod(result, profile) and blank the result labels;
//   2. loadFederalTables(...) (FederalTableFile.h): on success take the tables and show their
//      version in lbTaxVer; otherwise show the message (exclamation icon) and go on;
//   3. reload the state and city settings from the employee's files unless their screens are open
//      (filling the state screen's blank SDI, SUI, adjustment and California boxes with "0" is
//      the state screen's part; the record itself always holds numbers);
//   4. entry = readPayPeriodEntry(form.txtAmount)  -- sets fields that read as 0 to "0";
//   5. result = computePayPeriod(entry, opt1x, records), with the ledger's Social Security and
//      Medicare totals; then Missouri checks "Round State" (steps 4 and 5 are calculatePeriod in
//      app/OnePayPeriod.h, which ADD and the payday share);
//   6. copy payPeriodLabels(result) to the pay form;
//   7. CleartxtBox(form.txtAmount); clearFederalTables(tables);
//   8. save the employee's files through the save screen, then release the state and city settings.
#pragma once

#include "records/EmployeeProfile.h"
#include "engine/FederalTables.h"
#include "engine/PayPeriod.h"
#include "local/CitySettings.h"
#include "local/NonCitySettings.h"
#include "state/StateSettings.h"
#include "text/Currency.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tallyrin {

// The records one calculation reads; none of them is changed.
struct PayPeriodRecords
{
    const EmployeeProfile& profile;
    const FederalTables& federal;
    const StateSettings& state;
    const CitySettings& city;
    const NonCitySettings& nonCity;
    Currency ytdGross; // gross-pay total of the year-to-date ledger, without this period
    // Social Security and Medicare as the ledger last totalled them (the Massachusetts method).
    float ytdSocSec = 0;
    float ytdMedicare = 0;
};

// What a calculation starts from and Clear leaves: the gross, taxable wages, taxes, totals and net
// at 0 (one list for both); a calculation also takes the profile's cafeteria plan amount. Other
// fields keep the last calculation's values until computed.
void clearPeriodAmounts(PayPeriodResult& result);
void resetPayPeriod(PayPeriodResult& result, const EmployeeProfile& profile);

// Every field of the result from the entry, the "(1X)" option and the records. The state and
// city allowances come from this employee's status and count only: a status other than "Single"
// or "Married", or a count outside 0-9, gives 0 rather than whatever the last calculation (maybe
// of another employee) left behind.
PayPeriodResult computePayPeriod(const PayPeriodEntry& entry, bool opt1x, const PayPeriodRecords& records);

// The largest amount an entry may hold and the largest gross pay one period may come to. A period
// beyond them is not calculated: its sums would leave the range amounts are kept in, and no
// payroll of this program's employers comes near them.
inline constexpr double kLargestEntry = 999999.99;
inline constexpr double kLargestGross = 9999999.99;
// The message for a period whose entry texts or computed result leave those limits (an entry, a
// rate of the profile, the gross, taxes, deductions or net); nullopt when the period is in range.
std::optional<std::string> periodOutOfRange(const std::array<std::string, 8>& txtAmount, const PayPeriodResult& result);

// The weekly federal allowance amount for the status and the allowance count text (full
// conversion, compared with 0..9); 0 for any other status or count.
float federalAllowanceAmount(const FederalTables& tables, std::string_view fedStatus, std::string_view countText);

// Reads txtAmount 0..7 by full conversion (field 6 to currency); a text that does not convert
// counts as 0. Every field that reads as 0, empty ones included, is set to "0" first.
PayPeriodEntry readPayPeriodEntry(std::array<std::string, 8>& txtAmount);

// Whether entry field `index` holds a number or nothing: empty text, or text of spaces and tabs
// only, which looks empty on the form and reads as 0; otherwise one number (an hours field by
// single conversion, the adjustment as currency), spaces around it allowed.
bool entryIsNumberOrBlank(size_t index, std::string_view text);

// The first entry field holding text that is not a number; nullopt when every field is blank or
// a number.
std::optional<size_t> nonNumericEntry(const std::array<std::string, 8>& txtAmount);

// Blanks every entry field whose text reads as 0.
void CleartxtBox(std::array<std::string, 8>& txtAmount);

// The texts of the pay form's result labels.
struct PayPeriodLabels
{
    std::string Label13; // blank when TaxableWages is 0
    std::string lbTaxes, lbDeduct, lbNet, lbOverT, lbTips;
    std::array<std::string, 11> lbTaxDed{};
    std::string lbSDI, lbSUI, lbCafe;
};
PayPeriodLabels payPeriodLabels(const PayPeriodResult& result);

// The period as the pay form shows it, for the ledger's paste: every amount read back from its
// label (full conversion, "$1,234.56" is 1234.56), a blank label counting 0; gross and net from the
// record (the gross label stays blank when the K plan takes the whole gross).
PayPeriodResult periodAsShown(const PayPeriodLabels& labels, const PayPeriodResult& result);

} // namespace tallyrin
