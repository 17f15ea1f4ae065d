// One pay period of an open employee, as ADD and each payday row make it, in its steps:
//   1. the state, profile and city files read afresh (reloadPeriodFiles);
//   2. the calculation (calculatePeriod): the eight entries read, the gross-to-net calculation over
//      the employee's records with the ledger's year-to-date bases, the range check, and the rule
//      a calculation leaves behind (a method that rounds to whole dollars checks "Round State");
//   3. the closing save of every file of the employee (saveEmployee), which File > Save and the
//      screens' OK also take;
//   4. the paste into a week of the ledger (YtdLedger::pastePeriod) of the period as the pay form
//      shows it (PeriodCalculation::shown), and the prints under periodHeading.
#pragma once

#include "app/Clock.h"
#include "employee/Employee.h"
#include "engine/FederalTables.h"
#include "employee/EmployeeFiles.h"
#include "employee/EmployeeStore.h"
#include "engine/PayCalculation.h"
#include "print/PayPrints.h"
#include "text/Numbers.h"

#include <array>
#include <filesystem>
#include <optional>
#include <set>
#include <string>

namespace tallyrin {

struct PeriodCalculation
{
    PayPeriodResult result;               // empty when refused
    PayPeriodLabels labels;               // the pay form's result labels
    PayPeriodResult shown;                // the amounts as the labels show them, which a paste takes
    std::optional<std::string> refused;   // a period beyond the limits: nothing is shown or saved
    bool stateRounded = false;            // "Round State" was checked by the method
};

// `entries` are the pay form's texts; those that read as 0 become "0", as the form shows them.
PeriodCalculation calculatePeriod(std::array<std::string, 8>& entries, bool opt1x, Employee& employee,
                                  const FederalTables& federal);

// Step 1: the city file unless `city` is false, the state file and the profile family unless
// `state` is false (a screen the operator has open keeps what it shows). One outcome a file.
std::vector<FileOutcome> reloadPeriodFiles(const EmployeeFiles& files, Employee& employee, bool city = true,
                                           bool state = true);

// Step 3: every file of the employee under the name `user` (or the profile family only), in the
// store's order under the folder's lock; a damaged file kept aside first.
StoreSave saveEmployee(const EmployeeFiles& files, const std::string& user, Employee& employee,
                       std::set<std::filesystem::path>& damaged, bool profileFamilyOnly = false);

// The heading of the period's pay statement: the company header, the employee, the date printed
// and the period date, with this build's version.
StatementHeading periodHeading(const CompanyHeader& header, const std::string& user, const std::string& ssn,
                               CalendarDate today, const std::string& week);

} // namespace tallyrin
