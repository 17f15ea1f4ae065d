#include "app/PaydayRun.h"

#include "app/WeekDate.h"
#include "employee/EmployeeStore.h"
#include "engine/PayCalculation.h"
#include "print/CheckText.h"
#include "print/PayPrints.h"
#include "print/frmChecksScreen.h"
#include "state/BuiltInStates.h"
#include "employee/CompanyHeader.h"
#include "engine/FederalTableFile.h"
#include "text/FileMessages.h"
#include "text/FileStore.h"
#include "text/Numbers.h"

#include "TallyrinVersion.h"

#include <cmath>
#include <set>
#include <utility>

namespace fs = std::filesystem;

namespace tallyrin {
namespace {

constexpr const char* kNothingWritten = "Nothing was written for this employee.";
constexpr const char* kEntryNames[8] = {"regular", "regular2", "ot", "ot15", "holiday", "vacation", "amount", "tips"};

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

using messages::plainLines;

std::string joined(const std::string& first, const std::string& second)
{
    if (first.empty())
        return second;
    return second.empty() ? first : first + "\n" + second;
}

} // namespace

std::vector<std::pair<std::string, std::string>> payFormLabels(const PayPeriodLabels& f, const std::string& taxVersion)
{
    std::vector<std::pair<std::string, std::string>> rows{{"Label13", f.Label13},   {"lbTaxes", f.lbTaxes},
                                                          {"lbDeduct", f.lbDeduct}, {"lbNet", f.lbNet},
                                                          {"lbOverT", f.lbOverT},   {"lbTips", f.lbTips}};
    for (size_t i = 0; i < f.lbTaxDed.size(); ++i)
        rows.emplace_back("lbTaxDed_" + std::to_string(i), f.lbTaxDed[i]);
    rows.emplace_back("lbSDI", f.lbSDI);
    rows.emplace_back("lbSUI", f.lbSUI);
    rows.emplace_back("lbCafe", f.lbCafe);
    rows.emplace_back("lbTaxVer", taxVersion);
    return rows;
}

std::vector<std::pair<std::string, std::string>> payFormLabels(const Form1Screen& f)
{
    return payFormLabels(f.resultLabels(), f.lbTaxVer);
}

PaydayRun::PaydayRun(fs::path folder, HoursSheet sheet, PaydayOptions options, Clock clock)
    : m_folder(std::move(folder))
    , m_sheet(std::move(sheet))
    , m_options(std::move(options))
    , m_clock(std::move(clock))
{
    m_checks.keepPagesToOneSheet(); // one check form a page
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
    if (refusedUserName(row.user))
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
    const FileOutcome federal = loadFederalTables(m_folder, m_options.fedJan, m_folder.string(), m_federal);
    const FileOutcome heading = LoadHeader(m_folder, m_header);
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

    // A fresh employee for every row, as the program is after start-up: nothing of the previous
    // employee can reach this one.
    const EmployeeFiles files(m_folder, row.user);
    Employee employee;
    std::set<fs::path> damaged;
    std::string said;
    bool fault = false;
    const auto tell = [&](const std::string& message) {
        if (!message.empty())
            said = joined(said, plainLines(message));
    };
    const auto note = [&](const FileOutcome& outcome) {
        if (!outcome.lines.empty() && outcome.kind != FileOutcome::Kind::KeptAside)
            fault = true;
        tell(outcome.message());
        if (outcome.kind == FileOutcome::Kind::Corrupt)
            damaged.insert(outcome.file);
        fault = fault || outcome.failed();
    };
    const auto notPaid = [&](const std::string& why) {
        line.message = joined(said, why);
        return line;
    };

    // Open. A damaged file: calculating and saving would write over what could not be read.
    const std::vector<FileOutcome> opened = EmployeeStore::open(files, employee, [] { return FileOutcome::done(); });
    for (const FileOutcome& outcome : opened)
        note(outcome);
    EmployeeStore::settleOpened(files, employee, opened);
    if (fault)
        return notPaid(kNothingWritten);

    YtdLedger& ledger = employee.ledger;
    const int slot = p.week - 1;
    std::string heldDate; // the date of the period the week holds, when it holds one
    if (p.week) {
        if (p.week > ledger.usedRows())
            return notPaid("Week " + std::to_string(p.week) + " is past the last week of " + row.user +
                           "'s ledger (" + std::to_string(ledger.usedRows()) + "). " + kNothingWritten);
        if (holdsPeriod(ledger.row(slot))) {
            heldDate = ledger.row(slot).Date;
            // The period is worked out as if its week were empty: the year-to-date bases of
            // Social Security, SDI and SUI must not count the period being replaced.
            ledger.DeleteRow(slot);
        }
    }

    // The calculation, as ADD makes it: the state, profile and city files read afresh.
    for (const FileOutcome& outcome : EmployeeStore::reloadForCalculation(files, employee, true, true))
        note(outcome);
    if (fault)
        return notPaid(kNothingWritten);
    std::array<std::string, 8> entries = p.entries;
    const PayPeriodEntry entry = readPayPeriodEntry(entries);
    PayPeriodResult result =
        computePayPeriod(entry, !p.ot2x,
                         PayPeriodRecords{employee.profile, m_federal, employee.state, employee.city,
                                          employee.nonCity, ledger.ytdGross(), ledger.totals().SocSec,
                                          ledger.totals().Medicare});
    if (const auto refused = periodOutOfRange(entries, result)) {
        tell(*refused);
        return notPaid(kNothingWritten);
    }
    if (methodChecksRoundState(employee.state))
        employee.state.RoundState = 1;
    const PayPeriodLabels labels = payPeriodLabels(result);
    CleartxtBox(entries);
    const PayPeriodResult shown = periodAsShown(labels, result);
    const auto& deductionLabels = employee.profile.DeductLabel;

    bool alreadyPaid = false;
    if (!heldDate.empty()) {
        // The week holds this very period when pasting it would leave the ledger file as it is.
        YtdLedger trial = ledger;
        std::string pasted;
        const YtdLedger::Paste paste =
            trial.pastePeriod(m_folder, row.user, deductionLabels, slot, shown, p.date, false, &pasted);
        const auto onDisk = readWholeFile(trial.filePath(m_folder, row.user));
        alreadyPaid = paste.saved && onDisk && pasted == *onDisk;
        if (!alreadyPaid && !m_options.overwrite)
            return notPaid("Week " + std::to_string(p.week) + " of the ledger already holds the period " + heldDate +
                           ". " + kNothingWritten);
    }

    if (!alreadyPaid) {
        // The closing save, then the ledger frame's paste closed with Yes.
        const StoreSave saved = EmployeeStore::save(files, row.user, employee, damaged);
        for (const FileOutcome& outcome : saved.outcomes)
            note(outcome);
        if (!saved.saved)
            return notPaid("The employee's files could not all be saved; the period is not pasted or printed.");
        if (p.week) {
            const YtdLedger::Paste paste = ledger.pastePeriod(m_folder, row.user, deductionLabels, slot, shown, p.date);
            for (const std::string& message : paste.messages)
                tell(message);
            if (!paste.saved)
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
    line.labels = payFormLabels(labels, m_federal.Version);
    line.gross = format(result.GrossPay, "$#,###.00");
    line.taxes = format(result.TaxDeduct, "$#,###.00");
    line.deductions = format(result.TotDeduct, "$#,###.00");
    line.net = format(result.NetPay, "$#,###.00");

    if (m_options.prints) {
        // The statement and the check as the program prints them: the profile and the ledger read
        // again, empty amounts as "0", the check form as composed on opening at the offsets the
        // employee has stored.
        for (const FileOutcome& outcome : EmployeeStore::open(files, employee, {}, true))
            note(outcome);
        ledger.setBiWeekly(employee.profile.biWeekly());
        note(ledger.readLedger(m_folder, row.user));
        for (auto& text : entries)
            if (text.empty())
                text = "0";
        const PayFormTexts texts = payFormTexts(entries, !p.ot2x, p.date, labels);
        StatementHeading heading;
        heading.header = m_header;
        heading.userName = row.user;
        heading.ssn = employee.profile.EmpSsn;
        const CalendarDate d = m_clock();
        heading.today = shortDateText(d.year, d.month, d.day);
        heading.txtWeek = p.date;
        heading.version = TALLYRIN_VERSION;
        PrintText(m_statementsOut ? *m_statementsOut : m_statements, heading, periodFigures(texts, employee.profile, result, ledger.totals()));

        frmChecksScreen check;
        check.Form_Load(employee.profile, result, p.date);
        const CheckPlacement at = checkPlacement(offsetText(employee.profile.HorzOffset),
                                                 offsetText(employee.profile.VertOffset));
        PrintCheck(m_checksOut ? *m_checksOut : m_checks, at, check, p.date, periodFigures(texts, employee.profile, result, ledger.totals()));
    }
    line.message = said;
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
