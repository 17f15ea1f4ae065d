// The city settings file "<user name>.cti": ten bracket rows of six numbers (Single minimum,
// amount, rate, then Married), the "NO LOCAL TAX" flag, then ten allowance rows (Single, Married).
#pragma once

#include "local/CitySettings.h"
#include "text/FileOutcome.h"
#include "text/SettingsFile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tallyrin {

inline constexpr std::string_view CityFileExtension = ".cti";

// "<folder>/<user name>.cti"
std::filesystem::path cityFilePath(const std::filesystem::path& folder, std::string_view userName);

// The whole file text, 21 lines each ended by CR LF.
std::string cityFileText(const CitySettings& settings);
// Reads the items in file order into `settings`. On a fault the items read before it keep their
// new values and the rest are left as they were.
std::optional<ReadFault> readCityFileText(std::string content, CitySettings& settings);

// True when the file can be opened for reading.
bool CityFileExists(const std::filesystem::path& file);
// Missing: nothing read. Failed: the corrupt-file message naming the file; the values read
// before the fault stay in `settings`.
FileOutcome LoadCityFile(const std::filesystem::path& file, CitySettings& settings);
// Replaces the file whole (the old file stays untouched when writing fails).
FileOutcome SaveCityFile(const std::filesystem::path& file, const CitySettings& settings);

} // namespace tallyrin
