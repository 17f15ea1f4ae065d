#include "app/OnePayPeriod.h"

#include "state/BuiltInStates.h"

namespace tallyrin {

PeriodCalculation calculatePeriod(std::array<std::string, 8>& entries, bool opt1x, Employee& employee,
                                  const FederalTables& federal)
{
    PeriodCalculation out;
    const PayPeriodEntry entry = readPayPeriodEntry(entries);
    const YtdLedger& ledger = employee.ledger;
    out.result = computePayPeriod(entry, opt1x,
                                  PayPeriodRecords{employee.profile, federal, employee.state, employee.city,
                                                   employee.nonCity, ledger.ytdGross(), ledger.totals().SocSec,
                                                   ledger.totals().Medicare});
    if ((out.refused = periodOutOfRange(entries, out.result))) {
        out.result = PayPeriodResult{};
        return out;
    }
    if (methodChecksRoundState(employee.state)) {
        employee.state.RoundState = 1;
        out.stateRounded = true;
    }
    return out;
}

std::vector<FileOutcome> reloadPeriodFiles(const EmployeeFiles& files, Employee& employee, bool city, bool state)
{
    return EmployeeStore::reloadForCalculation(files, employee, city, state);
}

StoreSave saveEmployee(const EmployeeFiles& files, const std::string& user, Employee& employee,
                       std::set<std::filesystem::path>& damaged, bool profileFamilyOnly)
{
    return EmployeeStore::save(files, user, employee, damaged, profileFamilyOnly);
}

} // namespace tallyrin
