#include "employee/EmployeeFiles.h"

namespace tallyrin {

std::optional<std::string> refusedUserName(const std::string& name)
{
    // The longest file of an employee is a saved pay period's temporary twin,
    // ".MM_DD_YYYY  <name>.prv.tmp": 21 characters more than the name, within the 255 a folder
    // entry holds.
    const bool bad = name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos ||
                     name.find('\0') != std::string::npos || name.size() > kLongestUserName;
    if (!bad)
        return std::nullopt;
    return "The name \"" + name +
           "\" cannot be used for an employee.\r\n"
           "A name may not be empty, may not hold \"/\", may not be \".\" or \"..\" and may not be longer than " +
           std::to_string(kLongestUserName) + " characters.";
}

} // namespace tallyrin
