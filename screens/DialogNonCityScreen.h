// The non-city resident screen's texts and buttons: the bi-weekly and weekly exclusion tables and
// the rate, bound to the open employee's NonCitySettings and "<user name>.nci".
#pragma once

#include "text/Operator.h"
#include "employee/EmployeeFiles.h"
#include "screens/DialogCityScreen.h"
#include "local/NonCitySettings.h"

#include <array>
#include <string>

namespace tallyrin {

class DialogNonCityScreen
{
public:
    DialogNonCityScreen(NonCitySettings& settings, Operator& op, const EmployeeFiles& files);

    // Box texts as typed, rows 0..7. Loading starts them empty.
    std::array<std::string, 8> txtNonMinBi{}, txtNonExpBi{};
    std::array<std::string, 8> txtNonMinWk{}, txtNonExpWk{};
    std::string txtNonPer;

    bool loaded() const { return m_loaded; }
    bool visible() const { return m_visible; }

    // Loads the screen unless it is loaded already: empty boxes, LoadNonCityFile, the default into
    // every box still empty, then the boxes into NonCitySettings.
    void Form_Load();
    // Form_Load, then the screen is shown. A screen hidden by "&CANCEL" comes back as it was left.
    void show();
    // Closes the screen: its texts are dropped; NonCitySettings stays as it is.
    void Unload();

    // Reads "<user name>.nci" into NonCitySettings, over the defaults, so nothing of another
    // employee survives: without a file the settings are the defaults, and a corrupt file keeps
    // what was read before the fault (with the defaults for the rest) after showing the
    // corrupt-file message, and returns false. A loaded screen shows the settings unless the file
    // was corrupt.
    bool LoadNonCityFile();
    // Every empty box takes its default.
    void fillEmptyBoxes();
    // The boxes into NonCitySettings. False, with NonCitySettings untouched, when a box does not
    // hold a number.
    bool copyScreenToSettings();

    // "&DEFAULT": every box takes its default; nothing is saved.
    void cmdDefault_Click();
    // "&SAVE": fill empty boxes, copy into NonCitySettings, write the file, close. A box that is
    // not a number shows "You have entered a NON numerial.", nothing is saved and the screen stays
    // open; returns whether the screen closed.
    bool OKButton_Click();
    // "&CANCEL": hides the screen; it stays loaded with its unsaved texts, and NonCitySettings
    // keeps the values of the last load or save.
    void CancelButton_Click();

private:
    void showSettings(const NonCitySettings& settings);

    NonCitySettings& m_settings;
    Operator& m_op;
    const EmployeeFiles& m_files;
    bool m_loaded = false;
    bool m_visible = false;
};

} // namespace tallyrin
