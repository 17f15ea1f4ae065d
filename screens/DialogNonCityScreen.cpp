#include "screens/DialogNonCityScreen.h"

#include "local/LocalBoxes.h"
#include "local/LocalPresets.h"
#include "local/LocalFiles.h"
#include "text/Numbers.h"
#include "text/SystemMessages.h"

#include <cstddef>
#include <optional>
#include <utility>

namespace tallyrin {

namespace {

const std::array<BoxColumn<DialogNonCityScreen, NonCitySettings, 8>, 4> columns{{
    {&DialogNonCityScreen::txtNonMinBi, &NonCitySettings::NonMinBi},
    {&DialogNonCityScreen::txtNonExpBi, &NonCitySettings::NonExpBi},
    {&DialogNonCityScreen::txtNonMinWk, &NonCitySettings::NonMinWk},
    {&DialogNonCityScreen::txtNonExpWk, &NonCitySettings::NonExpWk},
}};

} // namespace

void DialogNonCityScreen::clearBoxes()
{
    emptyBoxes(*this, columns);
    txtNonPer.clear();
}

bool DialogNonCityScreen::LoadNonCityFile()
{
    NonCitySettings read = nonCityDefaults();
    const auto result = tallyrin::LoadNonCityFile(m_files.path(NonCityFileExtension), read);
    m_settings = read;
    if (result.failed()) {
        m_op.message(result.message());
        return false;
    }
    if (m_loaded)
        showSettings(m_settings);
    return true;
}

void DialogNonCityScreen::fillEmptyBoxes()
{
    const NonCitySettings& defaults = nonCityDefaults();
    fillEmptyColumns(*this, columns, defaults);
    if (txtNonPer.empty())
        txtNonPer = screenText(defaults.NonPer);
}

bool DialogNonCityScreen::copyScreenToSettings()
{
    // Every box is converted before anything is stored, so a refused box changes nothing.
    NonCitySettings read;
    if (!readColumns(*this, columns, read))
        return false;
    const std::optional<float> rate = fullSingle(txtNonPer);
    if (!rate)
        return false;
    read.NonPer = *rate;
    m_settings = read;
    return true;
}

void DialogNonCityScreen::cmdDefault_Click() { showSettings(nonCityDefaults()); }

void DialogNonCityScreen::CancelButton_Click() { m_visible = false; }

void DialogNonCityScreen::showSettings(const NonCitySettings& settings)
{
    showColumns(*this, columns, settings);
    txtNonPer = screenText(settings.NonPer);
}

} // namespace tallyrin
