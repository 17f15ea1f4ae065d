// The state settings screen DialogState ("Biweekly State Tax"): the texts and check states of its
// controls and the operations behind its buttons, over the open employee's StateSettings.
#pragma once

#include "text/Operator.h"
#include "employee/EmployeeFiles.h"
#include "records/EmployeeProfile.h"
#include "state/StateBoxes.h"
#include "state/StateSettings.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace tallyrin {

// What the state screen asks of the rest of the program. The workspace implements every one of
// them: a link left out does not compile.
class DialogStateLinks
{
public:
    virtual ~DialogStateLinks() = default;
    // Open: reload the employee's profile and companion files after the state file.
    virtual void reloadProfile() = 0;
    // The overtime companion files under `userName`; they carry CalAllow, SpouseWorks, RoundState,
    // Utah, Wiscon, Alabama and NC. False when a write failed (the writer has told the operator).
    virtual bool saveCompanionFiles(const std::string& userName) = 0;
    // Make Default: the leave balances' save, then the city and non-city files, under `userName`.
    virtual bool saveLeaveBalances(const std::string& userName) = 0;
    virtual bool saveLocalSettings(const std::string& userName) = 0;
    // Make Default closes the year-to-date, overtime, leave, save-user, city and non-city screens.
    virtual void closeOtherScreens() = 0;
};

class DialogStateScreen : public StateBoxes
{
public:
    // `files` names the open employee's files (and, with the empty name, the default ones).
    DialogStateScreen(StateSettings& settings, EmployeeProfile& profile, Operator& op, const EmployeeFiles& files,
                      DialogStateLinks& links);
    DialogStateScreen(const DialogStateScreen&) = delete;
    DialogStateScreen& operator=(const DialogStateScreen&) = delete;

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


    static const std::string kNonNumber;

private:
    bool saveState(const std::string& userName);
    void reportNonNumber();

    EmployeeProfile& m_editedProfile; // the state file holds five of the profile's values
    Operator& m_op;
    DialogStateLinks* m_links;
    const EmployeeFiles& m_files; // the employee open now: Open's load and every save use it
    bool m_open = false;
    bool m_loadFailed = false;
};

} // namespace tallyrin
