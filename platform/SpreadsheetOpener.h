// Opens a written workbook in the desktop's spreadsheet program.
#pragma once

#include <filesystem>

namespace tallyrin {

// False when the desktop has no program for workbooks (the file is then only saved) or the
// program could not be started.
bool openInSpreadsheet(const std::filesystem::path& workbook);

} // namespace tallyrin
