// The year's end: each employee's W-2 and the W-3 of their totals, from the ledgers' 2009 rows as
// the year report works them out, with the employer's filing facts ("Employer.sav") and each
// employee's W-2 name. Before anything is printed or filed, everything is checked at once: what
// makes a W-2 wrong is a problem and nothing is written; what a clerk should look at is a warning.
#pragma once

#include "employee/EmployerFacts.h"
#include "employee/W2Name.h"
#include "ytd/PayrollReports.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tallyrin {

struct StaffMember;

struct W2Form
{
    std::string user;
    W2Name name;           // upper case
    std::string ssn;       // nine digits
    std::string ssnShown;  // as the profile writes it ("123-45-6789"); the prints show this
    ReportFigures figures; // the year report's line: boxes 1-7 and the rest
    bool retirementPlan = false; // box 13: a K plan or pension was withheld
    std::string state;           // box 15, two letters; "" when no state tax was withheld or no state is known
    std::string locality;        // box 20; "" when no local tax was withheld

    int64_t box(size_t key) const { return figures.cents[key]; }
};

struct YearEnd
{
    EmployerFacts employer;
    std::vector<W2Form> forms;              // every employee with 2009 rows who is not self-employed
    std::vector<std::string> selfEmployed;  // left out: no W-2
    ReportFigures totals;                   // the W-3: the sums of the forms
    std::vector<std::string> problems;      // what stops both outputs, one line each
    std::vector<std::string> filingProblems; // what stops the W-2 file only (the SSA User ID)
    std::vector<std::string> warnings;      // said; the outputs are still written
};

// The year's end of a staff, read as the staff list reads it; `employerRead` is what reading
// "Employer.sav" gave.
YearEnd yearEndOf(const std::vector<StaffMember>& staff, const EmployerFacts& employer,
                  const FileOutcome& employerRead);
// The same from the working folder.
YearEnd readYearEnd(const std::filesystem::path& folder);

// "123-45-6789" and "123456789" give "123456789"; "" when the text is not nine digits with at
// most dashes and spaces between.
std::string ssnDigits(const std::string& text);
// "123-45-6789"
std::string ssnText(const std::string& digits);
// "12-3456789"
std::string einText(const std::string& digits);
// The two-letter state of a built-in state's method ("AZ" for Arizona); "" for none.
std::string builtInStateCode(size_t index);

} // namespace tallyrin
