// The quarter's and the year's figures from the employees' ledgers: per employee the wages and
// taxes of the quarterly Form 941, the year-end W-2 and Form 940, their totals and the forms' lines.
// Amounts are whole cents and their sums exact.
#pragma once

#include "ytd/YtdLedger.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tallyrin {

enum class ReportPeriod
{
    Q1,
    Q2,
    Q3,
    Q4,
    Year,
};

// "q1" ... "q4", "year"; nullopt for anything else.
std::optional<ReportPeriod> reportPeriodNamed(const std::string& name);
std::string reportPeriodKey(ReportPeriod period);
// "1st Quarter 2009" ... "Year 2009".
std::string reportPeriodTitle(ReportPeriod period);

// The amount keys of an employee's figures, in this order everywhere (JSON keys, columns).
inline constexpr std::array<const char*, 20> kReportKeys{
    "gross",       "federal_wages", "federal_tax", "ss_wages", "ss_tips", "ss_tax", "medicare_wages",
    "medicare_tax", "state_wages",  "state_tax",   "local_wages", "local_tax", "sdi", "sui",
    "kplan",       "pension",       "cafeteria",   "tips",     "net",     "futa_wages"};
// The same amounts in the forms' own words, for headings a clerk reads.
inline constexpr std::array<const char*, 20> kReportCaptions{
    "Gross pay",
    "Wages, tips and other compensation",
    "Federal income tax withheld",
    "Social security wages",
    "Social security tips",
    "Social security tax withheld",
    "Medicare wages and tips",
    "Medicare tax withheld",
    "State wages, tips, etc.",
    "State income tax",
    "Local wages, tips, etc.",
    "Local income tax",
    "SDI",
    "SUI",
    "K plan (elective deferrals)",
    "Pension",
    "Cafeteria plan",
    "Tips",
    "Net pay",
    "FUTA wages"};
enum ReportKey : size_t
{
    Gross,
    FederalWages,
    FederalTax,
    SsWages,
    SsTips,
    SsTax,
    MedicareWages,
    MedicareTax,
    StateWages,
    StateTax,
    LocalWages,
    LocalTax,
    Sdi,
    Sui,
    KPlan,
    Pension,
    Cafeteria,
    Tips,
    Net,
    FutaWages,
};

struct ReportFigures
{
    int periods = 0;
    std::array<int64_t, kReportKeys.size()> cents{};
};

// What a report needs of one employee.
struct ReportEmployee
{
    std::string user;
    bool selfEmployed = false;         // Social Security and Medicare doubled; no W-2
    bool cafeteriaDeductsState = false; // "Deduct State": the cafeteria plan lowers state wages
    std::vector<YtdRow> rows;           // the ledger's rows in use
};

struct ReportLine
{
    std::string user;
    bool selfEmployed = false;
    ReportFigures figures;
};

struct Form941
{
    int64_t line1 = 0; // employees, a count
    int64_t line2 = 0, line3 = 0, line5a = 0, line5b = 0, line5c = 0, line5d = 0, line6 = 0, line7 = 0, line10 = 0;
};

struct Form940
{
    int64_t futaWages = 0, futaTax = 0;
};

struct PayrollReport
{
    ReportPeriod period = ReportPeriod::Q1;
    std::vector<ReportLine> employees; // those with at least one row in the period
    ReportFigures totals;
    Form941 form941;
    std::optional<Form940> form940; // the year only
    std::vector<std::string> warnings; // rows left out for want of a date
};

inline constexpr int64_t kSocialSecurityWageBase = 10680000; // 106,800.00
inline constexpr int64_t kFutaWageBase = 700000;             // 7,000.00

PayrollReport payrollReport(ReportPeriod period, const std::vector<ReportEmployee>& staff);

// Cents as a plain decimal: "1234.56", "-0.05".
std::string centsText(int64_t cents);
// A ledger amount (a single) in whole cents.
int64_t centsOf(float amount);

} // namespace tallyrin
