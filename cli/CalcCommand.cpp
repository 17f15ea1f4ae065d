#include "cli/CalcCommand.h"

#include "text/Operator.h"
#include "app/PaydayRun.h"
#include "app/WorkingFolder.h"
#include "session/Workspace.h"
#include "cli/BackupCommand.h"
#include "cli/CliOutput.h"
#include "cli/Options.h"
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
    const CliReading read = readOptions(args, CliForm::Calc);
    problem = read.problem;
    if (problem == "--entries is required")
        problem = "--entries needs exactly eight items separated by commas";
    if (!read.options)
        return std::nullopt;
    const CliOptions& o = *read.options;
    Arguments a{o.folder, o.user, splitEntries(o.entries), o.ot2x, o.fedJan, o.json, o.save,
                o.statement, o.check, o.ledgerPrint, o.ledgerXlsx};
    if (a.entries.size() != 8)
        problem = "--entries needs exactly eight items separated by commas";
    return problem.empty() ? std::optional(a) : std::nullopt;
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
        return badArguments("--fix-permissions needs --folder DIR", CliForm::Calc, err);
    }

    if (args.size() == 1 && args[0] == "--version") {
        out << "tallyrin-calc (Tallyrin 2009) " << TALLYRIN_VERSION << '\n';
        return 0;
    }
    if (args.size() == 1 && args[0] == "--help") {
        out << cliHelp();
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
    if (!a)
        return badArguments(problem, CliForm::Calc, err);
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
