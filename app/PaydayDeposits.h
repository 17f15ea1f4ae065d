// The bank's direct-deposit file of a payday: one credit of the net pay for every employee paid
// (or already paid) into a deposit account, in the order of the hours sheet, from the company and
// bank of the employer file. Its bytes depend only on the lines, the employer file and the
// payday's date, so a run made again writes the same file.
#pragma once

#include "app/PaydayRun.h"
#include "employee/EmployerFacts.h"
#include "text/Currency.h"
#include "text/FileOutcome.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tallyrin {

struct PaydayDeposits
{
    // What stops the file, one line each: no company ID or bank routing number, a bad account, a
    // net pay at or below 0, an employee's deposit file that could not be read. Empty when none.
    std::vector<std::string> problems;
    std::string file;  // the file's text when there is no problem
    int entries = 0;   // how many employees are paid by deposit
    Currency total;    // their net pay
    std::string date;  // the payday's date, MM/DD/YYYY
    bool nobody = false; // nobody paid in the run has a deposit account: no file and no problem
};

// The payday's date is `date` (the run's --date) when given; otherwise the latest period date of
// the deposits.
PaydayDeposits paydayDeposits(const std::vector<PaydayLine>& lines, const EmployerFacts& employer,
                              const std::string& date);

// Reads the employer file of `folder`, makes the file and, when nothing is wrong, writes it to
// `target` as every output is written. `written` tells whether it was; the problems (or the
// write's fault) are in the result.
PaydayDeposits writePaydayDeposits(const std::filesystem::path& folder, const std::vector<PaydayLine>& lines,
                                   const std::string& date, const std::filesystem::path& target, bool& written);

} // namespace tallyrin
