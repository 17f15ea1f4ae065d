// The city tax screen's texts and buttons: the Single and Married bracket tables, the allowance
// columns and "NO LOCAL TAX", bound to the open employee's CitySettings and "<user name>.cti".
#pragma once

#include "text/Operator.h"
#include "employee/EmployeeFiles.h"
#include "local/CitySettings.h"

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace tallyrin {

class DialogCityScreen
{
public:
    DialogCityScreen(CitySettings& settings, Operator& op, const EmployeeFiles& files);

    // Box texts as typed, rows 0..9. Loading starts them empty.
    std::array<std::string, 10> txtCityMinBS{}, txtCityAmtBS{}, txtCityPerBS{};
    std::array<std::string, 10> txtCityMinBM{}, txtCityAmtBM{}, txtCityPerBM{};
    std::array<std::string, 10> txtCitySgExp{}, txtCityMarExp{};
    // "NO LOCAL TAX". Set it through ckNoLocalTax_Click or setNoLocalTax, which apply it.
    bool ckNoLocalTax = false;

    bool loaded() const { return m_loaded; }
    bool visible() const { return m_visible; }

    // Loads the screen unless it is loaded already: empty boxes, LoadCityFile, the preset into
    // every box still empty, then the boxes into CitySettings. A loaded screen keeps its texts.
    void Form_Load();
    // Form_Load, then the screen is shown.
    void show();
    // Closes the screen: its texts are dropped; CitySettings stays as it is.
    void Unload();

    // Reads "<user name>.cti" into CitySettings and shows it in the boxes and the check box
    // (a set "NO LOCAL TAX" shows the no-tax table). A missing file changes nothing. A corrupt one
    // shows the corrupt-file message, keeps in CitySettings what was read before the fault, leaves
    // the boxes alone and returns false.
    bool LoadCityFile();
    // Every empty box takes its New York preset value.
    void fillEmptyBoxes();
    // The check box and every box into CitySettings. False, with CitySettings untouched, when a
    // box does not hold a number.
    bool copyScreenToSettings();

    // The check box was clicked (ckNoLocalTax holds its new state). Checked: NoLocalTax is set at
    // once and the boxes take the no-tax table. Unchecked: NoLocalTax is cleared and the boxes
    // show the tables held in CitySettings.
    void ckNoLocalTax_Click();
    // Sets the check box as a click would, running ckNoLocalTax_Click when the state changes.
    void setNoLocalTax(bool checked);
    // "&New York": unchecks "NO LOCAL TAX", then the whole preset into the boxes.
    void cmdDefault_Click();
    // "CLEAR ALL": every "Minimum Range" box 999999, every other box 0; the check box stays.
    void cmdClearMe_Click();
    // "&SAVE": fill empty boxes, copy into CitySettings, write the file, close. A box that is not
    // a number shows "You have entered a NON numerial.", nothing is saved and the screen stays
    // open; returns whether the screen closed.
    bool OKButton_Click();
    // "&CANCEL": closes without writing.
    void CancelButton_Click();

private:
    void showTables(const CitySettings& tables);

    CitySettings& m_settings;
    Operator& m_op;
    const EmployeeFiles& m_files;
    bool m_loaded = false;
    bool m_visible = false;
};

} // namespace tallyrin
