// What the command line's commands print and write the same way: JSON strings, the system's
// messages as plain lines, and the prints (".pdf" through the PDF writer, any other name as text).
#pragma once

#include "cli/CalcCommand.h"
#include "text/FileMessages.h"

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace tallyrin {

std::string jsonString(const std::string& text);
using messages::plainLines;
// Whether `name` ends with ".pdf" in any case: the prints written as PDF rather than as text.
bool endsWithPdf(const std::string& name);
// Why a written PDF file is not whole (empty, or no end-of-file mark); nullopt when it is.
std::optional<std::string> wholePdf(const std::filesystem::path& file);
// Writes one print; false after telling `err` why it could not.
bool writePrint(const PrintDocument& document, const std::string& path, const PdfWriter& pdf, std::ostream& err);

} // namespace tallyrin
