#include "state/StateBoxes.h"

#include "state/BuiltInStates.h"
#include "text/Numbers.h"

#include <optional>

namespace tallyrin {

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

StateBoxes::StateBoxes(StateSettings& settings, const EmployeeProfile& profile)
    : m_settings(settings)
    , m_profile(profile)
{
}

bool& StateBoxes::stateBox(StateBox box) { return this->*builtInState(box).checkBox; }

bool StateBoxes::anyStateBoxChecked() const
{
    for (const BuiltInState& st : builtInStates())
        if (this->*st.checkBox)
            return true;
    return false;
}

void StateBoxes::showTables()
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

void StateBoxes::showInsuranceAndAdjustment()
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

void StateBoxes::showCheckBoxes()
{
    for (const BuiltInState& st : builtInStates())
        this->*st.checkBox = m_settings.*st.flag != 0;
    ckSpouse = m_settings.SpouseWorks != 0;
    ckRoundOff = m_settings.RoundState != 0;
}

void StateBoxes::showSettings()
{
    showTables();
    ckNoStateTax = m_settings.NoStateTax != 0;
    showInsuranceAndAdjustment();
    showCheckBoxes();
}

void StateBoxes::showStoredValues()
{
    showTables();
    showInsuranceAndAdjustment();
}

void StateBoxes::resetPresetLayout()
{
    using C = DialogStateControls;
    const C fresh;
    enabled = fresh.enabled;
    Label27 = fresh.Label27;
    for (std::string C::*caption : {&C::Label5, &C::Label13, &C::Label14, &C::Label15, &C::Label19, &C::Label20,
                                    &C::Label21})
        this->*caption = fresh.*caption;
    for (bool C::*shown : {&C::biweeklyLabelsVisible, &C::Frame1Enabled, &C::tableHeadingsEnabled})
        this->*shown = fresh.*shown;
}

void StateBoxes::updateBaseLabels()
{
    Label26 = ckSDI ? "Wage Base" : "Flat Rate";
    Label23 = ckSUI ? "Wage Base" : "Flat Rate";
}

void StateBoxes::fillBlanks()
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

bool StateBoxes::readScreen()
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

void StateBoxes::runPresets()
{
    // A preset may uncheck a later box (Oregon's clears Utah), whose preset then does not run.
    for (const BuiltInState* st : statesInPresetOrder())
        if (this->*st->checkBox)
            st->preset(*this);
}

bool StateBoxes::keepsBlanks() const
{
    for (const BuiltInState& st : builtInStates())
        if (st.keepsBlanksOnOpen && this->*st.checkBox)
            return true;
    return false;
}

void settleOpenedState(StateSettings& settings, const EmployeeProfile& profile, bool read)
{
    StateBoxes boxes(settings, profile);
    if (read)
        boxes.showSettings();
    boxes.showCheckBoxes();
    boxes.fillBlanks();
    boxes.readScreen();
}

void settleStateForCalculation(StateSettings& settings, const EmployeeProfile& profile, bool read)
{
    StateBoxes boxes(settings, profile);
    if (read)
        boxes.showSettings();
    boxes.showCheckBoxes();
    if (!boxes.keepsBlanks())
        boxes.fillBlanks();
    boxes.runPresets();
    boxes.readScreen();
}

} // namespace tallyrin
