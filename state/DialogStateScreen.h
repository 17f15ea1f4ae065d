// The state settings screen DialogState ("Biweekly State Tax"): the texts and check states of its
// controls and the operations behind its buttons, over the open employee's StateSettings.
#pragma once

#include "app/Operator.h"
#include "employee/EmployeeFiles.h"
#include "employee/EmployeeProfile.h"
#include "state/StateSettings.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace tallyrin {

// What the state screen asks of the rest of the program. The workspace implements it; the
// defaults do nothing, for a screen used on its own.
class DialogStateLinks
{
public:
    virtual ~DialogStateLinks() = default;
    // Open: reload the employee's profile and companion files after the state file.
    virtual void reloadProfile() {}
    // The overtime companion files under `userName`; they carry CalAllow, SpouseWorks, RoundState,
    // Utah, Wiscon, Alabama and NC. False when a write failed (the writer has told the operator).
    virtual bool saveCompanionFiles(const std::string& /*userName*/) { return true; }
    // Make Default: the leave balances' save, then the city and non-city files, under `userName`.
    virtual bool saveLeaveBalances(const std::string& /*userName*/) { return true; }
    virtual bool saveLocalSettings(const std::string& /*userName*/) { return true; }
    // Make Default closes the year-to-date, overtime, leave, save-user, city and non-city screens.
    virtual void closeOtherScreens() {}
};

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

class DialogStateScreen : public DialogStateControls
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

    // `files` names the open employee's files (and, with the empty name, the default ones).
    DialogStateScreen(StateSettings& settings, EmployeeProfile& profile, Operator& op, const EmployeeFiles& files);
    DialogStateScreen(const DialogStateScreen&) = delete;
    DialogStateScreen& operator=(const DialogStateScreen&) = delete;
    void setLinks(DialogStateLinks& links) { m_links = &links; }

    // Open: load the open employee's state file, reload the profile, fill blanks when no built-in
    // box (Alabama aside) is checked, run the checked boxes' presets, read the screen back, and set
    // the "Flat Rate" / "Wage Base" labels.
    void open();
    bool isOpen() const { return m_open; }
    // CANCEL, and every close by the program: the screen goes back to its fresh state.
    void close();

    // Load state settings: a present file is read into StateSettings and the five profile values
    // and shown; a corrupt one is reported. Either way the state boxes, "Spouse Works" and
    // "Round State" then show the values in memory.
    // False when the file was there but damaged (the operator has been told).
    bool loadStateSettings(const std::string& userName);
    // True when the last load met a damaged file: the workspace counts it among the file faults.
    bool loadFailed() const { return m_loadFailed; }

    // Every blank table and allowance box takes its New York value; the adjustment, credit, SDI
    // and SUI boxes "0". Boxes holding text are left alone.
    void fillBlanks();
    // Fills blanks, then converts every box; false (and StateSettings untouched) when a box does
    // not hold a number.
    bool readScreen();
    // Shows every value of StateSettings on the screen in plain text form.
    void showSettings();

    // Buttons.
    bool OKButton_Click();      // "SAVE"; false when the screen stays open
    void CancelButton_Click();  // "CANCEL"
    void cmdDefault_Click();    // "New York"
    void cmdClearAll_Click();   // "CLEAR ALL"
    bool cmdMkDefault_Click();  // "Make Default"; false when the screen stays open
    void cmdGetDefault_Click(); // "Get Default"

    // Check boxes, called after the box has toggled.
    void ckNoStateTax_Click();
    void ckSDI_Click();
    void ckSUI_Click();
    void ckSpouse_Click(); // with Missouri checked, its preset runs again

    // A press on a state box, before the box toggles: the other state boxes and "NO STATE TAX"
    // uncheck, the "BIWEEKLY" labels show, "Spouse Works" and "Round State" are set as the state
    // wants, its preset runs, and then the box toggles. Pressing a checked box therefore reloads
    // its preset and unchecks it.
    void stateBox_MouseDown(StateBox box);

    // After the calculation's state step: a method that checks "Round State" itself (Missouri)
    // leaves it checked, on the screen and in the settings.
    void calculationRan();

    // For the preset loaders: the settings in memory, the employee's profile, showing the stored
    // tables, allowances, SDI, SUI, adjustment and credit again, and the layout a fresh screen has
    // (captions, enabled boxes, visible labels), from which every preset starts.
    const StateSettings& settings() const { return m_settings; }
    const EmployeeProfile& profile() const { return m_profile; }
    void showStoredValues();
    void resetPresetLayout();

    bool& stateBox(StateBox box);
    bool anyStateBoxChecked() const;

    static const std::string kNonNumber;

private:
    void showTables();
    void showInsuranceAndAdjustment();
    void showCheckBoxes();
    void updateBaseLabels();
    void runPresets();
    bool saveState(const std::string& userName);
    void reportNonNumber();

    StateSettings& m_settings;
    EmployeeProfile& m_profile;
    Operator& m_op;
    DialogStateLinks m_noLinks;
    DialogStateLinks* m_links = &m_noLinks;
    const EmployeeFiles& m_files; // the employee open now: Open's load and every save use it
    bool m_open = false;
    bool m_loadFailed = false;
};

// The New York table and allowances, as the screen shows them; the same for Single and Married
// rows, bi-weekly figures.
struct NewYorkDefaults
{
    static const std::array<std::string, 10> Min, Amt, Per, SingleAllowance, MarriedAllowance;
};

} // namespace tallyrin
