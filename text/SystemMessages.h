// The system's own messages that more than one screen shows, each written once here.
#pragma once

namespace tallyrin::messages {

// A box holding text that is not a number.
inline constexpr const char* kNonNumber = "You have entered a NON numerial.";
// "Print Image" when the window could not be printed.
inline constexpr const char* kWindowNotPrinted = "The window could not be printed.";

} // namespace tallyrin::messages
