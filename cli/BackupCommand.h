// Backup and restore of the working folder from the command line.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tallyrin {

// tallyrin-calc --folder DIR --backup FILE.tar.xz
// tallyrin-calc --folder DIR --restore FILE.tar.xz [--yes] [--exact]
// Without --yes a restore shows what it would change and writes nothing (exit 1).
int runBackup(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace tallyrin
