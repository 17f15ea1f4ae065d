// Writes a worksheet description as an .xlsx workbook with libxlsxwriter.
#pragma once

#include "text/FileOutcome.h"
#include "ytd/LedgerWorkbook.h"

#include <filesystem>
#include <string>

namespace tallyrin {

// Writes `sheet` as the one sheet of a new workbook at `path`, replacing an earlier file whole, as
// every output is written. Done, or WriteFailed with the message to show (the old file stays then).
FileOutcome writeXlsxWorkbook(const Worksheet& sheet, const std::filesystem::path& path);

} // namespace tallyrin
