// The employee's profile file family: "<user name>.use" (12 lines), ".and" (9 lines), ".cfe"
// (1 line) and the overtime rows ".ovw" (52 rows, weekly pay) or ".ovb" (26 rows, bi-weekly pay),
// as texts and as files in the working folder.
#pragma once

#include "records/EmployeeProfile.h"
#include "employee/OvertimeTracker.h"
#include "state/StateSettings.h"
#include "text/FileOutcome.h"
#include "text/SettingsFile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tallyrin {

// ---- File texts ----
// Each reader takes the items in the writer's order; on a fault it stops there, the items read
// before it keep their new values, and the fault says where reading stopped.

// Lines 1-2 carry the tracker's figures, lines 3-8 the profile, lines 9-12 its reserved items.
std::string writeUseFile(const EmployeeProfile& profile, const OvertimeTracker& tracker);
std::optional<ReadFault> readUseFile(const std::string& content, EmployeeProfile& profile, OvertimeTracker& tracker);

// Print offsets, name and address, K plan mode, reserved items, and the state items kept here
// (SpouseWorks, CalAllow, RoundState, Utah, Wiscon, Alabama, NC).
std::string writeAndFile(const EmployeeProfile& profile, const StateSettings& state);
std::optional<ReadFault> readAndFile(const std::string& content, EmployeeProfile& profile, StateSettings& state);

// CafeteriaAmt, CafeDeductState, SelfEmployed.
std::string writeCfeFile(const EmployeeProfile& profile);
std::optional<ReadFault> readCfeFile(const std::string& content, EmployeeProfile& profile);

// 52 rows for weekly pay, 26 for bi-weekly; each row is the quoted date text, then the amount
// text as a number (leading-number conversion). Read amounts come back in screen form ("12.5").
int overtimeRowCount(bool weekly);
std::string writeOvertimeRows(const OvertimeTracker& tracker, bool weekly);
std::optional<ReadFault> readOvertimeRows(const std::string& content, OvertimeTracker& tracker, bool weekly);

// ---- Files in the working folder ----

// "<folder>/<user name><extension>"; an empty user name gives the extension alone (".use").
std::filesystem::path profileFilePath(const std::filesystem::path& folder, const std::string& user,
                                      const std::string& extension);

// Each file of the family alone. A file that is there but cannot be opened, or that stops reading
// early, is reported with the line where reading stopped; the items read before keep their values.
FileOutcome loadUseFile(const std::filesystem::path& file, EmployeeProfile& profile, OvertimeTracker& tracker);
FileOutcome loadAndFile(const std::filesystem::path& file, EmployeeProfile& profile, StateSettings& state);
FileOutcome loadCfeFile(const std::filesystem::path& file, EmployeeProfile& profile);
FileOutcome loadOvertimeFile(const std::filesystem::path& file, OvertimeTracker& tracker, bool weekly);
FileOutcome saveUseFile(const std::filesystem::path& file, const EmployeeProfile& profile,
                        const OvertimeTracker& tracker);
FileOutcome saveAndFile(const std::filesystem::path& file, const EmployeeProfile& profile, const StateSettings& state);
FileOutcome saveCfeFile(const std::filesystem::path& file, const EmployeeProfile& profile);
FileOutcome saveOvertimeFile(const std::filesystem::path& file, const OvertimeTracker& tracker, bool weekly);
// ".ovw" for weekly pay, ".ovb" for bi-weekly.
std::string overtimeExtension(bool weekly);

// What the overtime form's save does before writing: empty amount texts of the active rows become
// "0", Weekly is chosen when neither frequency is set and the percent K plan when neither mode is.
void prepareProfileSave(EmployeeProfile& profile, OvertimeTracker& tracker);

// Reads .use, .and, .cfe, then .ovw (Weekly) or .ovb, one outcome each. A missing file is skipped
// silently and leaves memory as it was. A malformed file is read up to its fault; the other files
// of the family are still read, so that as much as possible of this employee (and as little as
// possible of the one open before) is in memory.
std::vector<FileOutcome> loadProfileFamily(const std::filesystem::path& folder, const std::string& user,
                                           EmployeeProfile& profile, OvertimeTracker& tracker, StateSettings& state);

// The overtime form's save: prepareProfileSave, then .use, .and, .cfe and the rows file, each
// replaced whole. Stops at the first file that cannot be written and returns its outcome.
FileOutcome saveProfileFamily(const std::filesystem::path& folder, const std::string& user, EmployeeProfile& profile,
                              OvertimeTracker& tracker, const StateSettings& state);

} // namespace tallyrin
