// The command line's one table of options, held by CLI11. Every form of the command reads its
// arguments through it, and the usage lines and --help are made from it. An option's value is
// always the argument after it, whatever it looks like ("--entries -8,,,,,,,").
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace tallyrin {

// The forms of the command, as the usage lines list them.
enum class CliForm
{
    Calc,
    Payroll,
    List,
    Report,
    YearEnd,
    Backup,
};

struct CliOptions
{
    std::string folder, user, entries, statement, check, ledgerPrint, ledgerXlsx;
    std::string payroll, date, statements, checks, ach;
    std::string report, out, efw2, backup, restore;
    bool ot2x = false, fedJan = false, json = false, save = false;
    bool paste = false, overwrite = false, noBackup = false;
    bool list = false, w2 = false, yes = false, exact = false;
    std::vector<std::string> given; // the options given, in order
    bool has(const std::string& name) const;
};

struct CliReading
{
    std::optional<CliOptions> options; // none when the arguments could not be read
    std::string problem;               // "unknown argument X", "X needs a value", "--folder is required"
    std::string foreign;               // an option of the table that is not of this form, when that was the problem
};

// Reads the arguments of `form`. --folder is required of every form.
CliReading readOptions(const std::vector<std::string>& args, CliForm form);

// Reads the arguments of `form`, then holds them to the form's own rule: `check` gives what is
// wrong, "" when nothing. nullopt, with the problem, when they cannot be used.
std::optional<CliOptions> readChecked(const std::vector<std::string>& args, CliForm form, std::string& problem,
                                      const std::function<std::string(const CliOptions&)>& check);

// Arguments that cannot be used: the problem and the form's usage told on `err`; exit status 2.
int badArguments(const std::string& problem, CliForm form, std::ostream& err);
// Whether the working folder named is a folder; when not, it is said on `err`.
bool workingFolderFound(const std::string& folder, std::ostream& err);

// Whether `name` is an option of `form`.
bool cliOptionOf(const std::string& name, CliForm form);

// "usage: tallyrin-calc --folder DIR ...", one line a form (the form's own, or all of them).
std::string cliUsage(CliForm form);
std::string cliUsage();
// The whole --help text.
std::string cliHelp();

} // namespace tallyrin
