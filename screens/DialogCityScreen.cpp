#include "screens/DialogCityScreen.h"

#include "local/LocalFiles.h"
#include "local/LocalBoxes.h"
#include "local/LocalPresets.h"
#include "text/Numbers.h"
#include "text/SystemMessages.h"

#include <cstddef>
#include <optional>
#include <utility>

namespace tallyrin {

namespace {

// Every column of the screen beside the field it shows.
const std::array<BoxColumn<DialogCityScreen, CitySettings, 10>, 8> columns{{
    {&DialogCityScreen::txtCityMinBS, &CitySettings::CityMinBS, true},
    {&DialogCityScreen::txtCityAmtBS, &CitySettings::CityAmtBS},
    {&DialogCityScreen::txtCityPerBS, &CitySettings::CityPerBS},
    {&DialogCityScreen::txtCityMinBM, &CitySettings::CityMinBM, true},
    {&DialogCityScreen::txtCityAmtBM, &CitySettings::CityAmtBM},
    {&DialogCityScreen::txtCityPerBM, &CitySettings::CityPerBM},
    {&DialogCityScreen::txtCitySgExp, &CitySettings::CitySgExp},
    {&DialogCityScreen::txtCityMarExp, &CitySettings::CityMarExp},
}};

} // namespace

void DialogCityScreen::clearBoxes()
{
    emptyBoxes(*this, columns);
    ckNoLocalTax = false;
}

bool DialogCityScreen::LoadCityFile()
{
    const auto result = tallyrin::LoadCityFile(m_files.path(CityFileExtension), m_settings);
    if (result.failed()) {
        m_op.message(result.message());
        return false;
    }
    if (result.kind == FileOutcome::Kind::Done) {
        showTables(m_settings);
        // Showing a stored "NO LOCAL TAX" acts like ticking the box: the no-tax table goes into
        // the boxes, and the copy that follows every load puts it into the settings.
        ckNoLocalTax = m_settings.NoLocalTax != 0;
        if (ckNoLocalTax)
            ckNoLocalTax_Click();
    }
    return true;
}

void DialogCityScreen::fillEmptyBoxes()
{
    fillEmptyColumns(*this, columns, newYorkCityPreset());
}

bool DialogCityScreen::copyScreenToSettings()
{
    // Every box is converted before anything is stored, so a refused box changes nothing.
    CitySettings read = m_settings;
    if (!readColumns(*this, columns, read))
        return false;
    read.NoLocalTax = ckNoLocalTax ? 1 : 0;
    m_settings = read;
    return true;
}

void DialogCityScreen::ckNoLocalTax_Click()
{
    if (ckNoLocalTax) {
        m_settings.NoLocalTax = 1;
        showTables(noLocalTaxTable());
    } else {
        // Cleared here too, so that a box ticked and unticked again is not saved as "no tax"
        // with tables that do tax.
        m_settings.NoLocalTax = 0;
        showTables(m_settings);
    }
}

void DialogCityScreen::setNoLocalTax(bool checked)
{
    if (ckNoLocalTax == checked)
        return;
    ckNoLocalTax = checked;
    ckNoLocalTax_Click();
}

void DialogCityScreen::cmdDefault_Click()
{
    setNoLocalTax(false);
    showTables(newYorkCityPreset());
}

void DialogCityScreen::cmdClearMe_Click()
{
    for (const auto& c : columns)
        for (auto& box : this->*c.boxes)
            box = screenText(c.minimumRange ? UnusedBound : 0.0f);
}

void DialogCityScreen::CancelButton_Click() { Unload(); }

void DialogCityScreen::showTables(const CitySettings& tables)
{
    showColumns(*this, columns, tables);
}

} // namespace tallyrin
