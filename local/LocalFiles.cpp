#include "local/LocalFiles.h"

#include "text/FileStore.h"
#include "text/SettingsFormat.h"

#include <cstddef>

namespace tallyrin {

namespace {

// Each file's layout, for reading and writing alike.
template <class Settings> struct LocalFileLayout;

template <> struct LocalFileLayout<CitySettings>
{
    // Ten bracket rows, the flag, ten allowance rows.
    template <class IO, class S> static void items(IO& io, S& s)
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
};

template <> struct LocalFileLayout<NonCitySettings>
{
    // Eight rows of four numbers, then the rate.
    template <class IO, class S> static void items(IO& io, S& s)
    {
        for (std::size_t i = 0; i < 8; ++i) {
            io.single(s.NonMinBi[i]), io.single(s.NonExpBi[i]), io.single(s.NonMinWk[i]), io.single(s.NonExpWk[i]);
            io.endRecord();
        }
        io.single(s.NonPer);
        io.endRecord();
    }
};

} // namespace

std::filesystem::path localFilePath(const std::filesystem::path& folder, std::string_view userName,
                                    std::string_view extension)
{
    return folder / (std::string(userName) + std::string(extension));
}

template <class Settings> std::string localFileText(const Settings& s)
{
    return settingsText([&](SettingsWriter& w) { LocalFileLayout<Settings>::items(w, s); });
}

template <class Settings> std::optional<ReadFault> readLocalFileText(std::string content, Settings& s)
{
    return readSettingsText(std::move(content), [&](SettingsReader& r) { LocalFileLayout<Settings>::items(r, s); });
}

template <class Settings> FileOutcome loadLocalFile(const std::filesystem::path& file, Settings& s)
{
    return loadSettingsFile(file, FileMessageStyle::Settings,
                            [&](SettingsReader& r) { LocalFileLayout<Settings>::items(r, s); });
}

template <class Settings> FileOutcome saveLocalFile(const std::filesystem::path& file, const Settings& s)
{
    return saveSettingsFile(file, FileMessageStyle::Settings,
                            [&](SettingsWriter& w) { LocalFileLayout<Settings>::items(w, s); });
}

bool CityFileExists(const std::filesystem::path& file) { return fileExists(file); }
bool NonCityFileExists(const std::filesystem::path& file) { return fileExists(file); }

template std::string localFileText(const CitySettings&);
template std::string localFileText(const NonCitySettings&);
template std::optional<ReadFault> readLocalFileText(std::string, CitySettings&);
template std::optional<ReadFault> readLocalFileText(std::string, NonCitySettings&);
template FileOutcome loadLocalFile(const std::filesystem::path&, CitySettings&);
template FileOutcome loadLocalFile(const std::filesystem::path&, NonCitySettings&);
template FileOutcome saveLocalFile(const std::filesystem::path&, const CitySettings&);
template FileOutcome saveLocalFile(const std::filesystem::path&, const NonCitySettings&);

} // namespace tallyrin
