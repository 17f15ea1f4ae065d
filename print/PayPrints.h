// The three printed outputs as sequences of PrintSurface calls: the pay statement (PrintText), the
// paycheck with its two stubs (PrintCheck) and the year-to-date ledger (PrintYr).
#pragma once

#include "engine/PayCalculation.h"

#include "employee/CompanyHeader.h"
#include "records/EmployeeProfile.h"
#include "engine/PayPeriod.h"
#include "print/CheckText.h"
#include "print/PrintSurface.h"
#include "ytd/YtdLedger.h"

#include <array>
#include <string>

namespace tallyrin {

class PayCheck;

// What the pay form shows of the period: the entry texts (empty ones already made "0"), the
// overtime option, the period date and the result labels.
struct PayFormTexts
{
    std::array<std::string, 8> txtAmount{};
    bool opt1x = true;
    std::string txtWeek;
    std::string Label13, lbTaxes, lbDeduct, lbNet;
    std::array<std::string, 11> lbTaxDed{};
    std::string lbSDI, lbSUI, lbCafe;
};

// The pay form's texts from its entries, its options and a calculation's labels.
PayFormTexts payFormTexts(const std::array<std::string, 8>& txtAmount, bool opt1x, const std::string& txtWeek,
                          const PayPeriodLabels& labels);

// The earnings lines; the statement and the stub print them in different orders.
enum class Earning
{
    Regular1,
    Regular2,
    Ot1x2x,
    Ot15x,
    Holiday,
    Vacation,
    Adjustment,
    Tips,
};

struct EarningsLine
{
    std::string description, rate, hours, earnings; // masked texts; hours empty for the adjustment
};

struct DeductionLine
{
    std::string label, current, ytd;
};

// Every figure the statement and the stubs print, masked.
struct PeriodFigures
{
    std::array<EarningsLine, 8> earnings; // indexed by Earning
    std::array<DeductionLine, 14> deductions;
    std::array<std::string, 4> current; // gross pay, taxes, deductions, net pay
    std::array<std::string, 4> ytd;
    std::string ytdTips;
    float tipsEarnings = 0; // the form's tips amount MyTips

    const EarningsLine& line(Earning e) const { return earnings[static_cast<size_t>(e)]; }
};

PeriodFigures periodFigures(const PayFormTexts& form, const EmployeeProfile& profile, const PayPeriodResult& result,
                            const YtdTotals& ytd);

// The statement's lines that do not come from the period.
struct StatementHeading
{
    CompanyHeader header;
    std::string userName;
    std::string ssn;     // as the check form holds it
    std::string today;   // the short date
    std::string txtWeek; // the period date
    std::string version; // major.minor.revision
    std::string deposit; // "Direct deposit to account ending 1234" under the totals; empty for a check
};

void PrintText(PrintSurface& out, const StatementHeading& heading, const PeriodFigures& figures);

// The paycheck: the check at the placement, then the two stubs. Every check field comes from the
// check form as it stands, except the amount in words, which is the one last composed.
void PrintCheck(PrintSurface& out, const CheckPlacement& at, const PayCheck& check, const std::string& txtWeek,
                const PeriodFigures& figures);

// The ledger, landscape: the header as held, the employee and date, one line per used row, the
// totals and the SDI, SUI, tips and cafeteria sums.
void PrintYr(PrintSurface& out, const CompanyHeader& header, const std::string& userName, const std::string& today,
             const std::array<std::string, 5>& deductionLabels, const YtdLedger& ledger);

// "12/31/2009", "1/5/2010": the short date form of the printouts.
std::string shortDateText(int year, int month, int day);

} // namespace tallyrin
