// The state settings as the state screen's boxes hold them: the texts and check states of its
// controls, shown from StateSettings and read back into it, with the built-in states' presets
// writing into them. No files and no messages: the screen adds those, and Open and every
// calculation settle the settings through the same boxes without a screen.
#pragma once

#include "records/EmployeeProfile.h"
#include "state/StateSettings.h"

#include <array>
#include <string>

namespace tallyrin {

// The controls as a freshly created screen has them: boxes blank, boxes unchecked, design captions.
struct DialogStateControls
{
    static constexpr std::array<bool, 10> kAllEnabled{true, true, true, true, true, true, true, true, true, true};

    // Table rows (bi-weekly figures) and the allowance columns, by row 0..9.
    std::array<std::string, 10> txtStateMinBS{}, txtStateAmtBS{}, txtStatePerBS{};
    std::array<std::string, 10> txtStateMinBM{}, txtStateAmtBM{}, txtStatePerBM{};
    std::array<std::string, 10> txtStateSgExp{}, txtStateMarExp{};
    std::string txtStateAdj, txtCalAllow;
    std::string txtSDIpercent, txtSDIwageBase, txtSUIpercent, txtSUIwageBase;

    bool ckNoStateTax = false;
    bool ckSDI = false, ckSUI = false; // "Use Base"
    bool ckRoundOff = false;           // "Round State"
    bool ckSpouse = false;             // "Spouse Works"
    bool ckSpouseVisible = false;
    bool ckAriz = false, ckLouis = false, ckIowa = false, ckMissouri = false, ckMass = false, ckOregon = false,
         ckUtah = false, ckAlabama = false, ckKentucky = false, ckWiscon = false, ckNC = false;

    // Whether each table and allowance box takes typing (the built-in presets lock some).
    struct Enabled
    {
        std::array<bool, 10> txtStateMinBS = kAllEnabled, txtStateAmtBS = kAllEnabled, txtStatePerBS = kAllEnabled;
        std::array<bool, 10> txtStateMinBM = kAllEnabled, txtStateAmtBM = kAllEnabled, txtStatePerBM = kAllEnabled;
        std::array<bool, 10> txtStateSgExp = kAllEnabled, txtStateMarExp = kAllEnabled;
    } enabled;

    // Captions that change: the headings the presets relabel, the row numbers, and the
    // "Flat Rate" / "Wage Base" labels beside the SDI and SUI base boxes.
    std::string Label5 = "Table for MARRIED Persons";
    std::string Label13 = "# of Exemp";
    std::string Label14 = "SINGLE";
    std::string Label15 = "MARRIED";
    std::string Label19 = "BIWEEKLY", Label20 = "BIWEEKLY", Label21 = "BIWEEKLY";
    std::array<std::string, 10> Label27{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    std::string Label26 = "Flat Rate"; // SDI
    std::string Label23 = "Flat Rate"; // SUI

    // The three "BIWEEKLY" labels (Iowa hides them), and the Single table's frame with the table
    // headings (Missouri greys them).
    bool biweeklyLabelsVisible = true;
    bool Frame1Enabled = true;
    bool tableHeadingsEnabled = true;
};

class StateBoxes : public DialogStateControls
{
public:
    // The eleven built-in state boxes, in the order of the calculation's methods.
    enum class StateBox
    {
        Ariz,
        Louis,
        Iowa,
        Missouri,
        Mass,
        Oregon,
        Utah,
        Alabama,
        Kentucky,
        Wiscon,
        NC,
    };

    StateBoxes(StateSettings& settings, const EmployeeProfile& profile);

    // Every blank table and allowance box takes its New York value; the adjustment, credit, SDI
    // and SUI boxes "0". Boxes holding text are left alone.
    void fillBlanks();
    // Fills blanks, then converts every box; false (and StateSettings untouched) when a box does
    // not hold a number.
    bool readScreen();
    // Shows every value of StateSettings on the screen in plain text form.
    void showSettings();
    // The state boxes, "Spouse Works" and "Round State" as the settings hold them.
    void showCheckBoxes();
    // The presets of the checked state boxes, in the order Open runs them.
    void runPresets();
    // True when a checked state keeps the blank boxes blank on opening.
    bool keepsBlanks() const;

    // For the preset loaders: the settings in memory, the employee's profile, showing the stored
    // tables, allowances, SDI, SUI, adjustment and credit again, and the layout a fresh screen has
    // (captions, enabled boxes, visible labels), from which every preset starts.
    const StateSettings& settings() const { return m_settings; }
    const EmployeeProfile& profile() const { return m_profile; }
    void showStoredValues();
    void resetPresetLayout();

    bool& stateBox(StateBox box);
    bool anyStateBoxChecked() const;

protected:
    void showTables();
    void showInsuranceAndAdjustment();
    void updateBaseLabels();

    StateSettings& m_settings;
    const EmployeeProfile& m_profile;
};

// The New York table and allowances, as the screen shows them; the same for Single and Married
// rows, bi-weekly figures.
struct NewYorkDefaults
{
    static const std::array<std::string, 10> Min, Amt, Per, SingleAllowance, MarriedAllowance;
};

// The state settings as Open leaves them: shown (when `read`, the file having been read), blanks
// filled, read back.
void settleOpenedState(StateSettings& settings, const EmployeeProfile& profile, bool read);
// The state settings as every calculation takes them: shown, blanks filled unless a checked state
// keeps them, the checked states' presets, read back.
void settleStateForCalculation(StateSettings& settings, const EmployeeProfile& profile, bool read);

} // namespace tallyrin
