// The hours sheet of a payday run: a CSV file with a header row naming its columns, one row per
// employee to pay (the user name, the eight entries of the pay form, the O.T. multiplier and,
// optionally, the ledger week to paste into and the period date).
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace tallyrin {

// The columns every sheet must have, in the order of the pay form's entry fields after the user.
inline constexpr std::array<const char*, 10> kHoursColumns{
    "user", "regular", "regular2", "ot", "ot15", "holiday", "vacation", "amount", "tips", "ot2x"};
// The columns a sheet may have.
inline constexpr std::array<const char*, 2> kOptionalHoursColumns{"week", "date"};

struct HoursRow
{
    int line = 0; // the sheet line the row starts on (the header is line 1)
    std::string user;
    std::array<std::string, 8> entries; // txtAmount 0..7 as written in the sheet
    std::string ot2x;
    std::string week; // empty when the sheet has no week column or the cell is empty
    std::string date;
    // Set when the row itself cannot be used (a wrong number of fields); the run reports it and
    // goes on with the others.
    std::string fault;
};

struct HoursSheet
{
    bool hasWeek = false;
    bool hasDate = false;
    std::vector<HoursRow> rows;
};

struct HoursSheetReading
{
    std::optional<HoursSheet> sheet; // empty when the sheet cannot be used at all
    std::string problem;             // why, naming the line
};

// A sheet of a few thousand employees is some hundred kilobytes; a larger file is not read.
inline constexpr std::uintmax_t kLargestHoursSheet = 10 * 1024 * 1024;

// Reads the whole sheet. Fields are separated by commas; a field in double quotes may hold
// commas, line breaks and doubled quotes; spaces around a field are dropped; lines ending in CR LF
// and blank lines are accepted. A missing, empty, unknown or repeated column name, a quote left
// open at the end, a user name holding a control character or an employee named on two lines
// makes the whole sheet unusable.
HoursSheetReading readHoursSheet(std::istream& in);
HoursSheetReading readHoursSheetText(const std::string& text);
// Reads the sheet file under the rules of the employee's files: a regular file of at most
// kLargestHoursSheet, opened without blocking, a byte-order mark skipped, a file that is not UTF-8
// read as Windows-1252.
HoursSheetReading readHoursSheetFile(const std::filesystem::path& path);

} // namespace tallyrin
