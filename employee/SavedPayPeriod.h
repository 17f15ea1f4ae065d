// A saved pay period: the eight amounts of the pay form's entry boxes, kept in
// "MM_DD_YYYY  <user name>.prv" (the period date with "_" for "/", two spaces, the user name).
#pragma once

#include "text/FileOutcome.h"
#include "text/SettingsFile.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace tallyrin {

using SavedPayPeriod = std::array<float, 8>;
inline constexpr const char* kSavedPeriodExtension = ".prv";

// Eight lines, one amount each, entry boxes 0 to 7 in order.
template <class IO, class Amounts> void savedPeriodItems(IO& io, Amounts& amounts)
{
    for (auto& amount : amounts) {
        io.single(amount);
        io.endRecord();
    }
}

std::string writeSavedPeriod(const SavedPayPeriod& amounts);
// The file: a damaged one (too few items, a non-number, items left over) is reported.
FileOutcome loadSavedPeriod(const std::filesystem::path& file, SavedPayPeriod& amounts);
FileOutcome saveSavedPeriod(const std::filesystem::path& file, const SavedPayPeriod& amounts);

// "12/31/2009" and "Smith" give "12_31_2009  Smith.prv".
std::string savedPeriodFileName(const std::string& weekText, const std::string& user);
// The message to show when the date text holds a character a file name cannot hold (the folder
// separators and the characters other desktops refuse in names); nullopt when it can be used.
std::optional<std::string> refusedPeriodDate(const std::string& weekText);
// The period date a chosen file gives back: its name without the folder, "_" turned into "/" in
// the first eight characters, cut to the date box's 10 characters.
std::string savedPeriodDate(const std::filesystem::path& file);
// The user name in a saved period's file name ("12_31_2009  Smith.prv" gives "Smith"); empty when
// the name is not of that form.
std::string savedPeriodUser(const std::filesystem::path& file);

} // namespace tallyrin
