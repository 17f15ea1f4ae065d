// tallyrin-calc --payroll: payday for every employee of an hours sheet, with a summary line per
// employee, the totals of the run and, when asked, the combined statements and checks.
#pragma once

#include "cli/CalcCommand.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace tallyrin {

// Exit statuses: 0 every row paid; 1 a row was not paid, met a fault, or a print could not be
// written; 2 bad arguments, or a sheet that cannot be read or lacks a column (nothing written).
// Combined PDFs go through `pdfStream` page by page when it is given, else whole through `pdf`.
int runPayroll(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const PdfWriter& pdf,
               const PageStreamOpener& pdfStream = {});

} // namespace tallyrin
