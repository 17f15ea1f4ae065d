// The staff of a working folder: every employee whose ".use" file is there, read through the
// store without writing anything, as the staff list shows them and the reports take them.
#pragma once

#include "employee/Employee.h"
#include "print/ReportPrints.h"
#include "ytd/PayrollReports.h"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace tallyrin {

struct StaffMember
{
    std::string user;
    Employee employee;
    // The files that could not be read whole: the file's name and why.
    std::vector<std::pair<std::string, std::string>> damaged;
};

// Every employee of the folder, by user name. Nothing is written and nothing is remembered.
std::vector<StaffMember> readStaff(const std::filesystem::path& folder);

// One line of the staff list.
struct StaffRow
{
    std::string user;
    std::string frequency; // "Weekly" or "Bi-Weekly"
    std::string federal;   // status and allowances: "Married 2"
    std::string state;     // the built-in state's name, or "Table"
    int periods = 0;       // ledger rows with a date
    std::string lastDate;  // the latest of those dates, "" when none
    int64_t ytdGross = 0;  // the sums of the ledger's rows, in cents
    int64_t ytdNet = 0;
    bool selfEmployed = false;
    std::vector<std::pair<std::string, std::string>> damaged;
};

StaffRow staffRow(const StaffMember& member);
ReportEmployee reportEmployee(const StaffMember& member);

// What the quarter's and the year's reports take of a folder's staff, as the report window and
// the command line both read it: each employee's ledger rows, who they are for the W-2
// worksheets, and every file that could not be read whole ("Smith: Smith.yrw is damaged: ...").
struct StaffReport
{
    std::vector<ReportEmployee> employees;
    std::vector<W2Payee> payees;
    std::vector<std::string> damaged;
};
StaffReport readStaffReport(const std::filesystem::path& folder);

} // namespace tallyrin
