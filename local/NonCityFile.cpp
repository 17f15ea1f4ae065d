#include "local/NonCityFile.h"

#include "text/FileStore.h"
#include "text/SettingsFormat.h"

#include <cstddef>

namespace tallyrin {

namespace {

// The layout, for reading and writing alike: eight rows of four numbers, then the rate.
template <class IO, class Settings> void nonCityItems(IO& io, Settings& s)
{
    for (std::size_t i = 0; i < 8; ++i) {
        io.single(s.NonMinBi[i]), io.single(s.NonExpBi[i]), io.single(s.NonMinWk[i]), io.single(s.NonExpWk[i]);
        io.endRecord();
    }
    io.single(s.NonPer);
    io.endRecord();
}

} // namespace

std::filesystem::path nonCityFilePath(const std::filesystem::path& folder, std::string_view userName)
{
    return folder / (std::string(userName) + std::string(NonCityFileExtension));
}

std::string nonCityFileText(const NonCitySettings& s)
{
    return settingsText([&](SettingsWriter& w) { nonCityItems(w, s); });
}

std::optional<ReadFault> readNonCityFileText(std::string content, NonCitySettings& s)
{
    return readSettingsText(std::move(content), [&](SettingsReader& r) { nonCityItems(r, s); });
}

bool NonCityFileExists(const std::filesystem::path& file) { return fileExists(file); }

FileOutcome LoadNonCityFile(const std::filesystem::path& file, NonCitySettings& settings)
{
    return loadSettingsFile(file, FileMessageStyle::Settings, [&](SettingsReader& r) { nonCityItems(r, settings); });
}

FileOutcome SaveNonCityFile(const std::filesystem::path& file, const NonCitySettings& settings)
{
    return saveSettingsFile(file, FileMessageStyle::Settings, [&](SettingsWriter& w) { nonCityItems(w, settings); });
}

} // namespace tallyrin
