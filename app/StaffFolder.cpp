#include "app/StaffFolder.h"

#include "app/WeekDate.h"
#include "employee/EmployeeStore.h"
#include "state/BuiltInStates.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace tallyrin {

std::vector<StaffMember> readStaff(const fs::path& folder)
{
    std::vector<std::string> users;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& file = it->path();
        std::error_code typeError;
        if (file.extension() == ".use" && file.stem() != "" && it->is_regular_file(typeError))
            users.push_back(file.stem().string());
    }
    std::sort(users.begin(), users.end());
    std::vector<StaffMember> staff;
    staff.reserve(users.size());
    for (const std::string& user : users) {
        StaffMember m;
        m.user = user;
        const EmployeeFiles files(folder, user);
        for (const FileOutcome& outcome : EmployeeStore::open(files, m.employee)) {
            if (!outcome.failed())
                continue;
            std::string why;
            for (const std::string& line : outcome.lines)
                why += (why.empty() ? "" : " ") + line;
            m.damaged.emplace_back(outcome.file.filename().string(), why);
        }
        staff.push_back(std::move(m));
    }
    return staff;
}

StaffRow staffRow(const StaffMember& m)
{
    const EmployeeProfile& p = m.employee.profile;
    StaffRow row;
    row.user = m.user;
    row.frequency = p.biWeekly() ? "Bi-Weekly" : "Weekly";
    row.federal = p.FedStatus + " " + p.FedAllowances;
    row.state = "Table";
    for (const BuiltInState& st : builtInStates())
        if (m.employee.state.*st.flag != 0)
            row.state = st.caption;
    const YtdLedger& ledger = m.employee.ledger;
    std::optional<CalendarDate> last;
    for (int slot = 0; slot < ledger.usedRows(); ++slot) {
        const YtdRow& r = ledger.row(slot);
        row.ytdGross += centsOf(r.Gross);
        row.ytdNet += centsOf(r.Net);
        if (r.Date.empty() || r.Date == "0")
            continue;
        ++row.periods;
        if (const auto date = parseWeekDate(r.Date)) {
            const auto key = [](const CalendarDate& d) { return (d.year * 100 + d.month) * 100 + d.day; };
            if (!last || key(*date) > key(*last)) {
                last = date;
                row.lastDate = r.Date;
            }
        }
    }
    row.selfEmployed = p.SelfEmployed != 0;
    row.damaged = m.damaged;
    return row;
}

ReportEmployee reportEmployee(const StaffMember& m)
{
    ReportEmployee e;
    e.user = m.user;
    e.selfEmployed = m.employee.profile.SelfEmployed != 0;
    e.cafeteriaDeductsState = m.employee.profile.CafeDeductState != 0;
    for (int slot = 0; slot < m.employee.ledger.usedRows(); ++slot)
        e.rows.push_back(m.employee.ledger.row(slot));
    return e;
}

StaffReport readStaffReport(const fs::path& folder)
{
    StaffReport staff;
    for (const StaffMember& m : readStaff(folder)) {
        for (const auto& [file, why] : m.damaged)
            staff.damaged.push_back(m.user + ": " + file + " is damaged: " + why);
        staff.employees.push_back(reportEmployee(m));
        const EmployeeProfile& p = m.employee.profile;
        staff.payees.push_back({m.user, p.EmpName, p.EmpAddress, p.EmpCityStateZip, p.EmpSsn});
    }
    return staff;
}

} // namespace tallyrin
