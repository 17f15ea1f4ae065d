// The non-city resident screen's texts and buttons: the bi-weekly and weekly exclusion tables and
// the rate, bound to the open employee's NonCitySettings and "<user name>.nci".
#pragma once

#include "local/NonCitySettings.h"
#include "screens/LocalTaxScreen.h"

#include <array>
#include <string>
#include <string_view>

namespace tallyrin {

class DialogNonCityScreen : public LocalTaxScreen<DialogNonCityScreen, NonCitySettings>
{
public:
    using LocalTaxScreen::LocalTaxScreen;
    static constexpr std::string_view kExtension = NonCityFileExtension;

    // Box texts as typed, rows 0..7. Loading starts them empty.
    std::array<std::string, 8> txtNonMinBi{}, txtNonExpBi{};
    std::array<std::string, 8> txtNonMinWk{}, txtNonExpWk{};
    std::string txtNonPer;

    // Loading (Form_Load, show), closing (Unload) and "&SAVE" (OKButton_Click) are the local
    // screens' own: LoadNonCityFile, then the default into every box still empty.

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
    // "&CANCEL": hides the screen; it stays loaded with its unsaved texts, and NonCitySettings
    // keeps the values of the last load or save.
    void CancelButton_Click();

private:
    friend class LocalTaxScreen<DialogNonCityScreen, NonCitySettings>;
    void clearBoxes();
    void loadFile() { LoadNonCityFile(); }
    void showSettings(const NonCitySettings& settings);
};

} // namespace tallyrin
