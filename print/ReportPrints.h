// The quarter's and the year's reports as printed: the company header, the table of employees and
// their totals, the lines of Form 941 (and for the year Form 940), then for the year one W-2
// worksheet page per employee; and the same table as text for the command line and the CSV file.
#pragma once

#include "employee/CompanyHeader.h"
#include "print/PrintSurface.h"
#include "ytd/LedgerWorkbook.h"
#include "ytd/PayrollReports.h"

#include <string>
#include <vector>

namespace tallyrin {

// Who a W-2 worksheet is for, as the employee's profile names them.
struct W2Payee
{
    std::string user, name, address, cityStateZip, ssn;
};

// One line of Form 941 or Form 940 as the reports show it: its number, the form's words and the
// amount (line 1 is a count).
struct FormLine
{
    const char* number;
    const char* words;
    std::string value;
};
std::vector<FormLine> formLines(const PayrollReport& report);

void PrintReport(PrintSurface& out, const CompanyHeader& header, const PayrollReport& report,
                 const std::vector<W2Payee>& payees, const std::string& today);

// The table as text: a heading line, one line per employee, then TOTALS, the form lines and the
// notes; fields separated by `separator` (a tab, or a comma for a CSV file, quoting as needed).
std::string reportTable(const PayrollReport& report, char separator);

// The same table as a worksheet: amounts as numbers with two decimals, the heading row frozen.
Worksheet reportWorksheet(const PayrollReport& report);

} // namespace tallyrin
