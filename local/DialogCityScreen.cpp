#include "local/DialogCityScreen.h"

#include "local/CityFile.h"
#include "local/LocalPresets.h"
#include "text/Numbers.h"

#include <cstddef>
#include <optional>
#include <utility>

namespace tallyrin {

namespace {

using Boxes = std::array<std::string, 10> DialogCityScreen::*;
using Field = std::array<float, 10> CitySettings::*;

struct Column
{
    Boxes boxes;
    Field field;
    bool minimumRange;
};

// Every column of the screen beside the field it shows.
constexpr std::array<Column, 8> columns{{
    {&DialogCityScreen::txtCityMinBS, &CitySettings::CityMinBS, true},
    {&DialogCityScreen::txtCityAmtBS, &CitySettings::CityAmtBS, false},
    {&DialogCityScreen::txtCityPerBS, &CitySettings::CityPerBS, false},
    {&DialogCityScreen::txtCityMinBM, &CitySettings::CityMinBM, true},
    {&DialogCityScreen::txtCityAmtBM, &CitySettings::CityAmtBM, false},
    {&DialogCityScreen::txtCityPerBM, &CitySettings::CityPerBM, false},
    {&DialogCityScreen::txtCitySgExp, &CitySettings::CitySgExp, false},
    {&DialogCityScreen::txtCityMarExp, &CitySettings::CityMarExp, false},
}};

} // namespace

DialogCityScreen::DialogCityScreen(CitySettings& settings, Operator& op, const EmployeeFiles& files)
    : m_settings(settings)
    , m_op(op)
    , m_files(files)
{
}

void DialogCityScreen::Form_Load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    for (const auto& c : columns)
        for (auto& box : this->*c.boxes)
            box.clear();
    ckNoLocalTax = false;
    LoadCityFile();
    fillEmptyBoxes();
    copyScreenToSettings();
}

void DialogCityScreen::show()
{
    Form_Load();
    m_visible = true;
}

void DialogCityScreen::Unload()
{
    m_loaded = false;
    m_visible = false;
    for (const auto& c : columns)
        for (auto& box : this->*c.boxes)
            box.clear();
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
    const CitySettings& preset = newYorkCityPreset();
    for (const auto& c : columns)
        for (std::size_t i = 0; i < 10; ++i)
            if ((this->*c.boxes)[i].empty())
                (this->*c.boxes)[i] = screenText((preset.*c.field)[i]);
}

bool DialogCityScreen::copyScreenToSettings()
{
    // Every box is converted before anything is stored, so a refused box changes nothing.
    CitySettings read = m_settings;
    for (const auto& c : columns)
        for (std::size_t i = 0; i < 10; ++i) {
            const std::optional<float> value = fullSingle((this->*c.boxes)[i]);
            if (!value)
                return false;
            (read.*c.field)[i] = *value;
        }
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

bool DialogCityScreen::OKButton_Click()
{
    fillEmptyBoxes();
    if (!copyScreenToSettings()) {
        m_op.message("You have entered a NON numerial.");
        return false;
    }
    if (const auto result = SaveCityFile(m_files.path(CityFileExtension), m_settings); result.failed())
        m_op.message(result.message());
    Unload();
    return true;
}

void DialogCityScreen::CancelButton_Click() { Unload(); }

void DialogCityScreen::showTables(const CitySettings& tables)
{
    for (const auto& c : columns)
        for (std::size_t i = 0; i < 10; ++i)
            (this->*c.boxes)[i] = screenText((tables.*c.field)[i]);
}

} // namespace tallyrin
