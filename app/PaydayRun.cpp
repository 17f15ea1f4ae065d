#include "app/PaydayRun.h"

#include "app/Operator.h"
#include "app/WeekDate.h"
#include "app/Workspace.h"
#include "employee/CompanyHeader.h"
#include "engine/FederalTableFile.h"
#include "text/FileMessages.h"
#include "text/FileStore.h"
#include "text/Numbers.h"
#include "ytd/MDIForm1Screen.h"

#include <cmath>
#include <utility>

namespace fs = std::filesystem;

namespace tallyrin {
namespace {

constexpr const char* kNothingWritten = "Nothing was written for this employee.";
constexpr const char* kEntryNames[8] = {"regular", "regular2", "ot", "ot15", "holiday", "vacation", "amount", "tips"};

// Nobody sits at the run: every message is kept for the row's line, the ledger's save question
// is answered Yes (the close with Yes that saves a pasted week), every other question No, and
// every chooser is cancelled.
class RowOperator : public Operator
{
public:
    void message(const std::string& text, Icon, const std::string&) override
    {
        std::string plain = text;
        for (size_t at; (at = plain.find("\r\n")) != std::string::npos;)
            plain.replace(at, 2, "\n");
        said += (said.empty() ? "" : "\n") + plain;
    }
    bool askYesNo(const std::string&, const std::string& text) override
    {
        return text == MDIForm1Screen::kSaveQuestion;
    }
    std::optional<std::string> inputText(const std::string&, const std::string&) override { return std::nullopt; }
    std::optional<std::string> chooseOpenFile(const std::string&) override { return std::nullopt; }
    bool choosePrinter() override { return false; }

    std::string said;
};

// A week the ledger already holds a period in: its date is set, or any of its amounts is not 0
// (a row typed in by hand may carry amounts without a date).
bool holdsPeriod(const YtdRow& row)
{
    if (!row.Date.empty() && row.Date != "0")
        return true;
    for (float YtdRow::*amount : {&YtdRow::Federal, &YtdRow::SocSec, &YtdRow::Medicare, &YtdRow::State,
                                  &YtdRow::City, &YtdRow::CreditUnion, &YtdRow::Bond, &YtdRow::Dues, &YtdRow::Pension,
                                  &YtdRow::Misc, &YtdRow::KPlan, &YtdRow::Overtime, &YtdRow::Gross, &YtdRow::Net,
                                  &YtdRow::Sdi, &YtdRow::Sui, &YtdRow::Cafeteria, &YtdRow::Tips})
        if (row.*amount != 0)
            return true;
    return false;
}

// A message's CR LF line breaks as the run's lines keep them.
std::string plainLines(std::string text)
{
    for (size_t at; (at = text.find("\r\n")) != std::string::npos;)
        text.replace(at, 2, "\n");
    return text;
}

std::string joined(const std::string& first, const std::string& second)
{
    if (first.empty())
        return second;
    return second.empty() ? first : first + "\n" + second;
}

} // namespace

std::vector<std::pair<std::string, std::string>> payFormLabels(const Form1Screen& f)
{
    std::vector<std::pair<std::string, std::string>> rows{{"Label13", f.Label13},   {"lbTaxes", f.lbTaxes},
                                                          {"lbDeduct", f.lbDeduct}, {"lbNet", f.lbNet},
                                                          {"lbOverT", f.lbOverT},   {"lbTips", f.lbTips}};
    for (size_t i = 0; i < f.lbTaxDed.size(); ++i)
        rows.emplace_back("lbTaxDed_" + std::to_string(i), f.lbTaxDed[i]);
    rows.emplace_back("lbSDI", f.lbSDI);
    rows.emplace_back("lbSUI", f.lbSUI);
    rows.emplace_back("lbCafe", f.lbCafe);
    rows.emplace_back("lbTaxVer", f.lbTaxVer);
    return rows;
}

PaydayRun::PaydayRun(fs::path folder, HoursSheet sheet, PaydayOptions options, Clock clock)
    : m_folder(std::move(folder))
    , m_sheet(std::move(sheet))
    , m_options(std::move(options))
    , m_clock(std::move(clock))
{
}

PaydayRun::RowPlan PaydayRun::plan(const HoursRow& row) const
{
    RowPlan p;
    auto problem = [&](std::string why) {
        p.problem = why + ".";
        return p;
    };
    if (!row.fault.empty()) {
        p.problem = row.fault;
        return p;
    }
    if (row.user.empty())
        return problem("no user name");
    if (Workspace::refusedUserName(row.user))
        return problem("the name " + messages::shortQuote(row.user) + " cannot name an employee's files");
    // The entries as the pay form reads them, but a text it would take as 0 without being a
    // number is refused here: a typing slip in the sheet must not pay someone nothing.
    for (size_t i = 0; i < row.entries.size(); ++i) {
        const std::string& text = row.entries[i];
        const bool number = text.empty() || (i == 6 ? fullCurrency(text).has_value() : fullSingle(text).has_value());
        if (!number)
            return problem(std::string("the entry \"") + kEntryNames[i] + "\" is not a number: " + messages::shortQuote(text));
        p.entries[i] = text;
    }
    if (row.ot2x == "1")
        p.ot2x = true;
    else if (!row.ot2x.empty() && row.ot2x != "0")
        return problem("\"ot2x\" must be 0 or 1, not " + messages::shortQuote(row.ot2x));

    const std::string& dateGiven = row.date.empty() ? m_options.date : row.date;
    if (dateGiven.empty()) {
        const CalendarDate d = m_clock();
        p.date = dateText(d.year, d.month, d.day);
    } else if (const auto date = parseWeekDate(dateGiven)) {
        p.date = weekDateText(*date);
    } else {
        return problem("the date " + messages::shortQuote(dateGiven) + " is not a date of the form MM/DD/YYYY");
    }

    if (m_options.paste) {
        if (row.week.empty())
            return problem("no week to paste into");
        const std::optional<double> week = fullNumber(row.week);
        if (!week || *week != std::floor(*week) || *week < 1 || *week > kWeeklyRows)
            return problem("the week " + messages::shortQuote(row.week) + " is not a week of the ledger (1 to 52)");
        p.week = static_cast<int>(*week);
    }
    if (!fileExists(m_folder / (row.user + ".use")))
        return problem("the employee file " + row.user + ".use is not in the folder");
    return p;
}

std::string PaydayRun::planned(size_t index) const
{
    const RowPlan p = plan(m_sheet.rows.at(index));
    if (!p.problem.empty())
        return "not paid: " + p.problem;
    std::string what = "pay for " + p.date;
    if (p.week)
        what += ", paste into week " + std::to_string(p.week);
    return what;
}

bool PaydayRun::start(std::string& problem)
{
    if (m_started)
        return m_startProblem.empty() ? true : (problem = m_startProblem, false);
    m_started = true;
    // What every row needs is read first: a damaged table or header would otherwise let every row
    // be paid and pasted before each is flagged.
    FederalTables tables;
    const FileOutcome federal = loadFederalTables(m_folder, m_options.fedJan, m_folder.string(), tables);
    CompanyHeader header;
    const FileOutcome heading = LoadHeader(m_folder, header);
    std::string lockProblem;
    if (federal.kind != FileOutcome::Kind::Done)
        m_startProblem = plainLines(federal.message());
    else if (heading.failed())
        m_startProblem = plainLines(heading.message());
    else if (!(m_lock = FolderLock::acquire(m_folder, &lockProblem, m_options.lockWait)))
        m_startProblem = lockProblem;
    if (!m_startProblem.empty())
        m_startProblem += "\nNothing was paid.";
    problem = m_startProblem;
    return m_startProblem.empty();
}

PaydayLine PaydayRun::pay(const HoursRow& row)
{
    PaydayLine line;
    line.line = row.line;
    line.user = row.user;
    const RowPlan p = plan(row);
    line.date = p.date;
    if (!p.problem.empty()) {
        line.message = p.problem;
        return line;
    }

    // A fresh workspace for every employee, as the program is after start-up: nothing of the
    // previous employee can reach this one.
    RowOperator op;
    Workspace ws(op, m_folder, m_clock);
    ws.form1.ckFedJan = m_options.fedJan;
    ws.startUp();
    ws.openEmployee(m_folder / (row.user + ".use"));
    auto notPaid = [&](const std::string& why) {
        line.message = joined(op.said, why);
        return line;
    };
    // A damaged file: calculating and saving would write over what could not be read.
    if (ws.fileFault())
        return notPaid(kNothingWritten);

    const int slot = p.week - 1;
    std::string heldDate; // the date of the period the week holds, when it holds one
    if (p.week) {
        if (p.week > ws.ledger.usedRows())
            return notPaid("Week " + std::to_string(p.week) + " is past the last week of " + row.user +
                           "'s ledger (" + std::to_string(ws.ledger.usedRows()) + "). " + kNothingWritten);
        if (holdsPeriod(ws.ledger.row(slot))) {
            heldDate = ws.ledger.row(slot).Date;
            // The period is worked out as if its week were empty: the year-to-date bases of
            // Social Security, SDI and SUI must not count the period being replaced.
            ws.ledger.DeleteRow(slot);
        }
    }

    ws.form1.txtAmount = p.entries;
    ws.form1.opt1x = !p.ot2x;
    ws.form1.setWeek(p.date);
    // ADD; its closing save follows only once the calculation met no damaged file and the
    // period is within the limits.
    ws.Calcu_late(false);
    if (ws.periodRefused() || ws.fileFault())
        return notPaid(kNothingWritten);

    const YtdContext context{ws.files(), ws.profile, [&ws] { return ws.shownPeriod(); }, [&ws] { return ws.form1.txtWeek; }};
    bool alreadyPaid = false;
    if (!heldDate.empty()) {
        // The week holds this very period when pasting it would leave the ledger file as it is.
        YtdLedger trial = ws.ledger;
        RowOperator quiet;
        MDIForm1Screen frame(trial, quiet, context);
        frame.open();
        frame.weekClicked(slot);
        std::string problem;
        const auto pasted = trial.textToSave(problem);
        const auto onDisk = readWholeFile(trial.filePath(m_folder, row.user));
        alreadyPaid = pasted && onDisk && *pasted == *onDisk;
        if (!alreadyPaid && !m_options.overwrite)
            return notPaid("Week " + std::to_string(p.week) + " of the ledger already holds the period " + heldDate +
                           ". " + kNothingWritten);
    }

    if (!alreadyPaid) {
        ws.txtSaveUser = ws.userName();
        ws.cmdSaveUser_Click();
        if (ws.fileFault())
            return notPaid("The employee's files could not all be saved; the period is not pasted or printed.");
        if (p.week) {
            // "&Year to Date", a click on the week number, then "&Close" answered Yes.
            MDIForm1Screen frame(ws.ledger, op, context);
            frame.open();
            frame.weekClicked(slot);
            if (!frame.mnuClose_Click())
                return notPaid("Week " + std::to_string(p.week) +
                               " could not be saved in the ledger; the period is not printed. Run the sheet again "
                               "once the ledger can be saved.");
        }
    }
    line.paid = !alreadyPaid;
    line.alreadyPaid = alreadyPaid;
    line.week = p.week;
    if (alreadyPaid)
        line.note = "already paid: week " + std::to_string(p.week) + " holds this period; printed again";
    line.labels = payFormLabels(ws.form1);
    line.gross = format(ws.result.GrossPay, "$#,###.00");
    line.taxes = format(ws.result.TaxDeduct, "$#,###.00");
    line.deductions = format(ws.result.TotDeduct, "$#,###.00");
    line.net = format(ws.result.NetPay, "$#,###.00");

    if (m_options.prints) {
        ws.statementDocument().playOnto(m_statements);
        // The check form as composed on opening, at the offsets the employee has stored.
        ws.frmChecks_Load();
        ws.dlgPrintSet_Load();
        ws.checkDocument().playOnto(m_checks);
    }
    line.message = op.said;
    return line;
}

void PaydayRun::runNext()
{
    if (finished())
        return;
    std::string problem;
    PaydayLine line;
    if (start(problem)) {
        line = pay(m_sheet.rows[m_lines.size()]);
    } else {
        line.line = m_sheet.rows[m_lines.size()].line;
        line.user = m_sheet.rows[m_lines.size()].user;
        line.message = problem;
    }
    if (line.paid || line.alreadyPaid) {
        ++(line.paid ? m_totals.paid : m_totals.alreadyPaid);
        auto add = [](Currency& sum, const std::string& shown) { sum += fullCurrency(shown).value_or(Currency{}); };
        add(m_totals.gross, line.gross);
        add(m_totals.taxes, line.taxes);
        add(m_totals.deductions, line.deductions);
        add(m_totals.net, line.net);
    } else {
        ++m_totals.notPaid;
    }
    m_lines.push_back(std::move(line));
    // The folder is free again once the last row is done.
    if (finished())
        m_lock.reset();
}

void PaydayRun::runAll()
{
    while (!finished())
        runNext();
}

bool PaydayRun::faults() const
{
    if (!m_startProblem.empty())
        return true;
    for (const auto& line : m_lines)
        if ((!line.paid && !line.alreadyPaid) || !line.message.empty())
            return true;
    return false;
}

} // namespace tallyrin
