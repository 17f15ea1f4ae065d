// The state settings file "<user name>.sta": 23 lines holding the tables, the allowance columns,
// SDI/SUI, the adjustment, most built-in state flags and five values of the employee profile.
// The default state file is the same format under the bare name ".sta".
#pragma once

#include "records/EmployeeProfile.h"
#include "state/StateSettings.h"
#include "text/FileOutcome.h"
#include "text/SettingsFile.h"

#include <filesystem>
#include <optional>
#include <string>

namespace tallyrin {

// The whole text of the file, CR LF after each of its 23 lines.
std::string writeStateSettings(const StateSettings& state, const EmployeeProfile& profile);

// Reads the items in file order. On a fault reading stops there: items read before it keep their
// new values, the rest keep their old ones, and the fault is returned.
std::optional<ReadFault> readStateSettings(const std::string& content, StateSettings& state, EmployeeProfile& profile);

// "<folder>/<user name>.sta"; an empty user name names the default file.
std::filesystem::path stateFilePath(const std::filesystem::path& folder, const std::string& userName);
bool stateFileExists(const std::filesystem::path& folder, const std::string& userName);

// Load state settings: a missing file reads nothing; a corrupt one gives the four-line message
// naming the file.
FileOutcome loadStateFile(const std::filesystem::path& folder, const std::string& userName, StateSettings& state,
                          EmployeeProfile& profile);

// Save state settings, replacing any existing file whole. On failure the message to show
// ("Check your numbers" / "No blanks" / "Only numbers"); the old file is left as it was.
FileOutcome saveStateFile(const std::filesystem::path& folder, const std::string& userName,
                          const StateSettings& state, const EmployeeProfile& profile);

} // namespace tallyrin
