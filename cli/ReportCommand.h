// The staff list and the quarter's and year's reports from the command line.
#pragma once

#include "cli/CalcCommand.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace tallyrin {

// tallyrin-calc --folder DIR --list [--json]
int runList(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// tallyrin-calc --folder DIR --report q1|q2|q3|q4|year [--json] [--out FILE.csv|FILE.pdf|FILE.xlsx]
// (any other --out name gets the print's text rendering).
int runReport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const PdfWriter& pdf,
              const std::string& today);

} // namespace tallyrin
