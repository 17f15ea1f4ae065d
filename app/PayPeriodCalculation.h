// One pay period calculated for an open employee, as ADD and each payday row make it: the eight
// entries read, the gross-to-net calculation over the employee's records with the ledger's
// year-to-date bases, the range check, and the rule a calculation leaves behind (a method that
// rounds to whole dollars checks "Round State"). The state and city files are read afresh before
// it (EmployeeStore::reloadForCalculation); showing, saving and pasting come after it.
#pragma once

#include "employee/Employee.h"
#include "engine/FederalTables.h"
#include "engine/PayCalculation.h"

#include <array>
#include <optional>
#include <string>

namespace tallyrin {

struct PeriodCalculation
{
    PayPeriodResult result;               // empty when refused
    std::optional<std::string> refused;   // a period beyond the limits: nothing is shown or saved
    bool stateRounded = false;            // "Round State" was checked by the method
};

// `entries` are the pay form's texts; those that read as 0 become "0", as the form shows them.
PeriodCalculation calculatePeriod(std::array<std::string, 8>& entries, bool opt1x, Employee& employee,
                                  const FederalTables& federal);

} // namespace tallyrin
