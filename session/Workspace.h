// The workspace: the user name, the working folder and the single instances of every record and
// screen model of the open employee, with the shell's and the calculation's sequences over them.
#pragma once

#include "app/Clock.h"
#include "employee/Employee.h"
#include "screens/Form1Screen.h"
#include "text/Operator.h"
#include "session/ShellWindows.h"
#include "employee/EmployeeFiles.h"
#include "employee/EmployeeStore.h"
#include "text/FileStore.h"
#include "employee/CompanyHeader.h"
#include "screens/DialogHeaderScreen.h"
#include "screens/DialogVacScreen.h"
#include "screens/Form2Screen.h"
#include "employee/LeaveBalances.h"
#include "screens/TaxInfoScreen.h"
#include "engine/FederalTables.h"
#include "engine/PayPeriod.h"
#include "screens/DialogCityScreen.h"
#include "screens/DialogNonCityScreen.h"
#include "print/PayPrints.h"
#include "print/PrintDevice.h"
#include "print/PrintSurface.h"
#include "screens/dlgPrintSetScreen.h"
#include "screens/frmChecksScreen.h"
#include "screens/DialogStateScreen.h"
#include "text/Currency.h"
#include "text/FileOutcome.h"

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tallyrin {

class Workspace
{
    // Declared first: the screen models below are built with them.
    Operator& m_op;
    EmployeeFiles m_files; // the working folder and the user name
    // No print or export replaces a file the program keeps in the working folder.
    OutputGuardScope m_outputGuard{
        [this](const std::filesystem::path& target) { return programFileRefused(m_files.folder(), target); }};
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
    // The period as the pay form shows it, for the ledger's paste: every amount read back from its
    // label, a blank label counting 0 (after CLEAR or Open the record still holds the previous
    // calculation, which must not reach this employee's ledger).
    PayPeriodResult shownPeriod() const;
    // True once New or Open has given the workspace an employee.
    bool employeeOpen() const { return !m_files.userName().empty(); }

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
    // An employee chosen in the staff window, opened as File > Open opens one: the save screen
    // first, then the employee's files.
    void openListedEmployee(const std::string& user);
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

    // ---- Printing (WorkspacePrint.cpp) ----
    // "Print Sheet" and cmdPrint: PrintText after the printer dialog; Cancel or a printer fault
    // ends it silently.
    void PrintText(PrintDevice& device);
    // The statement's preparation (profile, ledger and header read again, empty amounts made "0")
    // and its page, without a printer dialog.
    PrintDocument statementDocument();
    // The check form: load and its refresh on a click or on gaining the focus.
    void frmChecks_Load();
    void frmChecks_Refresh();
    // The printer offset dialog: open (profile read again), "&Apply", "Print Check".
    void dlgPrintSet_Load();
    bool dlgPrintSet_cmdApply();
    void dlgPrintSet_OKButton(PrintDevice& device);
    // The paycheck at the offsets in the offset dialog's boxes, from the check form's fields.
    PrintDocument checkDocument();
    void PrintCheck(PrintDevice& device);
    // The ledger frame's "&Print": the printer dialog, then PrintYr; Cancel abandons it.
    void PrintYr(PrintDevice& device);
    PrintDocument ledgerDocument() const;
    // The figures both the statement and the stubs print.
    PeriodFigures printFigures() const;


    // "<working folder>/<user name><extension>"
    std::filesystem::path fileFor(const std::string& extension) const { return m_files.path(extension); }

    Operator& op() { return m_op; }
    const EmployeeFiles& files() const { return m_files; }
    const std::filesystem::path& workingFolder() const { return m_files.folder(); }
    const std::string& userName() const { return m_files.userName(); }
    CalendarDate today() const { return m_clock(); }
    // The gross-pay total of the year-to-date ledger, the base of the Social Security, SDI and SUI
    // limits.
    Currency ytdGross() const { return ledger.ytdGross(); }
    // True once a file could not be read or written (the operator has been told).
    bool fileFault() const { return m_fileFault; }
    // True once a period was refused for figures beyond the limits (the operator has been told).
    bool periodRefused() const { return m_periodRefused; }
    // The entry field the last ADD refused as not a number; nullopt when it calculated.
    std::optional<size_t> refusedEntry() const { return m_refusedEntry; }
    // Whether the pay form shows a calculated period (none before the first ADD, after CLEAR or a
    // refused ADD): the ledger has something to paste.
    bool periodCalculated() const;
    // Whether the calculation's closing save runs after a file fault. The program saves (a damaged
    // file is kept aside first); the command line, which cannot ask, saves nothing.
    bool savesAfterFault = true;
    // Files that could not be read whole, kept aside before a save replaces them.
    const std::set<std::filesystem::path>& damagedFiles() const { return m_damaged; }
    // Shows what a file operation has to say, counting it among the file faults; false when it
    // failed.
    bool note(const FileOutcome& outcome);

    // Records of the open employee, and the names the rest of the program knows them by.
    Employee employee;
    EmployeeProfile& profile = employee.profile;
    OvertimeTracker& overtime = employee.overtime;
    StateSettings& state = employee.state;
    CitySettings& city = employee.city;
    NonCitySettings& nonCity = employee.nonCity;
    YtdLedger& ledger = employee.ledger;
    LeaveBalances& leave = employee.leave;
    FederalTables federal;
    PayPeriodResult result;

    CompanyHeader header; // shared by every employee, kept in "Header.sav"

    // Screen models.
    Form1Screen form1;
    TaxInfoScreen taxInfo;
    DialogStateScreen stateScreen;
    DialogCityScreen cityScreen;
    DialogNonCityScreen nonCityScreen;
    DialogHeaderScreen headerScreen{header, m_op};
    frmChecksScreen checks;
    dlgPrintSetScreen printSet;
    Form2Screen overtimeScreen{overtime, m_op, overtimeLinks()};
    DialogVacScreen vacScreen{leave, m_op, m_files};

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
        bool saveLeaveBalances(const std::string& userName) override;
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

    FileOutcome openFederalTables();
    // Reads every file kind in order (or only the profile family), showing each fault.
    void readFiles(bool profileFamilyOnly);
    // Writes every file kind in order (or only the profile family) under `user`; a fault ends
    // the save at that file, after it has been shown.
    bool writeFiles(const std::string& user, bool profileFamilyOnly);
    bool saveProfileStep(const std::string& user);
    Form2Links overtimeLinks();
    void saveUnderTypedName(bool titleShowsName);
    void reloadProfileForPrint();
    void prepareStatement();
    PrintDocument statementPage();
    void fillEmptyAmounts();

    bool m_fileFault = false;
    bool m_periodRefused = false;
    std::optional<size_t> m_refusedEntry;
    std::set<std::filesystem::path> m_damaged;
    bool m_quit = false;
    NoShellWindows m_noWindows;
    ShellWindows* m_windows = &m_noWindows;
    StateLinks m_stateLinks{*this};
};

} // namespace tallyrin
