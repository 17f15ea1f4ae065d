// tallyrin-calc: computes one pay period of a saved employee through the workspace and prints
// the result labels.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tallyrin {

// Exit statuses: 0 done, 1 a file could not be read or written, 2 bad arguments.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace tallyrin
