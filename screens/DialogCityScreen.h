// The city tax screen's texts and buttons: the Single and Married bracket tables, the allowance
// columns and "NO LOCAL TAX", bound to the open employee's CitySettings and "<user name>.cti".
#pragma once

#include "local/CitySettings.h"
#include "screens/LocalTaxScreen.h"

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace tallyrin {

class DialogCityScreen : public LocalTaxScreen<DialogCityScreen, CitySettings>
{
public:
    using LocalTaxScreen::LocalTaxScreen;
    static constexpr std::string_view kExtension = CityFileExtension;

    // Box texts as typed, rows 0..9. Loading starts them empty.
    std::array<std::string, 10> txtCityMinBS{}, txtCityAmtBS{}, txtCityPerBS{};
    std::array<std::string, 10> txtCityMinBM{}, txtCityAmtBM{}, txtCityPerBM{};
    std::array<std::string, 10> txtCitySgExp{}, txtCityMarExp{};
    // "NO LOCAL TAX". Set it through ckNoLocalTax_Click or setNoLocalTax, which apply it.
    bool ckNoLocalTax = false;

    // Loading (Form_Load, show), closing (Unload) and "&SAVE" (OKButton_Click) are the local
    // screens' own: LoadCityFile, then the New York preset into every box still empty.

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
    // "&CANCEL": closes without writing.
    void CancelButton_Click();

private:
    friend class LocalTaxScreen<DialogCityScreen, CitySettings>;
    void clearBoxes();
    void loadFile() { LoadCityFile(); }
    void showTables(const CitySettings& tables);
};

} // namespace tallyrin
