#include "app/Workspace.h"

#include "employee/ProfileFiles.h"
#include "engine/FederalTableFile.h"
#include "engine/PayCalculation.h"
#include "local/CityFile.h"
#include "local/LocalPresets.h"
#include "local/NonCityFile.h"
#include "state/StateFile.h"
#include "text/FileMessages.h"
#include "text/FileStore.h"
#include "text/FolderLock.h"
#include "text/Numbers.h"

#include <algorithm>
#include <utility>

namespace fs = std::filesystem;

namespace tallyrin {
namespace {

const char* const kSaveTitle = "Save?";

} // namespace

Workspace::Workspace(Operator& op, fs::path workingFolder, Clock clock)
    : m_op(op)
    , m_files(std::move(workingFolder))
    , m_clock(std::move(clock))
    , stateScreen(state, profile, op, m_files)
    , cityScreen(city, op, m_files)
    , nonCityScreen(nonCity, op, m_files)
{
    stateScreen.setLinks(m_stateLinks);
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
    resetPayPeriod(result, profile);
    form1.blankResults();
    loadFederalTables();

    // The state and city settings are read afresh from the employee's files unless their screens
    // are open; a screen the operator has open keeps what it shows.
    const bool cityWasLoaded = cityScreen.loaded();
    const bool stateWasOpen = stateScreen.isOpen();
    if (!cityWasLoaded)
        cityScreen.Form_Load();
    if (!stateWasOpen) {
        stateScreen.open();
        if (stateScreen.loadFailed()) {
            m_fileFault = true;
            m_damaged.insert(fileFor(".sta"));
        }
    }
    // Release the settings loaded for this calculation.
    const auto release = [&] {
        if (!cityWasLoaded)
            cityScreen.Unload();
        if (!stateWasOpen && stateScreen.isOpen())
            stateScreen.close();
    };

    const PayPeriodEntry entry = readPayPeriodEntry(form1.txtAmount);
    result = computePayPeriod(entry, form1.opt1x,
                              PayPeriodRecords{profile, federal, state, city, nonCity, ytdGross(),
                                               ledger.totals().SocSec, ledger.totals().Medicare});
    if (const auto refused = periodOutOfRange(form1.txtAmount, result)) {
        // One message, no results, nothing saved.
        m_periodRefused = true;
        m_op.message(*refused, Icon::Exclamation);
        result = PayPeriodResult{};
        clearFederalTables();
        release();
        return;
    }
    stateScreen.calculationRan();

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
    // With no employee open (before New or Open) the results are shown and nothing is written:
    // the files of the empty name are the defaults that only "Make Default" writes.
    // Where a file could not be read, the command line saves nothing (savesAfterFault off).
    if (closingSave && employeeOpen() && (savesAfterFault || !m_fileFault)) {
        // The save screen's save, under the name it shows: the open employee's.
        txtSaveUser = userName();
        saveUnderTypedName(false);
    }
    release();
}

void Workspace::cmdCal_Click() { Calcu_late(true); }

PayPeriodResult Workspace::shownPeriod() const
{
    // A label converts by full conversion ("$1,234.56" is 1234.56); a blank one counts 0.
    auto shown = [](const std::string& label) { return fullNumber(label).value_or(0); };
    auto single = [&](const std::string& label) { return static_cast<float>(shown(label)); };
    PayPeriodResult p;
    p.FedTax = single(form1.lbTaxDed[0]);
    p.SocSec = single(form1.lbTaxDed[1]);
    p.Medicare = single(form1.lbTaxDed[2]);
    p.StateTax = shown(form1.lbTaxDed[3]);
    p.CityTax = shown(form1.lbTaxDed[4]);
    p.CreditUnion = single(form1.lbTaxDed[5]);
    p.Bond = single(form1.lbTaxDed[6]);
    p.Dues = single(form1.lbTaxDed[7]);
    p.PensionAmt = single(form1.lbTaxDed[8]);
    p.Misc = single(form1.lbTaxDed[9]);
    p.KPlan = single(form1.lbTaxDed[10]);
    p.SdiTax = single(form1.lbSDI);
    p.SuiTax = single(form1.lbSUI);
    p.Cafeteria = single(form1.lbCafe);
    p.TotalOt = single(form1.lbOverT);
    p.TotalTips = single(form1.lbTips);
    // Gross and net come from the record, which CLEAR zeroes (the gross label stays blank when
    // the K plan takes the whole gross).
    p.GrossPay = result.GrossPay;
    p.NetPay = result.NetPay;
    return p;
}

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

const std::vector<Workspace::FileKind>& Workspace::fileKinds()
{
    // In the order Open reads them; Save writes them in the order of their last column.
    static const std::vector<FileKind> kinds{
        {".use", true, &Workspace::openUse, &Workspace::saveUse, 1},
        {".and", true, &Workspace::openAnd, &Workspace::saveAnd, 2},
        {".cfe", true, &Workspace::openCfe, &Workspace::saveCfe, 3},
        {".ovw/.ovb", true, &Workspace::openOvertime, &Workspace::saveOvertime, 4},
        {".yrw/.yrb", false, &Workspace::openLedger, nullptr, 0},
        {"Federal09.dtt", false, &Workspace::openFederalTables, nullptr, 0},
        {".sta", false, &Workspace::openState, &Workspace::saveState, 6},
        {".cti", false, &Workspace::openCity, &Workspace::saveCity, 7},
        {".nci", false, &Workspace::openNonCity, &Workspace::saveNonCity, 8},
        {".hol", false, &Workspace::openLeave, &Workspace::saveLeave, 5},
    };
    return kinds;
}

void Workspace::readFiles(bool profileFamilyOnly)
{
    for (const FileKind& kind : fileKinds())
        if (kind.open && (kind.profileFamily || !profileFamilyOnly))
            note((this->*kind.open)());
}

std::string Workspace::savedFileName(const FileKind& kind, const std::string& user) const
{
    const std::string extension = kind.name == std::string_view(".ovw/.ovb") ? overtimeExtension(profile.Weekly) : kind.name;
    return user + extension;
}

bool Workspace::keepDamaged(const std::filesystem::path& file)
{
    if (!m_damaged.count(file))
        return true;
    std::string error;
    const auto kept = keepAside(file, &error);
    if (!kept) {
        report(messages::joined(messages::notKeptAside(file.filename().string(), error)));
        return false;
    }
    m_op.message(messages::joined(messages::keptAside(file.filename().string(), kept->filename().string())),
                 Icon::Exclamation);
    m_damaged.erase(file);
    return true;
}

bool Workspace::writeFiles(const std::string& user, bool profileFamilyOnly)
{
    // The employee's files are written as one sequence: another run of the program saving in
    // this folder waits until all of them are written.
    std::string busy;
    const auto lock = FolderLock::acquire(workingFolder(), &busy);
    if (!lock) {
        report(busy + "\r\nNothing was saved.");
        return false;
    }
    // The profile family is saved through the overtime form: rows typed there are kept, and its
    // save settles the frequency and the K plan mode.
    if (overtimeScreen.isOpen())
        overtimeScreen.copyToSnapshot();
    prepareProfileSave(profile, overtime);
    std::vector<const FileKind*> saves;
    for (const FileKind& kind : fileKinds())
        if (kind.save && (kind.profileFamily || !profileFamilyOnly))
            saves.push_back(&kind);
    std::sort(saves.begin(), saves.end(), [](const FileKind* a, const FileKind* b) { return a->saveOrder < b->saveOrder; });
    std::vector<std::string> written;
    bool saved = true;
    for (size_t i = 0; i < saves.size() && saved; ++i) {
        const std::string name = savedFileName(*saves[i], user);
        if (!(saved = keepDamaged(workingFolder() / name)))
            break;
        FileOutcome outcome = (this->*saves[i]->save)(user);
        if (outcome.failed() && saves.size() > 1) {
            // A save that stops part-way says what it did and did not write.
            std::vector<std::string> left;
            for (size_t k = i; k < saves.size(); ++k)
                left.push_back(savedFileName(*saves[k], user));
            const auto list = [](const std::vector<std::string>& names) {
                std::string text;
                for (const auto& n : names)
                    text += (text.empty() ? "" : ", ") + n;
                return text;
            };
            outcome.lines.push_back(written.empty() ? "No file was saved." : "Saved: " + list(written) + ".");
            outcome.lines.push_back("Not saved: " + list(left) + ".");
        }
        saved = note(outcome);
        written.push_back(name);
    }
    // The profile screen's K plan boxes follow the stored choice.
    taxInfo.ckKpPer = profile.KPlanPercent == 1;
    taxInfo.ckKpFix = profile.KPlanFixed == 1;
    return saved;
}

FileOutcome Workspace::openUse() { return loadUseFile(fileFor(".use"), profile, overtime); }
FileOutcome Workspace::openAnd() { return loadAndFile(fileFor(".and"), profile, state); }
FileOutcome Workspace::openCfe() { return loadCfeFile(fileFor(".cfe"), profile); }

FileOutcome Workspace::openOvertime()
{
    // The rows file follows the frequency the .use file just gave.
    const bool weekly = profile.Weekly;
    return loadOvertimeFile(fileFor(overtimeExtension(weekly)), overtime, weekly);
}

FileOutcome Workspace::openLedger()
{
    // The profile family is read: the pay form and the profile screen show it.
    form1.lbTableNotice = tableNotice(profile);
    taxInfo.show(profile);
    ledger.setBiWeekly(profile.biWeekly());
    return ledger.openEmployee(workingFolder(), userName());
}

FileOutcome Workspace::openState()
{
    // The state screen loads the file and tells the operator of a damaged one itself.
    stateScreen.close();
    FileOutcome read = FileOutcome::done(fileFor(".sta"));
    if (!stateScreen.loadStateSettings(userName())) {
        m_fileFault = true;
        read.kind = FileOutcome::Kind::Corrupt;
    }
    stateScreen.fillBlanks();
    stateScreen.readScreen();
    stateScreen.close();
    return read;
}

FileOutcome Workspace::openCity()
{
    // A closed screen starts with empty boxes, so a missing file leaves the preset. The screen
    // tells the operator of a damaged file itself.
    cityScreen.Unload();
    FileOutcome read = FileOutcome::done(fileFor(".cti"));
    if (!cityScreen.LoadCityFile()) {
        m_fileFault = true;
        read.kind = FileOutcome::Kind::Corrupt;
    }
    cityScreen.fillEmptyBoxes();
    cityScreen.copyScreenToSettings();
    cityScreen.Unload();
    return read;
}

FileOutcome Workspace::openNonCity()
{
    nonCityScreen.Unload();
    FileOutcome read = FileOutcome::done(fileFor(".nci"));
    if (!nonCityScreen.LoadNonCityFile()) {
        m_fileFault = true;
        read.kind = FileOutcome::Kind::Corrupt;
    }
    return read;
}

FileOutcome Workspace::saveUse(const std::string& user)
{
    return saveUseFile(m_files.pathFor(user, ".use"), profile, overtime);
}

FileOutcome Workspace::saveAnd(const std::string& user)
{
    return saveAndFile(m_files.pathFor(user, ".and"), profile, state);
}

FileOutcome Workspace::saveCfe(const std::string& user) { return saveCfeFile(m_files.pathFor(user, ".cfe"), profile); }

FileOutcome Workspace::saveOvertime(const std::string& user)
{
    const bool weekly = profile.Weekly;
    return saveOvertimeFile(m_files.pathFor(user, overtimeExtension(weekly)), overtime, weekly);
}

FileOutcome Workspace::saveState(const std::string& user)
{
    return saveStateFile(workingFolder(), user, state, profile);
}

FileOutcome Workspace::saveCity(const std::string& user)
{
    return SaveCityFile(m_files.pathFor(user, ".cti"), city);
}

FileOutcome Workspace::saveNonCity(const std::string& user)
{
    return SaveNonCityFile(m_files.pathFor(user, ".nci"), nonCity);
}

FileOutcome Workspace::openLeave() { return vacScreen.GetVac(); }

FileOutcome Workspace::saveLeave(const std::string& user)
{
    // The screen's boxes hold the balances (GetVac and every edit keep them current).
    return vacScreen.SaveVac(m_files.pathFor(user, ".hol"));
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

// ---------------------------------------------------------------- the shell

void Workspace::showTitle(const std::string& title)
{
    form1.caption = title;
    form1.lbUser = userName();
}

std::optional<std::string> Workspace::refusedUserName(const std::string& name)
{
    // The longest file of an employee is a saved pay period's temporary twin,
    // ".MM_DD_YYYY  <name>.prv.tmp": 21 characters more than the name, within the 255 a folder
    // entry holds.
    const bool bad = name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos ||
                     name.find('\0') != std::string::npos || name.size() > kLongestUserName;
    if (!bad)
        return std::nullopt;
    return "The name \"" + name +
           "\" cannot be used for an employee.\r\n"
           "A name may not be empty, may not hold \"/\", may not be \".\" or \"..\" and may not be longer than " +
           std::to_string(kLongestUserName) + " characters.";
}

void Workspace::showSaveUser()
{
    txtSaveUser = userName();
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
    m_files.setUserName(user);
    if (writeFiles(user, false)) {
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
    if (fileExists(m_files.pathFor(name, ".use"))) {
        // The previous employee stays open under its own name: a later save must not write its
        // data over the existing employee's files.
        m_op.message("........" + name + " already exists. Use Open");
        return;
    }
    m_files.setUserName(name);
    txtSaveUser = name;
    showTitle("  User:  " + name);

    // A blank employee on every screen, the state screen's New York preset applied.
    employee.startBlank();
    overtimeScreen.close();
    overtimeScreen.ClearAll();
    vacScreen.clearVac();
    Clear_All();
    taxInfo.clearAll(profile);
    closeSecondaryScreens();
    stateScreen.cmdDefault_Click();
    stateScreen.readScreen();
    stateScreen.close();
    cityScreen.Unload();
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

void Workspace::StateLinks::reloadProfile() { m_ws.readFiles(true); }

bool Workspace::StateLinks::saveCompanionFiles(const std::string& userName) { return m_ws.saveProfileStep(userName); }

bool Workspace::StateLinks::saveLocalSettings(const std::string& userName)
{
    return m_ws.note(m_ws.saveCity(userName)) && m_ws.note(m_ws.saveNonCity(userName));
}

void Workspace::StateLinks::closeOtherScreens()
{
    m_ws.cityScreen.Unload();
    m_ws.nonCityScreen.Unload();
    m_ws.m_windows->closeSecondaryScreens();
}

} // namespace tallyrin
