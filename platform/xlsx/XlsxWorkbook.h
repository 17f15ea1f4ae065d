// Writes a worksheet description as an .xlsx workbook with libxlsxwriter.
#pragma once

#include "ytd/LedgerWorkbook.h"

#include <filesystem>
#include <string>

namespace tallyrin {

// Writes `sheet` as the one sheet of a new workbook at `path`, replacing an earlier file whole.
// Returns the message to show when the workbook could not be written (the old file stays then);
// empty when it was written.
std::string writeXlsxWorkbook(const Worksheet& sheet, const std::filesystem::path& path);

} // namespace tallyrin
