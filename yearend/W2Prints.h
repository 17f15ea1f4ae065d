// The W-2s on plain paper: a Letter page per employee holding Copy B, Copy C and Copy 2, cut lines
// between, each with the 2009 form's boxes by number and caption; then the W-3 of their totals.
#pragma once

#include "print/PrintSurface.h"
#include "yearend/W2Forms.h"

namespace tallyrin {

void PrintW2s(PrintSurface& out, const YearEnd& yearEnd);

} // namespace tallyrin
