#include "session/Workspace.h"

#include "app/OnePayPeriod.h"
#include "employee/EmployeeStore.h"
#include "employee/ProfileFiles.h"
#include "engine/FederalTableFile.h"
#include "engine/PayCalculation.h"
#include "local/LocalFiles.h"
#include "local/LocalPresets.h"
#include "state/StateFile.h"
#include "text/FileMessages.h"
#include "text/FileStore.h"
#include "text/FolderLock.h"
#include "text/Numbers.h"
#include "text/SystemMessages.h"

#include <algorithm>
#include <utility>

namespace fs = std::filesystem;

namespace tallyrin {

Workspace::Workspace(Operator& op, fs::path workingFolder, Clock clock)
    : m_op(op)
    , m_files(std::move(workingFolder))
    , m_clock(std::move(clock))
    , stateScreen(state, profile, op, m_files, m_stateLinks)
    , cityScreen(city, op, m_files)
    , nonCityScreen(nonCity, op, m_files)
{
}

void Workspace::report(const std::string& message)
{
    m_fileFault = true;
    m_op.message(message, Icon::Exclamation);
}

bool Workspace::note(const FileOutcome& outcome)
{
    if (!outcome.lines.empty())
        report(outcome.message());
    // A file that could not be read whole is never replaced without being kept first.
    if (outcome.kind == FileOutcome::Kind::Corrupt && !outcome.file.empty())
        m_damaged.insert(outcome.file);
    if (outcome.failed())
        m_fileFault = true;
    return !outcome.failed();
}

// ---------------------------------------------------------------- start-up and the pay form

void Workspace::startUp()
{
    loadFederalTables();
    const CalendarDate d = today();
    form1.setWeek(dateText(d.year, d.month, d.day));
    result = PayPeriodResult{};
    form1.blankResults();
    for (size_t i = 0; i < taxInfo.txtTax.size(); ++i)
        form1.lbTaxTag[5 + i] = taxInfo.txtTax[i];
}

bool Workspace::loadFederalTables() { return note(openFederalTables()); }

FileOutcome Workspace::openFederalTables()
{
    // Missing: nothing was read, the tables and lbTaxVer stay as they are. Damaged: the tables
    // are empty and lbTaxVer stays.
    const FileOutcome read = tallyrin::loadFederalTables(workingFolder(), form1.ckFedJan, workingFolder().string(), federal);
    if (read.kind == FileOutcome::Kind::Done)
        form1.lbTaxVer = federal.Version;
    return read;
}

void Workspace::clearFederalTables() { tallyrin::clearFederalTables(federal); }

void Workspace::Calcu_late(bool closingSave)
{
    // An entry that is not a number ("4-5", "1 2") would be taken as 0 and the hours lost without
    // a word: it is shown as typed and nothing is calculated. One message, for the first such
    // entry, which the form then shows selected. An entry of spaces only looks empty and is 0.
    m_refusedEntry = nonNumericEntry(form1.txtAmount);
    if (m_refusedEntry) {
        m_periodRefused = true;
        m_op.message(messages::kNonNumber, Icon::Exclamation);
        return;
    }
    form1.blankResults();
    loadFederalTables();

    // The state and city settings are read afresh from the employee's files unless their screens
    // are open; a screen the operator has open keeps what it shows.
    for (const FileOutcome& outcome :
         reloadPeriodFiles(m_files, employee, !cityScreen.loaded(), !stateScreen.isOpen()))
        note(outcome);

    const PeriodCalculation calculated = calculatePeriod(form1.txtAmount, form1.opt1x, employee, federal);
    result = calculated.result;
    if (calculated.refused) {
        // One message, no results, nothing saved.
        m_periodRefused = true;
        m_op.message(*calculated.refused, Icon::Exclamation);
        clearFederalTables();
        return;
    }
    if (calculated.stateRounded)
        stateScreen.ckRoundOff = true;

    form1.showResults(calculated.labels);

    CleartxtBox(form1.txtAmount);
    clearFederalTables();
    // With no employee open (before New or Open) the results are shown and nothing is written:
    // the files of the empty name are the defaults that only "Make Default" writes.
    // Where a file could not be read, the command line saves nothing (savesAfterFault off).
    if (closingSave && employeeOpen() && (savesAfterFault || !m_fileFault)) {
        // The save screen's save, under the name it shows: the open employee's.
        txtSaveUser = userName();
        saveUnderTypedName(false);
    }
}

void Workspace::cmdCal_Click()
{
    Calcu_late(true);
    // The tables are 2009's: a period dated in another year is calculated, but the clerk is told.
    if (!m_refusedEntry && !form1.lbNet.empty())
        if (const auto warning = periodDateOutsideTaxYear(form1.txtWeek))
            m_op.message(*warning, Icon::Exclamation);
}

bool Workspace::periodCalculated() const { return !form1.lbNet.empty(); }

PayPeriodResult Workspace::shownPeriod() const
{
    return periodAsShown(form1.resultLabels(), result);
}

void Workspace::Clear_All()
{
    for (auto& text : form1.txtAmount)
        text.clear();
    form1.blankResults();
    clearPeriodAmounts(result);
    // The additional state amount the clear resets is the calculation's working copy, taken
    // afresh from the state settings by every calculation; the operator's setting stays.
    const CalendarDate d = today();
    form1.setWeek(dateText(d.year, d.month, d.day));
}

// ---------------------------------------------------------------- the profile screen

void Workspace::applyTaxInfo()
{
    taxInfo.apply(profile);
    for (size_t i = 0; i < profile.DeductLabel.size(); ++i)
        form1.lbTaxTag[5 + i] = profile.DeductLabel[i];
    form1.lbTableNotice = tableNotice(profile);
    ledger.setBiWeekly(profile.biWeekly());
    if (employeeOpen())
        saveProfileStep(userName());
}

void Workspace::showTaxInfo()
{
    taxInfo.show(profile);
    applyTaxInfo();
}

void Workspace::taxInfo_cmdOk()
{
    applyTaxInfo();
    txtSaveUser = userName();
    saveUnderTypedName(false);
}

// ---------------------------------------------------------------- the employee's files

void Workspace::readFiles(bool profileFamilyOnly)
{
    // The profile family is read first; at the federal tables' place (after the ledger) the pay
    // form and the profile screen show the profile just settled.
    const auto sharedTables = [this] {
        form1.lbTableNotice = tableNotice(profile);
        taxInfo.show(profile);
        return openFederalTables();
    };
    std::vector<FileOutcome> read =
        EmployeeStore::open(m_files, employee, profileFamilyOnly ? std::function<FileOutcome()>() : sharedTables,
                            profileFamilyOnly);
    for (const FileOutcome& outcome : read)
        note(outcome);
    if (profileFamilyOnly)
        return;
    // What Open makes of the state and city files through their screens' boxes; the leave screen
    // shows the balances read.
    stateScreen.close();
    cityScreen.Unload();
    nonCityScreen.Unload();
    EmployeeStore::settleOpened(m_files, employee, read);
    vacScreen.showRecord();
}

bool Workspace::writeFiles(const std::string& user, bool profileFamilyOnly)
{
    // The profile family is saved through the overtime form: rows typed there are kept, and its
    // save settles the frequency and the K plan mode. The leave balances are what the leave
    // screen's boxes hold (opening and every edit keep them current).
    if (overtimeScreen.isOpen())
        overtimeScreen.copyToSnapshot();
    vacScreen.copyBoxesToRecord();
    const StoreSave saved = saveEmployee(m_files, user, employee, m_damaged, profileFamilyOnly);
    for (const FileOutcome& outcome : saved.outcomes) {
        if (outcome.kind == FileOutcome::Kind::KeptAside)
            m_op.message(outcome.message(), Icon::Exclamation);
        else
            note(outcome);
    }
    // The profile screen's K plan boxes follow the stored choice.
    taxInfo.ckKpPer = profile.KPlanPercent == 1;
    taxInfo.ckKpFix = profile.KPlanFixed == 1;
    return saved.saved;
}

bool Workspace::saveProfileStep(const std::string& user) { return writeFiles(user, true); }

void Workspace::openEmployee(const fs::path& useFile)
{
    m_files.setFolder(useFile.parent_path());
    // The user name is the chosen file's name less its last four characters (".use").
    const std::string name = useFile.filename().string();
    m_files.setUserName(name.size() >= 4 ? name.substr(0, name.size() - 4) : std::string());

    readFiles(false);
    overtimeScreen.FillInOT();

    showTitle("  User:  " + userName());
    txtSaveUser = userName();
    taxInfo.ckKpPer = profile.KPlanPercent == 1;
    taxInfo.ckKpFix = profile.KPlanFixed == 1;
    for (size_t i = 0; i < profile.DeductLabel.size(); ++i)
        form1.lbTaxTag[5 + i] = profile.DeductLabel[i];
    Clear_All();
}

// ---------------------------------------------------------------- what the state screen asks

void Workspace::StateLinks::reloadProfile() { m_ws.readFiles(true); }

bool Workspace::StateLinks::saveCompanionFiles(const std::string& userName) { return m_ws.saveProfileStep(userName); }

bool Workspace::StateLinks::saveLocalSettings(const std::string& userName)
{
    return m_ws.note(SaveCityFile(m_ws.m_files.pathFor(userName, ".cti"), m_ws.city)) &&
           m_ws.note(SaveNonCityFile(m_ws.m_files.pathFor(userName, ".nci"), m_ws.nonCity));
}

bool Workspace::StateLinks::saveLeaveBalances(const std::string& userName)
{
    // The leave balances' save, as the leave screen's: what its boxes hold.
    m_ws.vacScreen.copyBoxesToRecord();
    return m_ws.note(saveLeaveFile(m_ws.m_files.pathFor(userName, ".hol"), m_ws.leave));
}

void Workspace::StateLinks::closeOtherScreens()
{
    m_ws.cityScreen.Unload();
    m_ws.nonCityScreen.Unload();
    m_ws.m_windows->closeSecondaryScreens();
}

} // namespace tallyrin
