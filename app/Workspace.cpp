#include "app/Workspace.h"

#include "employee/ProfileFiles.h"
#include "engine/FederalTableFile.h"
#include "engine/PayCalculation.h"
#include "local/CityFile.h"
#include "local/LocalPresets.h"
#include "local/NonCityFile.h"
#include "state/StateFile.h"
#include "text/FileStore.h"
#include "text/Numbers.h"

#include <utility>

namespace fs = std::filesystem;

namespace tallyrin {
namespace {

const char* const kSaveTitle = "Save?";

} // namespace

Workspace::Workspace(Operator& op, fs::path workingFolder, Clock clock)
    : m_op(op)
    , m_folder(std::move(workingFolder))
    , m_clock(std::move(clock))
    , stateScreen(state, profile, op)
    , cityScreen(city, op, [this](std::string_view ext) { return fileFor(std::string(ext)); })
    , nonCityScreen(nonCity, op, [this](std::string_view ext) { return fileFor(std::string(ext)); })
{
    stateScreen.setLinks(m_stateLinks);
}

fs::path Workspace::fileFor(const std::string& extension) const { return m_folder / (m_userName + extension); }

void Workspace::report(const std::string& message)
{
    m_fileFault = true;
    m_op.message(message, Icon::Exclamation);
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

bool Workspace::loadFederalTables()
{
    const FederalLoad load = tallyrin::loadFederalTables(m_folder, form1.ckFedJan, m_folder.string());
    if (!load.opened) {
        // Nothing was read: the tables and lbTaxVer stay as they are.
        report(load.message());
        return false;
    }
    federal = load.tables;
    if (!load.complete) {
        report(load.message());
        return false;
    }
    form1.lbTaxVer = federal.Version;
    return true;
}

void Workspace::clearFederalTables() { tallyrin::clearFederalTables(federal); }

void Workspace::Calcu_late(bool closingSave)
{
    resetPayPeriod(result, profile);
    form1.blankResults();
    loadFederalTables();

    // The state and city settings are read afresh from the employee's files unless their screens
    // are open; a screen the operator has open keeps what it shows.
    const bool cityWasLoaded = cityScreen.loaded();
    const bool stateWasOpen = stateScreen.isOpen();
    if (!cityWasLoaded)
        cityScreen.Form_Load();
    if (!stateWasOpen)
        stateScreen.open(m_folder, m_userName);

    const PayPeriodEntry entry = readPayPeriodEntry(form1.txtAmount);
    result = computePayPeriod(entry, form1.opt1x, PayPeriodRecords{profile, federal, state, city, nonCity, ytdGross()});

    const PayPeriodLabels labels = payPeriodLabels(result);
    form1.Label13 = labels.Label13;
    form1.lbTaxes = labels.lbTaxes;
    form1.lbDeduct = labels.lbDeduct;
    form1.lbNet = labels.lbNet;
    form1.lbOverT = labels.lbOverT;
    form1.lbTips = labels.lbTips;
    form1.lbTaxDed = labels.lbTaxDed;
    form1.lbSDI = labels.lbSDI;
    form1.lbSUI = labels.lbSUI;
    form1.lbCafe = labels.lbCafe;

    CleartxtBox(form1.txtAmount);
    clearFederalTables();
    if (closingSave) {
        // The save screen's save, under the name it shows: the open employee's.
        txtSaveUser = m_userName;
        saveUnderTypedName(false);
    }
    // Release the settings loaded for this calculation.
    if (!cityWasLoaded)
        cityScreen.Unload();
    if (!stateWasOpen && stateScreen.isOpen())
        stateScreen.close();
}

void Workspace::cmdCal_Click() { Calcu_late(true); }

void Workspace::Clear_All()
{
    for (auto& text : form1.txtAmount)
        text.clear();
    form1.blankResults();
    result.TaxableWages = 0;
    result.GrossPay = 0;
    result.NetPay = 0;
    result.TaxDeduct = 0;
    result.TotDeduct = 0;
    result.FedTax = 0;
    result.StateTax = 0;
    result.CityTax = 0;
    result.SdiTax = 0;
    result.SuiTax = 0;
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
    ledger.setBiWeekly(profile.BiWeekly && !profile.Weekly);
    saveProfileStep(m_userName);
}

void Workspace::showTaxInfo()
{
    taxInfo.show(profile);
    applyTaxInfo();
}

void Workspace::taxInfo_cmdOk()
{
    applyTaxInfo();
    txtSaveUser = m_userName;
    saveUnderTypedName(false);
}

// ---------------------------------------------------------------- the employee's files

void Workspace::loadProfileStep()
{
    const ProfileLoad load = loadProfileFamily(m_folder, m_userName, profile, overtime, state);
    for (const auto& fault : load.faults)
        report(fault.message());
    form1.lbTableNotice = tableNotice(profile);
    taxInfo.show(profile);
}

void Workspace::loadLedgerStep()
{
    ledger.setBiWeekly(profile.BiWeekly && !profile.Weekly);
    const YtdReadResult read = ledger.openEmployee(m_folder, m_userName);
    if (!read.message.empty())
        report(read.message);
}

void Workspace::loadStateStep()
{
    stateScreen.close();
    stateScreen.loadStateSettings(m_folder, m_userName);
    stateScreen.fillBlanks();
    stateScreen.readScreen();
    stateScreen.close();
}

void Workspace::loadCityStep()
{
    // A closed screen starts with empty boxes, so a missing file leaves the preset.
    cityScreen.Unload();
    if (!cityScreen.LoadCityFile())
        m_fileFault = true;
    cityScreen.fillEmptyBoxes();
    cityScreen.copyScreenToSettings();
    cityScreen.Unload();
}

void Workspace::loadNonCityStep()
{
    nonCityScreen.Unload();
    if (!nonCityScreen.LoadNonCityFile())
        m_fileFault = true;
}

bool Workspace::saveProfileStep(const std::string& user)
{
    // The profile family is saved through the overtime form: rows typed there are kept.
    if (overtimeScreen.isOpen())
        overtimeScreen.copyToSnapshot();
    const ProfileSave save = saveProfileFamily(m_folder, user, profile, overtime, state);
    // The profile screen's K plan boxes follow the stored choice.
    taxInfo.ckKpPer = profile.KPlanPercent == 1;
    taxInfo.ckKpFix = profile.KPlanFixed == 1;
    if (!save.ok()) {
        report(save.message());
        return false;
    }
    return true;
}

bool Workspace::saveStateStep(const std::string& user)
{
    if (const auto failed = saveStateFile(m_folder, user, state, profile)) {
        report(*failed);
        return false;
    }
    return true;
}

bool Workspace::saveCityStep(const std::string& user)
{
    const LocalFileResult saved = SaveCityFile(cityFilePath(m_folder, user), city);
    if (saved.failed()) {
        report(saved.message);
        return false;
    }
    return true;
}

bool Workspace::saveNonCityStep(const std::string& user)
{
    const LocalFileResult saved = SaveNonCityFile(nonCityFilePath(m_folder, user), nonCity);
    if (saved.failed()) {
        report(saved.message);
        return false;
    }
    return true;
}

bool Workspace::saveEmployeeAs(const std::string& user)
{
    // A fault ends the save at that file; the writer has told the operator.
    return saveProfileStep(user) && saveLeaveStep(user) && saveStateStep(user) && saveCityStep(user) &&
           saveNonCityStep(user);
}

void Workspace::openEmployee(const fs::path& useFile)
{
    m_folder = useFile.parent_path();
    // The user name is the chosen file's name less its last four characters (".use").
    const std::string name = useFile.filename().string();
    m_userName = name.size() >= 4 ? name.substr(0, name.size() - 4) : std::string();

    loadProfileStep();
    loadLedgerStep();
    loadFederalTables();
    loadStateStep();
    loadCityStep();
    loadNonCityStep();
    loadLeaveStep();
    overtimeScreen.FillInOT();

    showTitle("  User:  " + m_userName);
    txtSaveUser = m_userName;
    taxInfo.ckKpPer = profile.KPlanPercent == 1;
    taxInfo.ckKpFix = profile.KPlanFixed == 1;
    for (size_t i = 0; i < profile.DeductLabel.size(); ++i)
        form1.lbTaxTag[5 + i] = profile.DeductLabel[i];
    Clear_All();
}

// ---------------------------------------------------------------- the shell

void Workspace::showTitle(const std::string& title)
{
    form1.caption = title;
    form1.lbUser = m_userName;
}

std::optional<std::string> Workspace::refusedUserName(const std::string& name)
{
    const bool bad =
        name == "." || name == ".." || name.find('/') != std::string::npos || name.find('\0') != std::string::npos;
    if (!bad)
        return std::nullopt;
    return "The name \"" + name +
           "\" cannot be used for an employee.\r\n"
           "A name may not hold \"/\" and may not be \".\" or \"..\".";
}

void Workspace::showSaveUser()
{
    txtSaveUser = m_userName;
    m_windows->showSaveUser();
}

void Workspace::closeSecondaryScreens()
{
    stateScreen.close();
    cityScreen.Unload();
    nonCityScreen.Unload();
    overtimeScreen.close();
    m_windows->closeSecondaryScreens();
}

void Workspace::mnuSave_Click() { showSaveUser(); }

void Workspace::cmdSaveUser_Click() { saveUnderTypedName(true); }

void Workspace::saveUnderTypedName(bool titleShowsName)
{
    const std::string user = txtSaveUser;
    if (const auto refused = refusedUserName(user)) {
        m_op.message(*refused, Icon::Exclamation);
        return;
    }
    m_userName = user;
    if (saveEmployeeAs(user)) {
        form1.lbUser = user;
        // After the operator's save the title is the bare name typed on the save screen; the
        // save that ends every calculation leaves the title as New or Open set it.
        if (titleShowsName)
            form1.caption = user;
    }
    closeSecondaryScreens();
}

void Workspace::cmdEnd_Click() { closeSecondaryScreens(); }

void Workspace::cmdQuit_Click()
{
    m_quit = true;
    closeSecondaryScreens();
    m_windows->endApplication();
}

void Workspace::mnuNew_Click()
{
    if (m_op.askYesNo(kSaveTitle, "........SAVE PREVIOUS USER?")) {
        showSaveUser();
        if (m_quit)
            return;
    }
    const std::optional<std::string> answer = m_op.inputText("File New", "Enter new user:");
    if (!answer)
        return; // Cancel: nothing changes
    const std::string name = *answer;
    if (const auto refused = refusedUserName(name)) {
        m_op.message(*refused, Icon::Exclamation);
        return;
    }
    if (fileExists(m_folder / (name + ".use"))) {
        // The previous employee stays open under its own name: a later save must not write its
        // data over the existing employee's files.
        m_op.message("........" + name + " already exists. Use Open");
        return;
    }
    m_userName = name;
    txtSaveUser = name;
    showTitle("  User:  " + name);

    // A blank employee on every screen.
    overtime = OvertimeTracker{};
    overtimeScreen.close();
    overtimeScreen.ClearAll();
    vacScreen.clearVac();
    Clear_All();
    ledger.setBiWeekly(false);
    ledger.ClearAll();
    taxInfo.clearAll(profile);
    closeSecondaryScreens();
    state = StateSettings{};
    stateScreen.cmdDefault_Click();
    stateScreen.readScreen();
    stateScreen.close();
    city = newYorkCityPreset();
    cityScreen.Unload();
    // The non-city settings start from their defaults too, never the previous employee's.
    nonCity = nonCityDefaults();
    nonCityScreen.Unload();

    // One calculation; its closing save writes the new employee's files.
    Calcu_late(true);
}

void Workspace::mnuOpen_Click()
{
    showSaveUser();
    if (m_quit)
        return;
    const std::optional<std::string> chosen = m_op.chooseOpenFile("Saved Files (*.use)|*.use");
    if (!chosen)
        return; // nothing loaded; the previous employee stays open
    openEmployee(fs::path(*chosen));
}

void Workspace::mnuExitItem_Click()
{
    if (m_op.askYesNo(kSaveTitle, "     SAVE USER'S SETTINGS?"))
        showSaveUser();
    m_quit = true;
}

// ---------------------------------------------------------------- what the state screen asks

void Workspace::StateLinks::reloadProfile()
{
    const ProfileLoad load = loadProfileFamily(m_ws.m_folder, m_ws.m_userName, m_ws.profile, m_ws.overtime, m_ws.state);
    for (const auto& fault : load.faults)
        m_ws.report(fault.message());
}

bool Workspace::StateLinks::saveCompanionFiles(const std::string& userName) { return m_ws.saveProfileStep(userName); }

bool Workspace::StateLinks::saveLocalSettings(const std::string& userName)
{
    return m_ws.saveCityStep(userName) && m_ws.saveNonCityStep(userName);
}

void Workspace::StateLinks::closeOtherScreens()
{
    m_ws.cityScreen.Unload();
    m_ws.nonCityScreen.Unload();
    m_ws.m_windows->closeSecondaryScreens();
}

} // namespace tallyrin
