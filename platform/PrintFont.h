// The font the prints are laid out for. "Arial" is drawn as Liberation Sans, whose letters are as
// wide as Arial's; a wider fallback pushes the check's date and amount off the form.
#pragma once

#include <optional>
#include <string>

namespace tallyrin {

// Why the prints cannot be laid out as designed (Liberation Sans is not installed), naming the
// package that brings it; nullopt when the font resolves. Needs a running Qt application.
std::optional<std::string> printFontProblem();

// The same, but only the first time it is asked in this process: the program says it once.
std::optional<std::string> printFontProblemOnce();

} // namespace tallyrin
