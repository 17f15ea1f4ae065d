// The two local tax files, read and written by one implementation; each settings record names its
// extension and its layout (LocalFileLayout), and the City and NonCity names are that
// implementation for each.
//   "<user name>.cti": ten bracket rows of six numbers (Single minimum, amount, rate, then
//     Married), the "NO LOCAL TAX" flag, then ten allowance rows (Single, Married); 21 lines.
//   "<user name>.nci": eight rows of four numbers (bi-weekly minimum and exclusion, weekly minimum
//     and exclusion), then the rate; 9 lines.
// Every line ends with CR LF.
#pragma once

#include "local/CitySettings.h"
#include "local/NonCitySettings.h"
#include "text/FileOutcome.h"
#include "text/SettingsFile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tallyrin {

inline constexpr std::string_view CityFileExtension = ".cti";
inline constexpr std::string_view NonCityFileExtension = ".nci";

// "<folder>/<user name><extension>"
std::filesystem::path localFilePath(const std::filesystem::path& folder, std::string_view userName,
                                    std::string_view extension);
// The whole file text.
template <class Settings> std::string localFileText(const Settings& settings);
// Reads the items in file order into `settings`. On a fault the items read before it keep their
// new values and the rest are left as they were.
template <class Settings> std::optional<ReadFault> readLocalFileText(std::string content, Settings& settings);
// Missing: nothing read. Failed: the corrupt-file message naming the file; the values read
// before the fault stay in `settings`.
template <class Settings> FileOutcome loadLocalFile(const std::filesystem::path& file, Settings& settings);
// Replaces the file whole (the old file stays untouched when writing fails).
template <class Settings> FileOutcome saveLocalFile(const std::filesystem::path& file, const Settings& settings);

// True when the file can be opened for reading.
bool CityFileExists(const std::filesystem::path& file);
bool NonCityFileExists(const std::filesystem::path& file);

inline std::filesystem::path cityFilePath(const std::filesystem::path& folder, std::string_view userName)
{
    return localFilePath(folder, userName, CityFileExtension);
}
inline std::filesystem::path nonCityFilePath(const std::filesystem::path& folder, std::string_view userName)
{
    return localFilePath(folder, userName, NonCityFileExtension);
}
inline std::string cityFileText(const CitySettings& s) { return localFileText(s); }
inline std::string nonCityFileText(const NonCitySettings& s) { return localFileText(s); }
inline auto readCityFileText(std::string c, CitySettings& s) { return readLocalFileText(std::move(c), s); }
inline auto readNonCityFileText(std::string c, NonCitySettings& s) { return readLocalFileText(std::move(c), s); }
inline FileOutcome LoadCityFile(const std::filesystem::path& f, CitySettings& s) { return loadLocalFile(f, s); }
inline FileOutcome LoadNonCityFile(const std::filesystem::path& f, NonCitySettings& s) { return loadLocalFile(f, s); }
inline FileOutcome SaveCityFile(const std::filesystem::path& f, const CitySettings& s) { return saveLocalFile(f, s); }
inline FileOutcome SaveNonCityFile(const std::filesystem::path& f, const NonCitySettings& s)
{
    return saveLocalFile(f, s);
}

} // namespace tallyrin
