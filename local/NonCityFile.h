// The non-city resident file "<user name>.nci": eight rows of four numbers (bi-weekly minimum and
// exclusion, weekly minimum and exclusion), then the rate.
#pragma once

#include "local/NonCitySettings.h"
#include "text/FileOutcome.h"
#include "text/SettingsFile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tallyrin {

inline constexpr std::string_view NonCityFileExtension = ".nci";

// "<folder>/<user name>.nci"
std::filesystem::path nonCityFilePath(const std::filesystem::path& folder, std::string_view userName);

// The whole file text, 9 lines each ended by CR LF.
std::string nonCityFileText(const NonCitySettings& settings);
// Reads the items in file order into `settings`; on a fault the items read before it keep their
// new values and the rest are left as they were.
std::optional<ReadFault> readNonCityFileText(std::string content, NonCitySettings& settings);

// True when the file can be opened for reading.
bool NonCityFileExists(const std::filesystem::path& file);
// Missing: nothing read. Failed: the corrupt-file message naming the file; the values read
// before the fault stay in `settings`.
FileOutcome LoadNonCityFile(const std::filesystem::path& file, NonCitySettings& settings);
// Replaces the file whole (the old file stays untouched when writing fails).
FileOutcome SaveNonCityFile(const std::filesystem::path& file, const NonCitySettings& settings);

} // namespace tallyrin
