// Every record of the open employee, held once for the whole run. Opening another employee
// overwrites them file by file; New starts them from the blank employee.
#pragma once

#include "records/EmployeeProfile.h"
#include "employee/DepositAccount.h"
#include "employee/LeaveBalances.h"
#include "employee/OvertimeTracker.h"
#include "employee/W2Name.h"
#include "local/CitySettings.h"
#include "local/NonCitySettings.h"
#include "state/StateSettings.h"
#include "ytd/YtdLedger.h"

namespace tallyrin {

struct Employee
{
    EmployeeProfile profile;
    OvertimeTracker overtime;
    StateSettings state;
    CitySettings city;
    NonCitySettings nonCity;
    YtdLedger ledger;
    LeaveBalances leave;
    std::optional<W2Name> w2Name; // the W-2 name file's, when there is one
    std::optional<DepositAccount> deposit; // the direct-deposit account, when the employee has one

    bool biWeekly() const { return profile.biWeekly(); }

    // The blank employee New starts from: the design values of every record, the New York city
    // table, the non-city defaults and an empty weekly ledger. The check print offsets belong to
    // the print settings and carry over. (The state screen's New York preset is applied by New
    // through the screen, as the operator would.)
    void startBlank();
};

} // namespace tallyrin
