#include "cli/PayrollCommand.h"

#include "platform/archive/TarXz.h"

#include "app/HoursSheet.h"
#include "app/PaydayDeposits.h"
#include "app/PaydayRun.h"
#include "app/WeekDate.h"
#include "cli/CliOutput.h"
#include "cli/Options.h"
#include "text/FileStore.h"
#include "text/Numbers.h"

#include <memory>
#include <optional>
#include <ostream>

namespace tallyrin {
namespace {


struct PayrollArguments
{
    std::string folder, sheet, date, statements, checks, ach;
    bool fedJan = false, paste = false, overwrite = false, json = false, noBackup = false;
};

std::optional<PayrollArguments> parse(const std::vector<std::string>& args, std::string& problem)
{
    const CliReading read = readOptions(args, CliForm::Payroll);
    problem = read.problem;
    if (cliOptionOf(read.foreign, CliForm::Calc))
        problem = read.foreign + " is not used with --payroll: the sheet names the employees and their entries";
    if (!read.options)
        return std::nullopt;
    const CliOptions& o = *read.options;
    PayrollArguments a;
    a.folder = o.folder, a.sheet = o.payroll, a.date = o.date, a.statements = o.statements, a.checks = o.checks, a.ach = o.ach;
    a.fedJan = o.fedJan, a.paste = o.paste, a.overwrite = o.overwrite, a.json = o.json, a.noBackup = o.noBackup;
    if (!a.date.empty() && !parseWeekDate(a.date))
        problem = "--date \"" + a.date + "\" is not a date of the form MM/DD/YYYY";
    else if (a.overwrite && !a.paste)
        problem = "--overwrite is used with --paste only";
    return problem.empty() ? std::optional(a) : std::nullopt;
}

std::string oneLine(std::string text)
{
    for (char& c : text)
        if (c == '\n')
            c = ' ';
    return text;
}

// How the deposit file went, for the summary.
struct DepositReport
{
    bool asked = false, written = false;
    std::string file;
    PaydayDeposits deposits;
};

std::string depositEnding(const PaydayLine& line)
{
    return line.deposit && (line.paid || line.alreadyPaid) ? accountEnding(line.deposit->Account) : "";
}

void printSummary(const PaydayRun& run, const DepositReport& dd, std::ostream& out)
{
    out << "user\tgross\ttaxes\tdeductions\tnet\tmessage\n";
    for (const PaydayLine& line : run.lines())
        out << line.user << '\t' << line.gross << '\t' << line.taxes << '\t' << line.deductions << '\t' << line.net
            << '\t' << oneLine(line.message.empty() ? line.note : line.message) << '\n';
    const PaydayTotals& t = run.totals();
    out << "TOTALS\t" << format(t.gross, "$#,###.00") << '\t' << format(t.taxes, "$#,###.00") << '\t'
        << format(t.deductions, "$#,###.00") << '\t' << format(t.net, "$#,###.00") << '\t' << t.paid << " paid, "
        << t.alreadyPaid << " already paid, " << t.notPaid << " not paid\n";
    if (!run.backupFile().empty())
        out << "BACKUP\t" << run.backupFile().string() << "\tthe folder before the payday; --restore it to undo the payday\n";
    if (dd.written)
        out << "DEPOSIT\t" << dd.file << '\t' << dd.deposits.entries << (dd.deposits.entries == 1 ? " deposit, " : " deposits, ")
            << format(dd.deposits.total, "$#,###.00") << ", payday " << dd.deposits.date << '\n';
    else if (dd.asked && dd.deposits.nobody)
        out << "DEPOSIT\t" << dd.file << "\tnot written: nobody paid has a deposit account\n";
    else if (dd.asked)
        out << "DEPOSIT\t" << dd.file << "\tNOT WRITTEN: put right what is told above and run the sheet again; "
               "the rows are paid as the lines say\n";
}

void printJson(const PaydayRun& run, const DepositReport& dd, std::ostream& out)
{
    out << "{\"employees\":[";
    bool first = true;
    for (const PaydayLine& line : run.lines()) {
        out << (first ? "" : ",") << "{\"line\":" << line.line << ",\"user\":" << jsonString(line.user)
            << ",\"paid\":" << (line.paid ? "true" : "false")
            << ",\"alreadyPaid\":" << (line.alreadyPaid ? "true" : "false") << ",\"date\":" << jsonString(line.date)
            << ",\"week\":" << line.week << ",\"gross\":" << jsonString(line.gross)
            << ",\"taxes\":" << jsonString(line.taxes) << ",\"deductions\":" << jsonString(line.deductions)
            << ",\"net\":" << jsonString(line.net) << ",\"deposit\":" << jsonString(depositEnding(line))
            << ",\"message\":" << jsonString(line.message) << '}';
        first = false;
    }
    const PaydayTotals& t = run.totals();
    out << "],\"totals\":{\"paid\":" << t.paid << ",\"alreadyPaid\":" << t.alreadyPaid << ",\"notPaid\":" << t.notPaid
        << ",\"gross\":" << jsonString(format(t.gross, "$#,###.00"))
        << ",\"taxes\":" << jsonString(format(t.taxes, "$#,###.00"))
        << ",\"deductions\":" << jsonString(format(t.deductions, "$#,###.00"))
        << ",\"net\":" << jsonString(format(t.net, "$#,###.00")) << "},\"backup\":" << jsonString(run.backupFile().string());
    if (dd.asked) {
        out << ",\"depositFile\":{\"file\":" << jsonString(dd.file) << ",\"written\":" << (dd.written ? "true" : "false")
            << ",\"entries\":" << dd.deposits.entries << ",\"total\":" << jsonString(format(dd.deposits.total, "$#,###.00"))
            << ",\"date\":" << jsonString(dd.deposits.date) << ",\"problems\":[";
        for (size_t i = 0; i < dd.deposits.problems.size(); ++i)
            out << (i ? "," : "") << jsonString(dd.deposits.problems[i]);
        out << "]}";
    }
    out << "}\n";
}

bool nobodyPaid(const std::string& path, std::ostream& err)
{
    err << "tallyrin-calc: nobody was paid, so " << path << " was not written\n";
    return false;
}

// One combined print; with nobody paid there is no page to write.
bool writeCombined(const PrintDocument& document, const std::string& path, const PdfWriter& pdf, std::ostream& err)
{
    if (path.empty())
        return true;
    if (document.empty())
        return nobodyPaid(path, err);
    return writePrint(document, path, pdf, err);
}

// A surface that prints nothing: the combined print nobody asked for, or one that cannot be written.
class NoPrint : public PrintSurface
{
public:
    void setFontName(const std::string&) override {}
    void setFontSize(float) override {}
    void printText(const std::string&) override {}
    void moveToColumn(int) override {}
    void endLine() override {}
    void endDocument() override {}
    void setLandscape() override {}
};

// A combined PDF painted page by page while the run pays, into the temporary twin beside its file,
// and put in place whole at the end, so that a payday of any size holds one page at a time.
class StreamedPrint
{
public:
    StreamedPrint(const std::string& path, bool oneSheet, const PageStreamOpener& open)
        : m_path(path)
    {
        if (path.empty())
            return;
        m_twin = std::make_unique<OutputTwin>(path);
        if (m_twin->refused())
            return;
        std::string error;
        m_pages = open(m_twin->temporary().string(), oneSheet, error);
        if (!m_pages)
            m_problem = error.empty() ? std::string("the PDF file could not be created") : error;
    }

    PrintSurface& surface() { return m_pages ? static_cast<PrintSurface&>(*m_pages) : m_nothing; }

    // Puts the print in place; false after telling `err` why it could not be.
    bool finish(std::ostream& err)
    {
        if (m_path.empty())
            return true;
        FileOutcome written;
        if (m_twin->refused()) {
            written = *m_twin->refused();
        } else if (!m_pages) {
            written = m_twin->commit(m_problem);
        } else {
            std::string error;
            const bool ended = m_pages->finish(error);
            if (m_pages->empty())
                return nobodyPaid(m_path, err); // the twin goes with this print
            written = m_twin->commit(ended ? wholePdf(m_twin->temporary()) : std::optional<std::string>(error));
        }
        if (written.failed())
            err << "tallyrin-calc: " << plainLines(written.message()) << '\n';
        return !written.failed();
    }

private:
    std::string m_path;
    std::unique_ptr<OutputTwin> m_twin;
    std::unique_ptr<PageStream> m_pages;
    std::string m_problem;
    NoPrint m_nothing;
};

} // namespace

int runPayroll(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const PdfWriter& pdf,
               const PageStreamOpener& pdfStream)
{
    std::string problem;
    const auto a = parse(args, problem);
    if (!a)
        return badArguments(problem, CliForm::Payroll, err);
    HoursSheetReading reading = readHoursSheetFile(a->sheet);
    if (!reading.sheet) {
        err << "tallyrin-calc: " << a->sheet << ", " << reading.problem << "; nothing was paid\n";
        return 2;
    }

    PaydayOptions options;
    if (!a->date.empty())
        options.date = weekDateText(*parseWeekDate(a->date));
    options.fedJan = a->fedJan;
    options.paste = a->paste;
    options.overwrite = a->overwrite;
    if (!a->noBackup)
        options.backup = writeTarXz;
    options.prints = !a->statements.empty() || !a->checks.empty();
    options.deposits = !a->ach.empty();
    PaydayRun run(a->folder, std::move(*reading.sheet), options);
    if (std::string cannot; !run.start(cannot)) {
        err << "tallyrin-calc: " << cannot << '\n';
        return 1;
    }
    // Combined PDFs are painted page by page as each row is paid; text renderings (and a build
    // without streams) are laid out whole and written at the end.
    const bool streamed = pdfStream && (a->statements.empty() || endsWithPdf(a->statements)) &&
                          (a->checks.empty() || endsWithPdf(a->checks));
    std::optional<StreamedPrint> statementsOut, checksOut;
    if (streamed && options.prints) {
        statementsOut.emplace(a->statements, false, pdfStream);
        checksOut.emplace(a->checks, true, pdfStream);
        run.streamPrints(statementsOut->surface(), checksOut->surface());
    }
    run.runAll();

    for (const PaydayLine& line : run.lines())
        if (!line.message.empty())
            err << "tallyrin-calc: line " << line.line << (line.user.empty() ? "" : ", " + line.user) << ":\n"
                << line.message << '\n';
    // The deposit file, under the folder's lock like the prints.
    DepositReport dd;
    dd.asked = !a->ach.empty();
    dd.file = a->ach;
    bool deposited = true;
    if (dd.asked) {
        dd.deposits = writePaydayDeposits(a->folder, run.lines(), options.date, a->ach, dd.written);
        if (!dd.written && !dd.deposits.nobody) {
            err << "tallyrin-calc: the deposit file " << a->ach << " was not written; first put right:\n";
            for (const std::string& p : dd.deposits.problems)
                err << "  " << p << '\n';
            deposited = false;
        }
    }
    if (a->json)
        printJson(run, dd, out);
    else
        printSummary(run, dd, out);
    // Everyone paid was paid by deposit: there is no check to print, and that is no fault.
    bool someonePaid = false, everyPaidDeposited = true;
    for (const PaydayLine& line : run.lines())
        if (line.paid || line.alreadyPaid)
            someonePaid = true, everyPaidDeposited = everyPaidDeposited && line.deposit.has_value();
    const bool noChecks = !a->checks.empty() && someonePaid && everyPaidDeposited;
    if (noChecks)
        err << "tallyrin-calc: everyone paid was paid by direct deposit: no check to print, so " << a->checks
            << " was not written\n";
    bool printed = true;
    if (statementsOut) {
        printed = statementsOut->finish(err);
        printed = (noChecks || checksOut->finish(err)) && printed;
    } else {
        printed = writeCombined(run.statements(), a->statements, pdf, err);
        printed = (noChecks || writeCombined(run.checks(), a->checks, pdf, err)) && printed;
    }
    // The folder's lock is held until here, the prints in place: a run waiting for it never meets
    // this run's prints half-made.
    run.releaseFolder();
    return run.faults() || !printed || !deposited ? 1 : 0;
}

} // namespace tallyrin
