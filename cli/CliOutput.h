// What the command line's commands print and write the same way: JSON strings, the system's
// messages as plain lines, and the prints (".pdf" through the PDF writer, any other name as text).
#pragma once

#include "cli/CalcCommand.h"

#include <iosfwd>
#include <string>

namespace tallyrin {

std::string jsonString(const std::string& text);
// The system's CR LF line breaks as plain line breaks.
std::string plainLines(std::string text);
// Writes one print; false after telling `err` why it could not.
bool writePrint(const PrintDocument& document, const std::string& path, const PdfWriter& pdf, std::ostream& err);

} // namespace tallyrin
