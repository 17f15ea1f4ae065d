#include "cli/CalcCommand.h"

#include <ostream>

namespace tallyrin {

int runCli(const std::vector<std::string>& /*args*/, std::ostream& /*out*/, std::ostream& err)
{
    err << "usage: tallyrin-calc --folder DIR --user NAME --entries A0,A1,A2,A3,A4,A5,A6,A7 [--ot2x] [--fed-jan] "
           "[--json] [--save]\n";
    return 2;
}

} // namespace tallyrin
