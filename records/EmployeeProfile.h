// The employee's standing pay data, kept in "<user name>.use", ".and" and ".cfe" (five fields
// live in the state settings file).
#pragma once

#include "text/SettingsFile.h"

#include <array>
#include <cstdint>
#include <string>

namespace tallyrin {

struct EmployeeProfile
{
    float HourRate = 7.5f;
    float HourRate2 = 0;
    float TipsRate = 0;
    std::string FedAllowances = "0"; // cboDepend text
    std::string FedStatus = "Single"; // cboStatus text
    int16_t StateExemptions = 0;       // cboDepend2, stored in .sta
    std::string StateStatus = "Single"; // cboStatus2, stored in .sta
    float FedAddl = 0;                 // txtFedAddL, stored in .sta
    int16_t FedExempt = 0;             // ckFedExemp, stored in .sta
    int16_t SsMediExempt = 0;          // ckSSMediExemp, stored in .sta
    float PensionPct = 0;
    float CreditUnionAmt = 0;
    float BondAmt = 0;
    float DuesAmt = 0;
    float MiscAmt = 0;
    float KPlanValue = 0;
    int16_t KPlanPercent = 1;
    int16_t KPlanFixed = 0;
    float CafeteriaAmt = 0;
    int16_t CafeDeductState = 0;
    int16_t SelfEmployed = 0;
    int16_t NonCityResident = 0;
    bool Weekly = true;
    bool BiWeekly = false;
    // The pay frequency: bi-weekly only when that alone is set (a profile with neither, or with
    // both, pays weekly).
    bool biWeekly() const { return BiWeekly && !Weekly; }
    std::array<std::string, 5> DeductLabel{"CrUnion", "Bond", "Dues", "Pension", "Misc."}; // labels 5..9
    std::string EmpName = "Employee's Name";
    std::string EmpAddress = "Employee's Address for Check";
    std::string EmpCityStateZip = "City, State Zip Code";
    std::string EmpSsn = "Soc Sec #";

    // Check print offsets kept with the profile (.and line 1).
    float HorzOffset = 0;
    float VertOffset = 0;

    // Items the program keeps without using, written back as read.
    std::array<ReservedItem, 16> UseReserved{};  // .use lines 9-12, four each
    std::array<ReservedItem, 5> AndReservedSingles{
        ReservedItem::ofNumber(0), ReservedItem::ofNumber(0), ReservedItem::ofNumber(0), ReservedItem::ofNumber(0),
        ReservedItem::ofNumber(0)}; // .and line 2 items 2-3, line 3
    std::array<ReservedItem, 3> AndReservedBooleans{
        ReservedItem::ofBoolean(false), ReservedItem::ofBoolean(false), ReservedItem::ofBoolean(false)}; // line 4
    std::array<ReservedItem, 2> AndReservedTexts{ReservedItem::ofText(""), ReservedItem::ofText("")}; // line 6
    std::array<ReservedItem, 2> AndReservedIntegers{ReservedItem::ofNumber(0), ReservedItem::ofNumber(0)}; // line 8

    bool isSingleFederal() const { return FedStatus == "Single"; }
};

// What Open makes of a profile read from the files: an empty status, allowance count, name,
// address or number takes its design value, a profile with neither frequency is weekly, and one
// K plan mode wins (percent over fixed; percent when neither is set).
void settleOpenedProfile(EmployeeProfile& profile);

} // namespace tallyrin
