#include "screens/DialogStateScreen.h"

#include "state/BuiltInStates.h"
#include "state/StateFile.h"
#include "text/FolderLock.h"
#include "text/Numbers.h"
#include "text/SystemMessages.h"

#include <optional>

namespace tallyrin {

using Column = std::array<std::string, 10>;

const std::string DialogStateScreen::kNonNumber = messages::kNonNumber;

DialogStateScreen::DialogStateScreen(StateSettings& settings, EmployeeProfile& profile, Operator& op,
                                     const EmployeeFiles& files, DialogStateLinks& links)
    : StateBoxes(settings, profile)
    , m_editedProfile(profile)
    , m_op(op)
    , m_links(&links)
    , m_files(files)
{
}

void DialogStateScreen::open()
{
    m_open = true;
    loadStateSettings(m_files.userName());
    m_links->reloadProfile();
    if (!keepsBlanks())
        fillBlanks();
    runPresets();
    // The boxes hold what was loaded or filled, so this read cannot meet a non-number.
    readScreen();
    updateBaseLabels();
    // A Missouri or Utah employee's screen shows "Spouse Works", so that it can be seen and cleared.
    if (ckMissouri || ckUtah)
        ckSpouseVisible = true;
}

void DialogStateScreen::close()
{
    static_cast<DialogStateControls&>(*this) = DialogStateControls{};
    m_open = false;
}

bool DialogStateScreen::loadStateSettings(const std::string& userName)
{
    const FileOutcome load = loadStateFile(m_files.folder(), userName, m_settings, m_editedProfile);
    m_loadFailed = load.failed();
    if (m_loadFailed)
        m_op.message(load.message());
    // Values read before a fault are in memory too, and the screen mirrors memory.
    if (load.found())
        showSettings();
    showCheckBoxes();
    return !m_loadFailed;
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
    // "Spouse Works" shows whenever Missouri or Utah is checked, whatever the preset did to it.
    if (pressed.spouse == SpouseOnPress::ShowWhenNewlyChecked && !wasChecked)
        ckSpouseVisible = true;
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

void DialogStateScreen::reportNonNumber() { m_op.message(kNonNumber); }

bool DialogStateScreen::saveState(const std::string& userName)
{
    if (const FileOutcome saved = saveStateFile(m_files.folder(), userName, m_settings, m_editedProfile); saved.failed()) {
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
