// tallyrin-calc: computes one pay period of a saved employee through the workspace and prints
// the result labels.
#pragma once

#include "print/PrintSurface.h"

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace tallyrin {

// Exit statuses: 0 done, 1 a file could not be read or written, 2 bad arguments.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Writes a printed document as the PDF the program would print; false with `error` set when it
// could not. The command line's main gives one when it is built with the Qt print adapter.
using PdfWriter = std::function<bool(const PrintDocument& document, const std::string& path, std::string& error)>;
// As above; `--statement`, `--check` and `--ledger-print` write a ".pdf" name through `pdf` and
// any other name as the text rendering of the print.
// `pdfStream`, when given, writes a payday's combined PDFs page by page as the rows are paid.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const PdfWriter& pdf,
           const PageStreamOpener& pdfStream = {});

} // namespace tallyrin
