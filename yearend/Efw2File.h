// The W-2 file for electronic filing with the SSA, tax year 2009: a submitter record (RA), the
// employer (RE), for each employee a wage record (RW) and, where state tax was withheld, a state
// record (RS) after it, the totals (RT) and the final record (RF). Every record is 512 characters
// and ends with CR LF; text is upper case, left-justified and blank-filled; money is in cents,
// right-justified and zero-filled, without point or sign.
#pragma once

#include "yearend/W2Forms.h"

#include <string>

namespace tallyrin {

inline constexpr size_t kEfw2RecordLength = 512;

// The whole file. The year's end must be free of problems and filing problems.
std::string efw2File(const YearEnd& yearEnd);

// The two-digit state code of a postal abbreviation ("01" for AL); "" when it is none.
std::string stateNumericCode(const std::string& postal);

} // namespace tallyrin
