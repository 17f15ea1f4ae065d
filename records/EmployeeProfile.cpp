#include "records/EmployeeProfile.h"

namespace tallyrin {

void settleOpenedProfile(EmployeeProfile& p)
{
    const auto defaultIfEmpty = [](std::string& field, const std::string& fallback) {
        if (field.empty())
            field = fallback;
    };
    const EmployeeProfile defaults;
    defaultIfEmpty(p.FedAllowances, defaults.FedAllowances);
    defaultIfEmpty(p.FedStatus, defaults.FedStatus);
    if (p.StateStatus.empty() || p.StateStatus == "0")
        p.StateStatus = defaults.StateStatus;
    defaultIfEmpty(p.EmpName, defaults.EmpName);
    defaultIfEmpty(p.EmpAddress, defaults.EmpAddress);
    defaultIfEmpty(p.EmpCityStateZip, defaults.EmpCityStateZip);
    defaultIfEmpty(p.EmpSsn, defaults.EmpSsn);
    if (!p.Weekly && !p.BiWeekly)
        p.Weekly = true;
    // K plan mode: percent wins over fixed; with neither, percent.
    if (p.KPlanPercent == 1)
        p.KPlanFixed = 0;
    else if (p.KPlanFixed == 1)
        p.KPlanPercent = 0;
    else
        p.KPlanPercent = 1;
}

} // namespace tallyrin
