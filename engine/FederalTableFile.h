// The federal table file of the tax year ("Federal09.dtt", or "Federal09_jan.dtt" for the tables
// in force before April): 137 items read in order, and the empty tables between calculations.
#pragma once

#include "engine/FederalTables.h"
#include "text/FileOutcome.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallyrin {

inline constexpr std::string_view kFederalFile = "Federal09.dtt";
inline constexpr std::string_view kFederalJanuaryFile = "Federal09_jan.dtt";

// Reads the items of a table file's text. On an early end or a non-number the tables come back
// empty and `fault` says where ("item 45 on line 8: ...").
struct FederalRead
{
    FederalTables tables;
    std::optional<std::string> fault;
};
FederalRead readFederalTables(std::string content);

// Opens "<folder>/Federal09.dtt" (or the January file; neither falls back to the other) and
// reads it. `folderText` is how the warning names the working folder to the operator; the
// message is shown with an exclamation icon.
// Done: `tables` holds the file's tables; the caller shows `tables.Version` in lbTaxVer.
// Corrupt: `tables` is emptied; the caller shows the message and leaves lbTaxVer.
// Missing (with the warning as its message, for the tables are needed): `tables` is left as it
// was; the caller shows the warning and changes nothing else.
FileOutcome loadFederalTables(const std::filesystem::path& folder, bool januaryFile, std::string_view folderText,
                              FederalTables& tables);

// Zeroes the four bracket tables and both allowance tables (the version text is kept), so that
// the next calculation depends on reading the file again.
void clearFederalTables(FederalTables& tables);

} // namespace tallyrin
