#include "app/OnePayPeriod.h"

#include "state/BuiltInStates.h"

#include "TallyrinVersion.h"

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
    out.labels = payPeriodLabels(out.result);
    out.shown = periodAsShown(out.labels, out.result);
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

StatementHeading periodHeading(const CompanyHeader& header, const std::string& user, const std::string& ssn,
                               CalendarDate today, const std::string& week)
{
    StatementHeading heading;
    heading.header = header;
    heading.userName = user;
    heading.ssn = ssn;
    heading.today = shortDateText(today.year, today.month, today.day);
    heading.txtWeek = week;
    heading.version = TALLYRIN_VERSION;
    return heading;
}

} // namespace tallyrin
