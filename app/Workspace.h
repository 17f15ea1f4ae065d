// The workspace: the user name, the working folder and the single instances of every record and
// screen model of the open employee, with the shell's and the calculation's sequences over them.
#pragma once

#include "app/Clock.h"
#include "app/Form1Screen.h"
#include "app/Operator.h"
#include "app/ShellWindows.h"
#include "employee/DialogVacScreen.h"
#include "employee/EmployeeProfile.h"
#include "employee/Form2Screen.h"
#include "employee/LeaveBalances.h"
#include "employee/OvertimeTracker.h"
#include "employee/TaxInfoScreen.h"
#include "engine/FederalTables.h"
#include "engine/PayPeriod.h"
#include "local/CitySettings.h"
#include "local/DialogCityScreen.h"
#include "local/DialogNonCityScreen.h"
#include "local/NonCitySettings.h"
#include "state/DialogStateScreen.h"
#include "state/StateSettings.h"
#include "text/Currency.h"
#include "ytd/YtdLedger.h"

#include <filesystem>
#include <optional>
#include <string>

namespace tallyrin {

class Workspace
{
    // Declared first: the screen models below are built with them.
    Operator& m_op;
    std::filesystem::path m_folder;
    std::string m_userName;
    Clock m_clock;

public:
    Workspace(Operator& op, std::filesystem::path workingFolder, Clock clock = systemToday);
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    // Form1 load: federal tables, today's date, blank results, table version, deduction captions.
    void startUp();

    // ---- The pay form ----
    // ADD: Calcu_late, then the closing save. Calcu_late(false) skips the save (command line).
    void cmdCal_Click();
    void Calcu_late(bool closingSave = true);
    // CLEAR (and File > "&Clear").
    void Clear_All();

    // ---- The profile screen ----
    void showTaxInfo();   // Form_Load: normalise, show, apply
    void taxInfo_cmdOk(); // "Save": apply, then the save screen's save

    // ---- Saved pay periods ----
    // "Save This Pay Period": the eight amounts into "MM_DD_YYYY  <user name>.prv".
    void cmdSavePrev_Click();
    // "Get Pay Period": a chosen saved period into the eight boxes and the date, then ADD.
    // Cancel in the chooser changes nothing.
    void cmdPeriod_Click();

    // ---- The shell ----
    void setWindows(ShellWindows& windows) { m_windows = &windows; }
    void resetWindows() { m_windows = &m_noWindows; }
    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuSave_Click(); // the save screen, modal
    // Asks to save the user's settings; the caller then ends the program.
    void mnuExitItem_Click();
    // Opens an employee from its ".use" file: that file's folder becomes the working folder and
    // every file of the employee is read from it, in order (Open after the file chooser).
    void openEmployee(const std::filesystem::path& useFile);

    // The save screen frmSaveUser: its name box and its three buttons.
    std::string txtSaveUser = "TYPE NAME";
    void cmdSaveUser_Click(); // "&Save"
    void cmdEnd_Click();      // "&No" (and the window's close box)
    void cmdQuit_Click();     // "&Quit"
    bool quitRequested() const { return m_quit; }

    // A typed user name must name a file in the working folder, nowhere else. The message to show
    // when it cannot; nullopt when it can.
    static std::optional<std::string> refusedUserName(const std::string& name);

    // "<working folder>/<user name><extension>"
    std::filesystem::path fileFor(const std::string& extension) const;

    Operator& op() { return m_op; }
    const std::filesystem::path& workingFolder() const { return m_folder; }
    const std::string& userName() const { return m_userName; }
    CalendarDate today() const { return m_clock(); }
    // The gross-pay total of the year-to-date ledger, the base of the Social Security, SDI and SUI
    // limits.
    Currency ytdGross() const { return ledger.ytdGross(); }
    // True once a file could not be read or written (the operator has been told).
    bool fileFault() const { return m_fileFault; }

    // Records of the open employee.
    EmployeeProfile profile;
    OvertimeTracker overtime;
    StateSettings state;
    CitySettings city;
    NonCitySettings nonCity;
    YtdLedger ledger;
    LeaveBalances leave;
    FederalTables federal;
    PayPeriodResult result;

    // Screen models.
    Form1Screen form1;
    TaxInfoScreen taxInfo;
    DialogStateScreen stateScreen;
    DialogCityScreen cityScreen;
    DialogNonCityScreen nonCityScreen;
    Form2Screen overtimeScreen{overtime, m_op, overtimeLinks()};
    DialogVacScreen vacScreen{leave, m_op, [this] { return fileFor(".hol"); }};

private:
    class StateLinks : public DialogStateLinks
    {
    public:
        explicit StateLinks(Workspace& ws)
            : m_ws(ws)
        {
        }
        void reloadProfile() override;
        bool saveCompanionFiles(const std::string& userName) override;
        bool saveLocalSettings(const std::string& userName) override;
        void closeOtherScreens() override;

    private:
        Workspace& m_ws;
    };

    bool loadFederalTables();
    void clearFederalTables();
    void showSaveUser();
    void closeSecondaryScreens();
    void applyTaxInfo();
    void showTitle(const std::string& title);
    void report(const std::string& message);

    // The employee's files, each step in the order of its sequence.
    void loadProfileStep();
    void loadLedgerStep();
    void loadStateStep();
    void loadCityStep();
    void loadNonCityStep();
    void loadLeaveStep();
    Form2Links overtimeLinks();
    bool saveProfileStep(const std::string& user);
    bool saveStateStep(const std::string& user);
    bool saveCityStep(const std::string& user);
    bool saveNonCityStep(const std::string& user);
    bool saveLeaveStep(const std::string& user);
    bool saveEmployeeAs(const std::string& user);
    void saveUnderTypedName(bool titleShowsName);

    bool m_fileFault = false;
    bool m_quit = false;
    ShellWindows m_noWindows;
    ShellWindows* m_windows = &m_noWindows;
    StateLinks m_stateLinks{*this};
};

} // namespace tallyrin
