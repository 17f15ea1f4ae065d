#include "local/CityFile.h"

#include "text/FileStore.h"
#include "text/SettingsFormat.h"

#include <cstddef>

namespace tallyrin {

namespace {

// The layout, for reading and writing alike: ten bracket rows, the flag, ten allowance rows.
template <class IO, class Settings> void cityItems(IO& io, Settings& s)
{
    for (std::size_t i = 0; i < 10; ++i) {
        io.single(s.CityMinBS[i]), io.single(s.CityAmtBS[i]), io.single(s.CityPerBS[i]);
        io.single(s.CityMinBM[i]), io.single(s.CityAmtBM[i]), io.single(s.CityPerBM[i]);
        io.endRecord();
    }
    io.int16(s.NoLocalTax);
    io.endRecord();
    for (std::size_t i = 0; i < 10; ++i) {
        io.single(s.CitySgExp[i]), io.single(s.CityMarExp[i]);
        io.endRecord();
    }
}

} // namespace

std::filesystem::path cityFilePath(const std::filesystem::path& folder, std::string_view userName)
{
    return folder / (std::string(userName) + std::string(CityFileExtension));
}

std::string cityFileText(const CitySettings& s)
{
    return settingsText([&](SettingsWriter& w) { cityItems(w, s); });
}

std::optional<ReadFault> readCityFileText(std::string content, CitySettings& s)
{
    return readSettingsText(std::move(content), [&](SettingsReader& r) { cityItems(r, s); });
}

bool CityFileExists(const std::filesystem::path& file) { return fileExists(file); }

FileOutcome LoadCityFile(const std::filesystem::path& file, CitySettings& settings)
{
    return loadSettingsFile(file, FileMessageStyle::Settings, [&](SettingsReader& r) { cityItems(r, settings); });
}

FileOutcome SaveCityFile(const std::filesystem::path& file, const CitySettings& settings)
{
    return saveSettingsFile(file, FileMessageStyle::Settings, [&](SettingsWriter& w) { cityItems(w, settings); });
}

} // namespace tallyrin
