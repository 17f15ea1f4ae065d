#include "employee/Employee.h"

#include "local/LocalPresets.h"

namespace tallyrin {

void Employee::startBlank()
{
    const float horz = profile.HorzOffset, vert = profile.VertOffset;
    profile = EmployeeProfile{};
    profile.HorzOffset = horz;
    profile.VertOffset = vert;
    overtime = OvertimeTracker{};
    state = StateSettings{};
    city = newYorkCityPreset();
    nonCity = nonCityDefaults();
    leave = LeaveBalances{};
    w2Name.reset();
    deposit.reset();
    ledger.setBiWeekly(false);
    ledger.ClearAll();
}

} // namespace tallyrin
