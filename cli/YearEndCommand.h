// The year's end from the command line: the W-2s and W-3 as a print, and the W-2 file for filing.
#pragma once

#include "cli/CalcCommand.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace tallyrin {

// tallyrin-calc --folder DIR --w2 --out FILE.pdf   (any other --out name gets the text rendering)
// tallyrin-calc --folder DIR --efw2 FILE
// Nothing is written while anything the outputs need is missing or malformed; every such thing is
// named (exit status 1). Warnings are told and the output is still written.
int runYearEnd(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const PdfWriter& pdf);

} // namespace tallyrin
