// The workspace: the user name, the working folder and the single instances of every record and
// screen model of the open employee, with the shell's and the calculation's sequences over them.
#pragma once

#include "app/Clock.h"
#include "app/Form1Screen.h"
#include "app/Operator.h"
#include "employee/EmployeeProfile.h"
#include "employee/OvertimeTracker.h"
#include "employee/TaxInfoScreen.h"
#include "engine/FederalTables.h"
#include "engine/PayPeriod.h"
#include "local/CitySettings.h"
#include "local/NonCitySettings.h"
#include "state/StateSettings.h"
#include "text/Currency.h"

#include <filesystem>
#include <string>

namespace tallyrin {

class Workspace
{
public:
    Workspace(Operator& op, std::filesystem::path workingFolder, Clock clock = systemToday);

    // Form1 load: federal tables, today's date, blank results, table version, deduction captions.
    void startUp();

    // Open an employee from its ".use" file: that file's folder becomes the working folder and
    // every file of the employee is read from it (the Open sequence after the file chooser).
    void openEmployee(const std::filesystem::path& useFile);

    // ADD: Calcu_late, then the closing save. Calcu_late(false) skips the save (command line).
    void cmdCal_Click();
    void Calcu_late(bool closingSave = true);
    // CLEAR
    void Clear_All();

    // The profile screen: Form_Load (show), Save (cmdOk).
    void showTaxInfo();
    void taxInfo_cmdOk();

    // "<working folder>/<user name><extension>"
    std::filesystem::path fileFor(const std::string& extension) const;

    Operator& op() { return m_op; }
    const std::filesystem::path& workingFolder() const { return m_folder; }
    const std::string& userName() const { return m_userName; }
    void setUserName(std::string name) { m_userName = std::move(name); }
    CalendarDate today() const { return m_clock(); }
    // True once a file could not be read or written (the operator has been told).
    bool fileFault() const { return m_fileFault; }

    // Records of the open employee.
    EmployeeProfile profile;
    OvertimeTracker overtime;
    StateSettings state;
    CitySettings city;
    NonCitySettings nonCity;
    Currency ytdGross; // gross-pay total of the year-to-date ledger
    FederalTables federal;
    PayPeriodResult result;

    // Screen models.
    Form1Screen form1;
    TaxInfoScreen taxInfo;

private:
    bool loadFederalTables();
    void clearFederalTables();
    bool saveEmployee();

    Operator& m_op;
    std::filesystem::path m_folder;
    std::string m_userName;
    Clock m_clock;
    bool m_fileFault = false;
};

} // namespace tallyrin
