// The employee's three leave accounts (vacation, holiday/personal, sick): start balances, 20
// entries of days taken with their dates, running balances, and their file "<user name>.hol".
#pragma once

#include "text/SettingsFile.h"

#include <array>
#include <filesystem>
#include "text/FileOutcome.h"

#include <optional>
#include <string>

namespace tallyrin {

inline constexpr int kLeaveEntries = 20;

struct LeaveBalances
{
    float VacStart = 0;
    float VacBalance = 0;
    std::array<float, kLeaveEntries> VacTaken{};
    std::array<std::string, kLeaveEntries> VacDates{};
    float HolStart = 0;
    float HolBalance = 0;
    std::array<float, kLeaveEntries> HolTaken{};
    std::array<std::string, kLeaveEntries> HolDates{};
    float SickStart = 0;
    float SickBalance = 0;
    std::array<float, kLeaveEntries> SickTaken{};
    std::array<std::string, kLeaveEntries> SickDates{};

    friend bool operator==(const LeaveBalances&, const LeaveBalances&) = default;
};

// The ".hol" layout, 41 lines: the three balances with their start balances; 20 lines of days
// taken (vacation, holiday, sick); 20 lines of their dates. One list of items for both directions.
template <class IO, class Leave> void leaveItems(IO& io, Leave& l)
{
    io.single(l.VacBalance), io.single(l.VacStart), io.single(l.HolBalance), io.single(l.HolStart);
    io.single(l.SickBalance), io.single(l.SickStart);
    io.endRecord();
    for (size_t i = 0; i < kLeaveEntries; ++i) {
        io.single(l.VacTaken[i]), io.single(l.HolTaken[i]), io.single(l.SickTaken[i]);
        io.endRecord();
    }
    for (size_t i = 0; i < kLeaveEntries; ++i) {
        io.text(l.VacDates[i]), io.text(l.HolDates[i]), io.text(l.SickDates[i]);
        io.endRecord();
    }
}

std::string writeLeaveFile(const LeaveBalances& leave);
// A fault (too few items, a number item that is not a number, items left over) stops the reading
// there; the items read before it keep their new values.
std::optional<ReadFault> readLeaveFile(const std::string& content, LeaveBalances& leave);

// Running balance of one account: the start balance less the days taken, summed in single
// precision. Taken texts are read by leading-number conversion (empty or non-numeric counts 0).
float leaveBalance(const std::string& startText, const std::array<std::string, kLeaveEntries>& takenTexts);

// GetVac's file half: a missing file reads nothing and is no fault.
FileOutcome loadLeaveFile(const std::filesystem::path& path, LeaveBalances& leave);
// Replaces the file whole; a failed write leaves the old file untouched.
FileOutcome saveLeaveFile(const std::filesystem::path& path, const LeaveBalances& leave);

} // namespace tallyrin
