#include "cli/CalcCommand.h"

#include "text/Operator.h"
#include "app/PaydayRun.h"
#include "app/WorkingFolder.h"
#include "session/Workspace.h"
#include "cli/BackupCommand.h"
#include "cli/CliOutput.h"
#include "cli/PayrollCommand.h"
#include "cli/ReportCommand.h"
#include "cli/YearEndCommand.h"
#include "platform/xlsx/XlsxWorkbook.h"
#include "ytd/LedgerWorkbook.h"
#include "text/FileStore.h"
#include "text/FolderLock.h"

#include "TallyrinVersion.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <ostream>
#include <utility>

namespace tallyrin {
namespace {

constexpr const char* kUsage = "usage: tallyrin-calc --folder DIR --user NAME --entries A0,A1,A2,A3,A4,A5,A6,A7 "
                               "[--ot2x] [--fed-jan] [--json] [--save] [--statement FILE] [--check FILE] "
                               "[--ledger-print FILE] [--ledger-xlsx FILE]\n";

constexpr const char* kHelp =
    "usage: tallyrin-calc --folder DIR --user NAME --entries A0,A1,A2,A3,A4,A5,A6,A7 [--ot2x] [--fed-jan]\n"
    "                     [--json] [--save] [--statement FILE] [--check FILE] [--ledger-print FILE]\n"
    "                     [--ledger-xlsx FILE]\n"
    "       tallyrin-calc --folder DIR --payroll HOURS.csv [--date MM/DD/YYYY] [--fed-jan]\n"
    "                     [--paste [--overwrite]] [--no-backup] [--statements FILE] [--checks FILE] [--json]\n"
    "       tallyrin-calc --folder DIR --list [--json]\n"
    "       tallyrin-calc --folder DIR --report q1|q2|q3|q4|year [--json] [--out FILE.csv|FILE.pdf|FILE.xlsx]\n"
    "       tallyrin-calc --folder DIR --w2 --out FILE.pdf\n"
    "       tallyrin-calc --folder DIR --efw2 FILE\n"
    "       tallyrin-calc --folder DIR --backup FILE.tar.xz\n"
    "       tallyrin-calc --folder DIR --restore FILE.tar.xz [--yes] [--exact]\n"
    "       tallyrin-calc --folder DIR --fix-permissions\n"
    "       tallyrin-calc --version | --help\n"
    "\n"
    "One pay period of a saved employee, calculated as the program does after opening that employee.\n"
    "\n"
    "  --folder DIR         the working folder: the federal tables and the employees' files\n"
    "  --user NAME          the employee (NAME.use in the working folder)\n"
    "  --entries A0,...,A7  the eight entries of the pay form: regular hours, regular 2 hours, O.T.\n"
    "                       hours, O.T. 1.5 hours, holiday hours, vacation hours, adjustment, tips\n"
    "  --ot2x               O.T. at twice the rate (\"(2X)\"); without it \"(1X)\"\n"
    "  --fed-jan            the federal tables before April (\"Fed Tax Prior to April\")\n"
    "  --json               the result labels as one JSON object\n"
    "  --save               save the employee's files as the program does\n"
    "  --statement FILE     the pay statement (FILE.pdf as a PDF, any other name as text)\n"
    "  --check FILE         the paycheck with its stubs\n"
    "  --ledger-print FILE  the year-to-date ledger print\n"
    "  --ledger-xlsx FILE   the year-to-date ledger as a workbook\n"
    "  --payroll HOURS.csv  payday for every employee of the hours sheet\n"
    "  --date MM/DD/YYYY    the period date of rows without one of their own\n"
    "  --paste              paste each period into its row's ledger week\n"
    "  --overwrite          with --paste: replace a week holding another period\n"
    "  --no-backup          with --paste: no backup of the folder into Backups/ first\n"
    "  --statements FILE    every statement of the payday in one print\n"
    "  --checks FILE        every paycheck of the payday in one print\n"
    "  --list               every employee of the working folder, one line each\n"
    "  --report PERIOD      the figures of Form 941 for a quarter (q1 to q4) or of the W-2s and Form\n"
    "                       940 for the year, from the ledgers\n"
    "  --out FILE           the report as a CSV file, a PDF or a workbook (.csv, .pdf, .xlsx)\n"
    "  --w2                 the W-2s (Copy B, C and 2 on a page per employee) and the W-3, printed\n"
    "                       to --out FILE\n"
    "  --efw2 FILE          the W-2 file for electronic filing with the SSA (tax year 2009)\n"
    "  --backup FILE        one .tar.xz archive of the working folder's files, with a manifest\n"
    "  --restore FILE       put a backup's files back (shows what changes; writes only with --yes)\n"
    "  --yes                with --restore: restore without asking\n"
    "  --exact              with --restore: also remove files the backup does not hold\n"
    "  --fix-permissions    make the working folder and its files readable by their owner alone\n"
    "                       (with any form; alone, only that)\n"
    "  --version            the program's version\n"
    "  --help               this text\n"
    "\n"
    "The hours sheet is a CSV file with a header row naming its columns: user, regular, regular2, ot,\n"
    "ot15, holiday, vacation, amount, tips, ot2x, and optionally week and date.\n"
    "\n"
    "Exit status: 0 done; 1 a file could not be read or written, was damaged, or a row was not paid;\n"
    "2 bad arguments, a refused user name or an hours sheet that cannot be used.\n";

// Messages the application would show go to standard error; there is nobody to answer questions,
// so every question is answered No and every chooser is cancelled.
class StderrOperator : public Operator
{
public:
    explicit StderrOperator(std::ostream& err)
        : m_err(err)
    {
    }
    void message(const std::string& text, Icon, const std::string&) override
    {
        m_err << plainLines(text) << '\n';
        ++shown;
    }
    bool askYesNo(const std::string&, const std::string&) override { return false; }
    std::optional<std::string> inputText(const std::string&, const std::string&) override { return std::nullopt; }
    std::optional<std::string> chooseOpenFile(const std::string&) override { return std::nullopt; }
    bool choosePrinter(const std::string&) override { return false; }

    int shown = 0;

private:
    std::ostream& m_err;
};

struct Arguments
{
    std::string folder;
    std::string user;
    std::vector<std::string> entries;
    bool ot2x = false, fedJan = false, json = false, save = false;
    bool userGiven = false;
    // The prints of the period: ".pdf" names get the PDF, others the text rendering.
    std::string statement, check, ledgerPrint;
    std::string ledgerXlsx; // the ledger workbook to write, when given
};

std::vector<std::string> splitEntries(const std::string& text)
{
    std::vector<std::string> items;
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(',', start);
        items.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos)
            return items;
        start = comma + 1;
    }
}

std::optional<Arguments> parse(const std::vector<std::string>& args, std::string& problem)
{
    Arguments a;
    bool entriesGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto value = [&](std::string& into) { return optionValue(args, i, into, problem); };
        if (arg == "--folder") {
            if (!value(a.folder))
                return std::nullopt;
        } else if (arg == "--user") {
            if (!value(a.user))
                return std::nullopt;
            a.userGiven = true;
        } else if (arg == "--entries") {
            std::string list;
            if (!value(list))
                return std::nullopt;
            a.entries = splitEntries(list);
            entriesGiven = true;
        } else if (arg == "--ot2x") {
            a.ot2x = true;
        } else if (arg == "--fed-jan") {
            a.fedJan = true;
        } else if (arg == "--json") {
            a.json = true;
        } else if (arg == "--save") {
            a.save = true;
        } else if (arg == "--statement" || arg == "--check" || arg == "--ledger-print") {
            std::string& into = arg == "--statement" ? a.statement : arg == "--check" ? a.check : a.ledgerPrint;
            if (!value(into))
                return std::nullopt;
        } else if (arg == "--ledger-xlsx") {
            if (!value(a.ledgerXlsx))
                return std::nullopt;
        } else {
            problem = "unknown argument " + arg;
            return std::nullopt;
        }
    }
    if (a.folder.empty()) {
        problem = "--folder is required";
        return std::nullopt;
    }
    if (!a.userGiven) {
        problem = "--user is required";
        return std::nullopt;
    }
    if (!entriesGiven || a.entries.size() != 8) {
        problem = "--entries needs exactly eight items separated by commas";
        return std::nullopt;
    }
    return a;
}

// The prints asked for, after the calculation, as the application prints them.
bool writePrints(const Arguments& a, Workspace& ws, const PdfWriter& pdf, std::ostream& err)
{
    bool ok = true;
    if (!a.statement.empty())
        ok = writePrint(ws.statementDocument(), a.statement, pdf, err) && ok;
    if (!a.check.empty()) {
        // The check form composed on opening, the offsets as the employee has them stored.
        ws.frmChecks_Load();
        ws.dlgPrintSet_Load();
        ok = writePrint(ws.checkDocument(), a.check, pdf, err) && ok;
    }
    if (!a.ledgerPrint.empty()) {
        ws.note(ws.ledger.readLedger(ws.workingFolder(), ws.userName()));
        ws.note(LoadHeader(ws.workingFolder(), ws.header));
        ok = writePrint(ws.ledgerDocument(), a.ledgerPrint, pdf, err) && ok;
    }
    return ok;
}

// The ledger as its frame shows it on opening, written as the workbook of "&Excel".
bool writeLedgerWorkbook(Workspace& ws, Operator& op, const std::filesystem::path& file)
{
    for (const std::string& message :
         ws.ledger.openForFrame(ws.workingFolder(), ws.userName(), ws.profile.biWeekly(), ws.profile.DeductLabel))
        op.message(message);
    const Worksheet sheet = ledgerWorksheet(ws.ledger, ws.ledger.deductionLabels, ws.userName(), ws.profile.EmpSsn);
    const FileOutcome written = writeXlsxWorkbook(sheet, file);
    if (written.failed())
        op.message(written.message(), Icon::Exclamation);
    return !written.failed();
}

} // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    return runCli(args, out, err, PdfWriter{});
}

int runCli(const std::vector<std::string>& givenArgs, std::ostream& out, std::ostream& err, const PdfWriter& pdf,
           const PageStreamOpener& pdfStream)
{
    // --fix-permissions goes with any form: the payroll folder and its files are made the owner's
    // alone first. Without it, a folder others can open is named once.
    std::vector<std::string> args;
    bool fixPermissions = false;
    for (const std::string& arg : givenArgs) {
        if (arg == "--fix-permissions")
            fixPermissions = true;
        else
            args.push_back(arg);
    }
    if (const auto at = std::find(args.begin(), args.end(), "--folder"); at != args.end() && at + 1 != args.end()) {
        const std::filesystem::path folder(*(at + 1));
        if (fixPermissions) {
            if (const std::string problems = tightenPermissions(folder); !problems.empty()) {
                err << "tallyrin-calc: these could not be made yours alone:\n" << problems;
                return 1;
            }
            if (args.size() == 2) {
                out << "The payroll folder " << folder.string() << " and its files are yours alone.\n";
                return 0;
            }
        } else if (folderOpenToOthers(folder)) {
            err << "tallyrin-calc: note: other users of this computer can open the payroll folder " << folder.string()
                << "; tallyrin-calc --folder " << folder.string() << " --fix-permissions makes it and its files yours alone\n";
        }
    } else if (fixPermissions) {
        err << "tallyrin-calc: --fix-permissions needs --folder DIR\n" << kUsage;
        return 2;
    }

    if (args.size() == 1 && args[0] == "--version") {
        out << "tallyrin-calc (Tallyrin 2009) " << TALLYRIN_VERSION << '\n';
        return 0;
    }
    if (args.size() == 1 && args[0] == "--help") {
        out << kHelp;
        return 0;
    }
    // No output of any form replaces a file the program keeps in the working folder.
    std::filesystem::path guarded;
    if (const auto at = std::find(args.begin(), args.end(), "--folder"); at != args.end() && at + 1 != args.end())
        guarded = *(at + 1);
    const OutputGuardScope outputGuard([guarded](const std::filesystem::path& target) -> std::optional<std::string> {
        if (guarded.empty())
            return std::nullopt;
        return programFileRefused(guarded, target);
    });
    if (std::find(args.begin(), args.end(), "--backup") != args.end() ||
        std::find(args.begin(), args.end(), "--restore") != args.end())
        return runBackup(args, out, err);
    if (std::find(args.begin(), args.end(), "--payroll") != args.end())
        return runPayroll(args, out, err, pdf, pdfStream);
    if (std::find(args.begin(), args.end(), "--list") != args.end())
        return runList(args, out, err);
    if (std::find(args.begin(), args.end(), "--w2") != args.end() ||
        std::find(args.begin(), args.end(), "--efw2") != args.end())
        return runYearEnd(args, out, err, pdf);
    if (std::find(args.begin(), args.end(), "--report") != args.end()) {
        const CalendarDate d = systemToday();
        return runReport(args, out, err, pdf, shortDateText(d.year, d.month, d.day));
    }
    std::string problem;
    const auto a = parse(args, problem);
    if (!a) {
        err << "tallyrin-calc: " << problem << '\n' << kUsage;
        return 2;
    }
    // The user name names files in the working folder only, as New and the save screen demand.
    if (const auto refused = refusedUserName(a->user)) {
        err << "tallyrin-calc: " << plainLines(*refused) << '\n';
        return 2;
    }
    const std::filesystem::path folder(a->folder);
    const std::filesystem::path useFile = folder / (a->user + ".use");
    if (!fileExists(useFile)) {
        err << "tallyrin-calc: the employee file " << useFile.string() << " cannot be opened\n";
        return 1;
    }

    // A run that saves holds the working folder for its whole save, as a payday run does.
    std::optional<FolderLock> lock;
    if (a->save) {
        std::string busy;
        if (!(lock = FolderLock::acquire(folder, &busy))) {
            err << "tallyrin-calc: " << busy << "\nNothing was saved.\n";
            return 1;
        }
    }
    StderrOperator op(err);
    Workspace ws(op, folder);
    ws.savesAfterFault = false; // a run that met a damaged file saves nothing
    ws.form1.ckFedJan = a->fedJan;
    ws.startUp();
    ws.openEmployee(useFile);
    std::copy(a->entries.begin(), a->entries.end(), ws.form1.txtAmount.begin());
    ws.form1.opt1x = !a->ot2x;
    ws.Calcu_late(a->save);
    bool written = true;
    if (!a->ledgerXlsx.empty())
        written = writeLedgerWorkbook(ws, op, a->ledgerXlsx);

    const auto rows = payFormLabels(ws.form1);
    if (a->json) {
        out << '{';
        for (size_t i = 0; i < rows.size(); ++i)
            out << (i ? "," : "") << jsonString(rows[i].first) << ':' << jsonString(rows[i].second);
        out << "}\n";
    } else {
        for (const auto& [name, text] : rows)
            out << name << '\t' << text << '\n';
    }
    const bool printed = writePrints(*a, ws, pdf, err);
    return ws.fileFault() || ws.periodRefused() || !printed || !written ? 1 : 0;
}

} // namespace tallyrin
