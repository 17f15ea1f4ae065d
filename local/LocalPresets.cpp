#include "local/LocalPresets.h"

#include "text/Numbers.h"

#include <optional>
#include <string>

namespace tallyrin {

namespace {

CitySettings makeNewYork()
{
    // Rows 7 to 10 are not in use. Both bracket tables are the same.
    constexpr std::array<float, 10> min{0,    308,         334,         577,         962,
                                        2308, UnusedBound, UnusedBound, UnusedBound, UnusedBound};
    constexpr std::array<float, 10> amt{0, 5.85f, 6.58f, 14.08f, 28.31f, 80.81f, 0, 0, 0, 0};
    constexpr std::array<float, 10> per{0.019f, 0.0265f, 0.031f, 0.037f, 0.039f, 0.04f, 0, 0, 0, 0};

    CitySettings s;
    s.CityMinBS = s.CityMinBM = min;
    s.CityAmtBS = s.CityAmtBM = amt;
    s.CityPerBS = s.CityPerBM = per;
    // Allowances by exemption count 0..9.
    s.CitySgExp = {192.3f, 230.8f, 269.3f, 307.8f, 346.3f, 384.8f, 423.3f, 461.8f, 500.3f, 538.8f};
    s.CityMarExp = {211.5f, 250, 288.5f, 327, 365.5f, 404, 442.5f, 481, 519.5f, 558};
    s.NoLocalTax = 0;
    return s;
}

CitySettings makeNoTax()
{
    CitySettings s;
    s.CityMinBS.fill(UnusedBound);
    s.CityMinBM.fill(UnusedBound);
    s.NoLocalTax = 1;
    return s;
}

NonCitySettings makeNonCityDefaults()
{
    NonCitySettings s;
    s.NonMinBi = {0, 145, 385, 769, 1154, UnusedBound, UnusedBound, UnusedBound};
    s.NonExpBi = {0, 115, 77, 38, 0, 0, 0, 0};
    s.NonMinWk = {0, 78, 192, 385, 577, UnusedBound, UnusedBound, UnusedBound};
    s.NonExpWk = {0, 58, 38, 19, 0, 0, 0, 0};
    s.NonPer = 0.0045f;
    return s;
}

} // namespace

const CitySettings& newYorkCityPreset()
{
    static const CitySettings preset = makeNewYork();
    return preset;
}

const CitySettings& noLocalTaxTable()
{
    static const CitySettings table = makeNoTax();
    return table;
}

const NonCitySettings& nonCityDefaults()
{
    static const NonCitySettings defaults = makeNonCityDefaults();
    return defaults;
}

void settleOpenedCity(CitySettings& settings, bool read)
{
    using Field = std::array<float, 10> CitySettings::*;
    static constexpr std::array<Field, 8> kFields{&CitySettings::CityMinBS, &CitySettings::CityAmtBS,
                                                  &CitySettings::CityPerBS, &CitySettings::CityMinBM,
                                                  &CitySettings::CityAmtBM, &CitySettings::CityPerBM,
                                                  &CitySettings::CitySgExp, &CitySettings::CityMarExp};
    const bool noTax = read && settings.NoLocalTax != 0;
    const CitySettings& shown = noTax ? noLocalTaxTable() : settings;
    CitySettings settled = settings;
    for (Field field : kFields)
        for (size_t i = 0; i < 10; ++i) {
            const std::string box = read ? screenText((shown.*field)[i]) : std::string();
            const std::optional<float> value =
                fullSingle(box.empty() ? screenText((newYorkCityPreset().*field)[i]) : box);
            if (!value)
                return; // the boxes hold what was shown, so this does not happen
            (settled.*field)[i] = *value;
        }
    settled.NoLocalTax = noTax ? 1 : 0;
    settings = settled;
}

} // namespace tallyrin
