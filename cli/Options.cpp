#include "cli/Options.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <initializer_list>

namespace tallyrin {
namespace {

using Forms = std::initializer_list<CliForm>;

struct OptionRow
{
    const char* name;
    const char* value; // the value's name in the usage; null for a switch
    const char* help;
    std::vector<CliForm> forms;
    std::vector<CliForm> required; // forms that need it
    std::string CliOptions::*text = nullptr;
    bool CliOptions::*flag = nullptr;
};

constexpr CliForm kAll[] = {CliForm::Calc,   CliForm::Payroll, CliForm::List,
                            CliForm::Report, CliForm::YearEnd, CliForm::Backup};

// The table, in the order the usage lines and --help give the options.
const std::vector<OptionRow>& table()
{
    using F = CliForm;
    using O = CliOptions;
    static const std::vector<OptionRow> rows{
        {"--folder", "DIR", "the working folder: the federal tables and the employees' files",
         {std::begin(kAll), std::end(kAll)}, {std::begin(kAll), std::end(kAll)}, &O::folder},
        {"--user", "NAME", "the employee (NAME.use in the working folder)", {F::Calc}, {F::Calc}, &O::user},
        {"--entries", "A0,A1,A2,A3,A4,A5,A6,A7",
         "the eight entries of the pay form: regular hours, regular 2 hours, O.T. hours, O.T. 1.5 hours, holiday "
         "hours, vacation hours, adjustment, tips",
         {F::Calc}, {F::Calc}, &O::entries},
        {"--payroll", "HOURS.csv", "payday for every employee of the hours sheet", {F::Payroll}, {F::Payroll},
         &O::payroll},
        {"--list", nullptr, "every employee of the working folder, one line each", {F::List}, {F::List}, nullptr,
         &O::list},
        {"--report", "q1|q2|q3|q4|year",
         "the figures of Form 941 for a quarter (q1 to q4) or of the W-2s and Form 940 for the year, from the "
         "ledgers",
         {F::Report}, {F::Report}, &O::report},
        {"--w2", nullptr, "the W-2s (Copy B, C and 2 on a page per employee) and the W-3, printed to --out FILE",
         {F::YearEnd}, {}, nullptr, &O::w2},
        {"--efw2", "FILE", "the W-2 file for electronic filing with the SSA (tax year 2009)", {F::YearEnd}, {},
         &O::efw2},
        {"--backup", "FILE.tar.xz", "one .tar.xz archive of the working folder's files, with a manifest",
         {F::Backup}, {}, &O::backup},
        {"--restore", "FILE.tar.xz", "put a backup's files back (shows what changes; writes only with --yes)",
         {F::Backup}, {}, &O::restore},
        {"--yes", nullptr, "with --restore: restore without asking", {F::Backup}, {}, nullptr, &O::yes},
        {"--exact", nullptr, "with --restore: also remove files the backup does not hold", {F::Backup}, {}, nullptr,
         &O::exact},
        {"--date", "MM/DD/YYYY", "the period date of rows without one of their own", {F::Payroll}, {}, &O::date},
        {"--ot2x", nullptr, "O.T. at twice the rate (\"(2X)\"); without it \"(1X)\"", {F::Calc}, {}, nullptr,
         &O::ot2x},
        {"--fed-jan", nullptr, "the federal tables before April (\"Fed Tax Prior to April\")",
         {F::Calc, F::Payroll}, {}, nullptr, &O::fedJan},
        {"--paste", nullptr, "paste each period into its row's ledger week", {F::Payroll}, {}, nullptr, &O::paste},
        {"--overwrite", nullptr, "with --paste: replace a week holding another period", {F::Payroll}, {}, nullptr,
         &O::overwrite},
        {"--no-backup", nullptr, "with --paste: no backup of the folder into Backups/ first", {F::Payroll}, {},
         nullptr, &O::noBackup},
        {"--json", nullptr, "the results as JSON", {F::Calc, F::Payroll, F::List, F::Report}, {}, nullptr, &O::json},
        {"--save", nullptr, "save the employee's files as the program does", {F::Calc}, {}, nullptr, &O::save},
        {"--statement", "FILE", "the pay statement (FILE.pdf as a PDF, any other name as text)", {F::Calc}, {},
         &O::statement},
        {"--check", "FILE", "the paycheck with its stubs", {F::Calc}, {}, &O::check},
        {"--ledger-print", "FILE", "the year-to-date ledger print", {F::Calc}, {}, &O::ledgerPrint},
        {"--ledger-xlsx", "FILE", "the year-to-date ledger as a workbook", {F::Calc}, {}, &O::ledgerXlsx},
        {"--statements", "FILE", "every statement of the payday in one print", {F::Payroll}, {}, &O::statements},
        {"--checks", "FILE", "every paycheck of the payday in one print", {F::Payroll}, {}, &O::checks},
        {"--ach", "FILE",
         "the bank's direct-deposit file (ACH, PPD credits) for the employees with a deposit account; they get no "
         "check",
         {F::Payroll}, {}, &O::ach},
        {"--out", "FILE",
         "the report as a CSV file, a PDF or a workbook (.csv, .pdf, .xlsx); the W-2s as a PDF (.pdf) or text",
         {F::Report, F::YearEnd}, {}, &O::out},
    };
    return rows;
}

bool inForm(const std::vector<CliForm>& forms, CliForm form)
{
    return std::find(forms.begin(), forms.end(), form) != forms.end();
}

const OptionRow* rowNamed(const std::string& name)
{
    for (const OptionRow& row : table())
        if (name == row.name)
            return &row;
    return nullptr;
}

// The CLI11 application over the table, reading into `into`.
void addOptions(CLI::App& app, CliOptions& into)
{
    for (const OptionRow& row : table()) {
        CLI::Option* option = row.value ? app.add_option(row.name, into.*row.text, row.help)->type_name(row.value)
                                        : app.add_flag(row.name, into.*row.flag, row.help);
        option->multi_option_policy(CLI::MultiOptionPolicy::TakeLast); // given twice, the last counts
    }
}

} // namespace

bool CliOptions::has(const std::string& name) const
{
    return std::find(given.begin(), given.end(), name) != given.end();
}

CliReading readOptions(const std::vector<std::string>& args, CliForm form)
{
    CliReading reading;
    // Each option with a value is handed to the table as one "--name=value" argument, so that the
    // value is the next argument whatever it starts with (an empty value as the argument after).
    std::vector<std::string> joined;
    std::vector<std::string> given;
    for (size_t i = 0; i < args.size(); ++i) {
        const OptionRow* row = rowNamed(args[i]);
        if (!row || !inForm(row->forms, form)) {
            reading.problem = "unknown argument " + args[i];
            if (row)
                reading.foreign = args[i];
            return reading;
        }
        given.push_back(args[i]);
        if (!row->value) {
            joined.push_back(args[i]);
            continue;
        }
        if (i + 1 >= args.size()) {
            reading.problem = args[i] + " needs a value";
            return reading;
        }
        if (args[i + 1].empty()) {
            joined.push_back(args[i]);
            joined.push_back(args[i + 1]);
        } else {
            joined.push_back(args[i] + "=" + args[i + 1]);
        }
        ++i;
    }
    CliOptions options;
    CLI::App app;
    addOptions(app, options);
    std::vector<std::string> reversed(joined.rbegin(), joined.rend()); // CLI11 takes them from the back
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError& e) {
        reading.problem = e.what();
        return reading;
    }
    // An empty working folder names no folder: it is as good as none.
    for (const OptionRow& row : table())
        if (inForm(row.required, form) && (std::find(given.begin(), given.end(), row.name) == given.end() ||
                                           (row.text == &CliOptions::folder && options.folder.empty()))) {
            reading.problem = std::string(row.name) + " is required";
            return reading;
        }
    options.given = std::move(given);
    reading.options = std::move(options);
    return reading;
}

int badArguments(const std::string& problem, CliForm form, std::ostream& err)
{
    err << "tallyrin-calc: " << problem << '\n' << cliUsage(form);
    return 2;
}

bool workingFolderFound(const std::string& folder, std::ostream& err)
{
    if (std::filesystem::is_directory(folder))
        return true;
    err << "tallyrin-calc: the working folder " << folder << " is not a folder\n";
    return false;
}

bool cliOptionOf(const std::string& name, CliForm form)
{
    const OptionRow* row = rowNamed(name);
    return row && inForm(row->forms, form);
}

namespace {

// "--folder DIR", "[--json]": the form's options as its usage line gives them.
std::vector<std::string> usageItems(CliForm form)
{
    std::vector<std::string> items;
    for (const OptionRow& row : table()) {
        if (!inForm(row.forms, form))
            continue;
        std::string item = row.name;
        if (row.value)
            item += std::string(" ") + row.value;
        items.push_back(inForm(row.required, form) ? item : "[" + item + "]");
    }
    return items;
}

} // namespace

std::string cliUsage(CliForm form)
{
    std::string line = "usage: tallyrin-calc";
    for (const std::string& item : usageItems(form))
        line += " " + item;
    return line + "\n";
}

std::string cliUsage()
{
    // Each form's line, wrapped before 100 columns under the command's name.
    const std::string indent(21, ' ');
    std::string text;
    for (CliForm form : kAll) {
        std::string line = text.empty() ? "usage: tallyrin-calc" : "       tallyrin-calc";
        for (const std::string& item : usageItems(form)) {
            if (line.size() + 1 + item.size() > 100) {
                text += line + "\n";
                line = indent.substr(1);
            }
            line += " " + item;
        }
        text += line + "\n";
    }
    return text + "       tallyrin-calc --folder DIR --fix-permissions\n"
                  "       tallyrin-calc --version | --help\n";
}

std::string cliHelp()
{
    std::string text = cliUsage() + "\nOne pay period of a saved employee, calculated as the program does after "
                                     "opening that employee.\n\n";
    const auto wrapped = [](const std::string& words, size_t width) {
        std::string out, line;
        for (size_t at = 0; at < words.size();) {
            size_t space = words.find(' ', at);
            const std::string word = words.substr(at, space == std::string::npos ? std::string::npos : space - at);
            if (!line.empty() && line.size() + 1 + word.size() > width) {
                out += line + "\n" + std::string(23, ' ');
                line.clear();
            }
            line += (line.empty() ? "" : " ") + word;
            at = space == std::string::npos ? words.size() : space + 1;
        }
        return out + line;
    };
    const auto entry = [&](const std::string& head, const std::string& help) {
        std::string line = "  " + head;
        line += line.size() < 23 ? std::string(23 - line.size(), ' ') : "\n" + std::string(23, ' ');
        text += line + wrapped(help, 76) + "\n";
    };
    for (const OptionRow& row : table())
        entry(std::string(row.name) + (row.value ? std::string(" ") + row.value : ""), row.help);
    entry("--fix-permissions",
          "make the working folder and its files readable by their owner alone (with any form; alone, only that)");
    entry("--version", "the program's version");
    entry("--help", "this text");
    return text + "\nThe hours sheet is a CSV file with a header row naming its columns: user, regular, regular2, ot,\n"
                  "ot15, holiday, vacation, amount, tips, ot2x, and optionally week and date.\n"
                  "\n"
                  "Exit status: 0 done; 1 a file could not be read or written, was damaged, or a row was not paid;\n"
                  "2 bad arguments, a refused user name or an hours sheet that cannot be used.\n";
}

std::optional<CliOptions> readChecked(const std::vector<std::string>& args, CliForm form, std::string& problem,
                                      const std::function<std::string(const CliOptions&)>& check)
{
    CliReading read = readOptions(args, form);
    problem = read.problem;
    if (read.options)
        problem = check(*read.options);
    return problem.empty() ? read.options : std::nullopt;
}

} // namespace tallyrin
