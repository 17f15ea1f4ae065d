#include "state/DialogStateScreen.h"

#include "state/BuiltInStates.h"
#include "state/StateFile.h"
#include "text/FolderLock.h"
#include "text/Numbers.h"

#include <optional>

namespace tallyrin {

const std::string DialogStateScreen::kNonNumber = "You have entered a NON numerial.";

const std::array<std::string, 10> NewYorkDefaults::Min{"0",    "308",  "423",  "500",    "769",
                                                       "3462", "3846", "5769", "999999", "999999"};
const std::array<std::string, 10> NewYorkDefaults::Amt{"0",      "12.31",  "17.5",   "21.54", "37.42",
                                                       "221.85", "251.23", "407.85", "0",     "0"};
const std::array<std::string, 10> NewYorkDefaults::Per{"0.04",   "0.045",  "0.0525", "0.059", "0.0685",
                                                       "0.0764", "0.0814", "0.0735", "0",     "0"};
// 268.3 + 38.5 x n and 287.5 + 38.5 x n for n = 0..9.
const std::array<std::string, 10> NewYorkDefaults::SingleAllowance{"268.3", "306.8", "345.3", "383.8", "422.3",
                                                                   "460.8", "499.3", "537.8", "576.3", "614.8"};
const std::array<std::string, 10> NewYorkDefaults::MarriedAllowance{"287.5", "326",   "364.5", "403",   "441.5",
                                                                    "480",   "518.5", "557",   "595.5", "634"};

namespace {

using Column = std::array<std::string, 10>;

void fillColumn(Column& boxes, const Column& values)
{
    for (size_t r = 0; r < boxes.size(); ++r)
        if (boxes[r].empty())
            boxes[r] = values[r];
}

void fillBox(std::string& box)
{
    if (box.empty())
        box = "0";
}

void showColumn(Column& boxes, const std::array<float, 10>& values)
{
    for (size_t r = 0; r < boxes.size(); ++r)
        boxes[r] = screenText(values[r]);
}

// Converts a box into `target`; remembers the first failure.
void readBox(const std::string& box, float& target, bool& ok)
{
    if (const std::optional<float> value = fullSingle(box))
        target = *value;
    else
        ok = false;
}

void readColumn(const Column& boxes, std::array<float, 10>& target, bool& ok)
{
    for (size_t r = 0; r < boxes.size(); ++r)
        readBox(boxes[r], target[r], ok);
}

int16_t flag(bool checked) { return checked ? 1 : 0; }

} // namespace

DialogStateScreen::DialogStateScreen(StateSettings& settings, EmployeeProfile& profile, Operator& op,
                                     const EmployeeFiles& files)
    : m_settings(settings)
    , m_profile(profile)
    , m_op(op)
    , m_files(files)
{
}

bool& DialogStateScreen::stateBox(StateBox box) { return this->*builtInState(box).checkBox; }

bool DialogStateScreen::anyStateBoxChecked() const
{
    for (const BuiltInState& st : builtInStates())
        if (this->*st.checkBox)
            return true;
    return false;
}

void DialogStateScreen::open()
{
    m_open = true;
    loadStateSettings(m_files.userName());
    m_links->reloadProfile();
    bool keepBlanks = false;
    for (const BuiltInState& st : builtInStates())
        keepBlanks = keepBlanks || (st.keepsBlanksOnOpen && this->*st.checkBox);
    if (!keepBlanks)
        fillBlanks();
    runPresets();
    // The boxes hold what was loaded or filled, so this read cannot meet a non-number.
    readScreen();
    updateBaseLabels();
}

void DialogStateScreen::close()
{
    static_cast<DialogStateControls&>(*this) = DialogStateControls{};
    m_open = false;
}

bool DialogStateScreen::loadStateSettings(const std::string& userName)
{
    const FileOutcome load = loadStateFile(m_files.folder(), userName, m_settings, m_profile);
    m_loadFailed = load.failed();
    if (m_loadFailed)
        m_op.message(load.message());
    // Values read before a fault are in memory too, and the screen mirrors memory.
    if (load.found())
        showSettings();
    showCheckBoxes();
    return !m_loadFailed;
}

void DialogStateScreen::showTables()
{
    showColumn(txtStateMinBS, m_settings.StateMinBS);
    showColumn(txtStateAmtBS, m_settings.StateAmtBS);
    showColumn(txtStatePerBS, m_settings.StatePerBS);
    showColumn(txtStateMinBM, m_settings.StateMinBM);
    showColumn(txtStateAmtBM, m_settings.StateAmtBM);
    showColumn(txtStatePerBM, m_settings.StatePerBM);
    showColumn(txtStateSgExp, m_settings.StateSgExp);
    showColumn(txtStateMarExp, m_settings.StateMarExp);
}

void DialogStateScreen::showInsuranceAndAdjustment()
{
    txtSDIpercent = screenText(m_settings.SDIpercent);
    txtSDIwageBase = screenText(m_settings.SDIwageBase);
    txtSUIpercent = screenText(m_settings.SUIpercent);
    txtSUIwageBase = screenText(m_settings.SUIwageBase);
    txtStateAdj = screenText(m_settings.StateAdj);
    txtCalAllow = screenText(m_settings.CalAllow);
    ckSDI = m_settings.SDIuseBase != 0;
    ckSUI = m_settings.SUIuseBase != 0;
    updateBaseLabels();
}

void DialogStateScreen::showCheckBoxes()
{
    for (const BuiltInState& st : builtInStates())
        this->*st.checkBox = m_settings.*st.flag != 0;
    ckSpouse = m_settings.SpouseWorks != 0;
    ckRoundOff = m_settings.RoundState != 0;
}

void DialogStateScreen::showSettings()
{
    showTables();
    ckNoStateTax = m_settings.NoStateTax != 0;
    showInsuranceAndAdjustment();
    showCheckBoxes();
}

void DialogStateScreen::showStoredValues()
{
    showTables();
    showInsuranceAndAdjustment();
}

void DialogStateScreen::resetPresetLayout()
{
    const DialogStateControls fresh;
    enabled = fresh.enabled;
    Label5 = fresh.Label5;
    Label13 = fresh.Label13;
    Label14 = fresh.Label14;
    Label15 = fresh.Label15;
    Label19 = fresh.Label19;
    Label20 = fresh.Label20;
    Label21 = fresh.Label21;
    Label27 = fresh.Label27;
    biweeklyLabelsVisible = fresh.biweeklyLabelsVisible;
    Frame1Enabled = fresh.Frame1Enabled;
    tableHeadingsEnabled = fresh.tableHeadingsEnabled;
}

void DialogStateScreen::stateBox_MouseDown(StateBox box)
{
    const BuiltInState& pressed = builtInState(box);
    const bool wasChecked = this->*pressed.checkBox;
    for (const BuiltInState& st : builtInStates())
        if (&st != &pressed)
            this->*st.checkBox = false;
    ckNoStateTax = false;
    biweeklyLabelsVisible = true;
    switch (pressed.spouse) {
    case SpouseOnPress::UncheckAndHide:
        ckSpouse = false;
        ckSpouseVisible = false;
        break;
    case SpouseOnPress::ShowWhenNewlyChecked:
        if (!wasChecked)
            ckSpouseVisible = true;
        break;
    }
    switch (pressed.round) {
    case RoundOnPress::Uncheck:
        ckRoundOff = false;
        break;
    case RoundOnPress::Check:
        ckRoundOff = true;
        break;
    case RoundOnPress::Keep:
        break;
    }
    pressed.preset(*this);
    this->*pressed.checkBox = !wasChecked;
}

void DialogStateScreen::ckSpouse_Click()
{
    if (ckMissouri)
        builtInState(StateBox::Missouri).preset(*this);
}

void DialogStateScreen::calculationRan()
{
    if (methodChecksRoundState(m_settings)) {
        m_settings.RoundState = 1;
        ckRoundOff = true;
    }
}

void DialogStateScreen::updateBaseLabels()
{
    Label26 = ckSDI ? "Wage Base" : "Flat Rate";
    Label23 = ckSUI ? "Wage Base" : "Flat Rate";
}

void DialogStateScreen::fillBlanks()
{
    fillColumn(txtStateMinBS, NewYorkDefaults::Min);
    fillColumn(txtStateAmtBS, NewYorkDefaults::Amt);
    fillColumn(txtStatePerBS, NewYorkDefaults::Per);
    fillColumn(txtStateMinBM, NewYorkDefaults::Min);
    fillColumn(txtStateAmtBM, NewYorkDefaults::Amt);
    fillColumn(txtStatePerBM, NewYorkDefaults::Per);
    fillColumn(txtStateSgExp, NewYorkDefaults::SingleAllowance);
    fillColumn(txtStateMarExp, NewYorkDefaults::MarriedAllowance);
    for (std::string* box :
         {&txtSDIpercent, &txtSDIwageBase, &txtStateAdj, &txtCalAllow, &txtSUIpercent, &txtSUIwageBase})
        fillBox(*box);
}

bool DialogStateScreen::readScreen()
{
    fillBlanks();
    // Read into a copy so that a box holding no number leaves the settings as they were.
    StateSettings s = m_settings;
    bool ok = true;
    s.NoStateTax = flag(ckNoStateTax);
    readColumn(txtStateMinBS, s.StateMinBS, ok);
    readColumn(txtStateAmtBS, s.StateAmtBS, ok);
    readColumn(txtStatePerBS, s.StatePerBS, ok);
    readColumn(txtStateMinBM, s.StateMinBM, ok);
    readColumn(txtStateAmtBM, s.StateAmtBM, ok);
    readColumn(txtStatePerBM, s.StatePerBM, ok);
    readColumn(txtStateSgExp, s.StateSgExp, ok);
    readColumn(txtStateMarExp, s.StateMarExp, ok);
    readBox(txtSDIpercent, s.SDIpercent, ok);
    readBox(txtSDIwageBase, s.SDIwageBase, ok);
    readBox(txtStateAdj, s.StateAdj, ok);
    readBox(txtCalAllow, s.CalAllow, ok);
    readBox(txtSUIpercent, s.SUIpercent, ok);
    readBox(txtSUIwageBase, s.SUIwageBase, ok);
    if (!ok)
        return false;
    s.SDIuseBase = flag(ckSDI);
    s.SUIuseBase = flag(ckSUI);
    for (const BuiltInState& st : builtInStates())
        s.*st.flag = flag(this->*st.checkBox);
    s.SpouseWorks = flag(ckSpouse);
    s.RoundState = flag(ckRoundOff);
    m_settings = s;
    return true;
}

void DialogStateScreen::runPresets()
{
    // A preset may uncheck a later box (Oregon's clears Utah), whose preset then does not run.
    for (const BuiltInState* st : statesInPresetOrder())
        if (this->*st->checkBox)
            st->preset(*this);
}

void DialogStateScreen::reportNonNumber() { m_op.message(kNonNumber); }

bool DialogStateScreen::saveState(const std::string& userName)
{
    if (const FileOutcome saved = saveStateFile(m_files.folder(), userName, m_settings, m_profile); saved.failed()) {
        m_op.message(saved.message());
        return false;
    }
    return true;
}

bool DialogStateScreen::OKButton_Click()
{
    if (!anyStateBoxChecked() && !ckNoStateTax)
        fillBlanks();
    if (!readScreen()) {
        reportNonNumber();
        return false;
    }
    // A failed write keeps the screen open with its contents, so the operator can try again.
    if (!saveState(m_files.userName()) || !m_links->saveCompanionFiles(m_files.userName()))
        return false;
    close();
    return true;
}

void DialogStateScreen::CancelButton_Click() { close(); }

void DialogStateScreen::cmdDefault_Click()
{
    for (const BuiltInState& st : builtInStates())
        this->*st.checkBox = false;
    ckSpouse = false;
    ckSpouseVisible = false;
    txtStateMinBS = txtStateMinBM = NewYorkDefaults::Min;
    txtStateAmtBS = txtStateAmtBM = NewYorkDefaults::Amt;
    txtStatePerBS = txtStatePerBM = NewYorkDefaults::Per;
    txtStateSgExp = NewYorkDefaults::SingleAllowance;
    txtStateMarExp = NewYorkDefaults::MarriedAllowance;
    txtSDIpercent = txtSDIwageBase = txtStateAdj = txtCalAllow = txtSUIpercent = txtSUIwageBase = "0";
    Label14 = "Single";
    Label15 = "Married";
    Label21 = "BiWeekly";
    Label13 = "# of Exemp";
    Label5 = "Table for MARRIED Persons";
    Label27 = DialogStateControls{}.Label27;
    enabled = Enabled{};
    Frame1Enabled = tableHeadingsEnabled = biweeklyLabelsVisible = true;
}

void DialogStateScreen::cmdClearAll_Click()
{
    txtStateMinBS.fill("999999");
    txtStateMinBM.fill("999999");
    for (Column* column :
         {&txtStateAmtBS, &txtStatePerBS, &txtStateAmtBM, &txtStatePerBM, &txtStateSgExp, &txtStateMarExp})
        column->fill("0");
    ckRoundOff = false;
    ckSpouse = false;
    ckSpouseVisible = false;
}

bool DialogStateScreen::cmdMkDefault_Click()
{
    if (!readScreen()) {
        reportNonNumber();
        return false;
    }
    // The employee's files and the defaults are written as one sequence under the folder's lock.
    std::string busy;
    const auto lock = FolderLock::acquire(m_files.folder(), &busy);
    if (!lock) {
        m_op.message(busy + "\r\nNothing was saved.");
        return false;
    }
    // The employee's own files first, then the same settings as the defaults (the empty name).
    if (!saveState(m_files.userName()) || !m_links->saveCompanionFiles(m_files.userName()))
        return false;
    const std::string defaults;
    if (!m_links->saveCompanionFiles(defaults) || !m_links->saveLeaveBalances(defaults) || !saveState(defaults) ||
        !m_links->saveLocalSettings(defaults))
        return false;
    m_links->closeOtherScreens();
    close();
    return true;
}

void DialogStateScreen::cmdGetDefault_Click()
{
    if (!stateFileExists(m_files.folder(), ""))
        return;
    loadStateSettings("");
}

void DialogStateScreen::ckNoStateTax_Click()
{
    if (ckNoStateTax) {
        m_settings.NoStateTax = 1;
        txtStateMinBS.fill("999999");
        txtStateMinBM.fill("999999");
        for (Column* column :
             {&txtStateAmtBS, &txtStatePerBS, &txtStateAmtBM, &txtStatePerBM, &txtStateSgExp, &txtStateMarExp})
            column->fill("0");
        for (const BuiltInState& st : builtInStates())
            this->*st.checkBox = false;
        ckSpouse = false;
    } else {
        m_settings.NoStateTax = 0;
        showTables();
    }
    showInsuranceAndAdjustment();
}

void DialogStateScreen::ckSDI_Click()
{
    if (!ckSDI)
        txtSDIpercent = "0";
    updateBaseLabels();
}

void DialogStateScreen::ckSUI_Click()
{
    if (!ckSUI)
        txtSUIpercent = "0";
    updateBaseLabels();
}

} // namespace tallyrin
