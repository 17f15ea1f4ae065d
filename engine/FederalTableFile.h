// The federal table file of the tax year ("Federal09.dtt", or "Federal09_jan.dtt" for the tables
// in force before April): 137 items read in order, and the empty tables between calculations.
#pragma once

#include "engine/FederalTables.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallyrin {

inline constexpr std::string_view kFederalFile = "Federal09.dtt";
inline constexpr std::string_view kFederalJanuaryFile = "Federal09_jan.dtt";

struct FederalLoad
{
    FederalTables tables;                  // empty (all zero) unless the whole file was read
    bool opened = false;                   // false: nothing was read, and the caller keeps its tables as they are
    bool complete = false;                 // all 137 items read
    std::vector<std::string> messageLines; // to show with an exclamation icon; empty when all went well

    // The message box text: the lines joined by "\r\n".
    std::string message() const;
};

// Reads the items of a table file's text. On an early end or a non-number the tables come back
// empty and `fault` says where ("item 45 on line 8: ...").
struct FederalRead
{
    FederalTables tables;
    std::optional<std::string> fault;
};
FederalRead readFederalTables(std::string content);

// Opens "<folder>/Federal09.dtt" (or the January file; neither falls back to the other) and
// reads it. `folderText` is how the warning names the working folder to the operator.
// On success the caller takes `tables` and shows `tables.Version` in lbTaxVer; when the file
// opened but is damaged the caller takes the empty tables, shows the message and leaves lbTaxVer;
// when it did not open the caller shows the warning and changes nothing else.
FederalLoad loadFederalTables(const std::filesystem::path& folder, bool januaryFile, std::string_view folderText);

// Zeroes the four bracket tables and both allowance tables (the version text is kept), so that
// the next calculation depends on reading the file again.
void clearFederalTables(FederalTables& tables);

} // namespace tallyrin
