#include "app/PaydayRun.h"

#include "app/Backup.h"
#include "app/OnePayPeriod.h"
#include "app/WeekDate.h"
#include "employee/CompanyHeader.h"
#include "employee/EmployeeStore.h"
#include "engine/FederalTableFile.h"
#include "engine/PayCalculation.h"
#include "print/CheckText.h"
#include "print/PayCheck.h"
#include "print/PayPrints.h"
#include "state/BuiltInStates.h"
#include "text/FileMessages.h"
#include "text/FileStore.h"
#include "text/Numbers.h"

#include <cmath>
#include <optional>
#include <set>
#include <string_view>
#include <utility>

namespace fs = std::filesystem;

namespace tallyrin {
namespace {

constexpr const char* kNothingWritten = "Nothing was written for this employee.";
constexpr const char* kEntryNames[8] = {"regular", "regular2", "ot", "ot15", "holiday", "vacation", "amount", "tips"};

using messages::plainLines;

// A comma in a sheet's number only separates thousands: "1,234.5" is a number, "40,5" and "1,23"
// are not (a decimal comma would be read as a thousands separator and pay ten times over).
bool commasGroupThousands(std::string_view text)
{
    if (text.find(',') == std::string_view::npos)
        return true;
    const size_t first = text.find_first_of("0123456789");
    if (first == std::string_view::npos)
        return false;
    size_t end = text.find_first_not_of("0123456789,", first);
    if (end == std::string_view::npos)
        end = text.size();
    const std::string_view whole = text.substr(first, end - first);
    if (text.find(',', end) != std::string_view::npos || whole.front() == ',' || whole.back() == ',')
        return false;
    size_t group = 0;
    bool seenComma = false;
    for (size_t i = whole.size(); i-- > 0;) {
        if (whole[i] == ',') {
            if (group != 3)
                return false;
            group = 0;
            seenComma = true;
        } else {
            ++group;
        }
    }
    return !seenComma || group <= 3;
}

std::string withoutPoint(std::string text)
{
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    return text;
}

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
    bool somethingToPay = false;
    for (size_t i = 0; i < row.entries.size(); ++i) {
        const std::string& text = row.entries[i];
        if (!entryIsNumberOrBlank(i, text) || !commasGroupThousands(text))
            return problem(std::string("the entry \"") + kEntryNames[i] + "\" is not a number: " + messages::shortQuote(text));
        p.entries[i] = text;
        somethingToPay = somethingToPay || fullNumber(text).value_or(0) != 0;
    }
    if (!somethingToPay)
        return problem("nothing to pay: every entry is empty or 0");
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
    // The tables are the 2009 tables, and the year's reports count 2009's periods only.
    if (p.date.size() != 10 || p.date.compare(6, 4, "2009") != 0)
        return problem("the period date " + p.date + " is not in 2009, the year of the tax tables");

    if (m_options.paste) {
        if (row.week.empty())
            return problem("no week to paste into");
        const std::optional<double> week =
            row.week.find_first_not_of("0123456789") == std::string::npos ? fullNumber(row.week) : std::nullopt;
        if (!week || *week < 1 || *week > kWeeklyRows)
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
    // A payday that pastes is backed up first, under the lock it will pay under: restoring the
    // backup undoes the payday.
    if (m_startProblem.empty() && m_options.paste && m_options.backup) {
        const BackupResult backup = automaticBackupLocked(m_folder, "payday", m_options.backup);
        if (backup.outcome.failed())
            m_startProblem = "The folder could not be backed up before the payday:\n" +
                             plainLines(backup.outcome.message()) +
                             "\n(--no-backup runs the payday without a backup.)";
        else
            m_backupFile = backup.outcome.file;
    }
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
    for (const FileOutcome& outcome : opened) {
        note(outcome);
        if (m_options.deposits && outcome.failed() && outcome.file == files.path(".dd"))
            line.depositProblem = "the deposit account file " + outcome.file.filename().string() +
                                  " could not be read: " + withoutPoint(outcome.lines.empty() ? "" : outcome.lines.back());
    }
    EmployeeStore::settleOpened(files, employee, opened);
    if (fault)
        return notPaid(kNothingWritten);

    YtdLedger& ledger = employee.ledger;
    const int slot = p.week - 1;
    std::optional<YtdRow> held; // the period the week holds, as read, when it holds one
    if (p.week) {
        if (p.week > ledger.usedRows())
            return notPaid("Week " + std::to_string(p.week) + " is past the last week of " + row.user +
                           "'s ledger (" + std::to_string(ledger.usedRows()) + "). " + kNothingWritten);
        if (YtdLedger::holdsPeriod(ledger.row(slot))) {
            held = ledger.row(slot);
            // The period is worked out as if its week were empty: the year-to-date bases of
            // Social Security, SDI and SUI must not count the period being replaced.
            ledger.DeleteRow(slot);
        }
    }

    // The calculation, as ADD makes it: the state, profile and city files read afresh.
    for (const FileOutcome& outcome : reloadPeriodFiles(files, employee))
        note(outcome);
    if (fault)
        return notPaid(kNothingWritten);
    std::array<std::string, 8> entries = p.entries;
    const PeriodCalculation calculated = calculatePeriod(entries, !p.ot2x, employee, m_federal);
    if (calculated.refused) {
        tell(*calculated.refused);
        return notPaid(kNothingWritten);
    }
    PayPeriodResult result = calculated.result;
    // A negative period is a correction, made on the pay form where the clerk sees it.
    if (result.GrossPay < 0 || result.NetPay < 0) {
        if (m_options.deposits && employee.deposit)
            line.depositProblem = "the net pay " + format(result.NetPay, "$#,###.00") + " is below 0 and cannot be deposited";
        return notPaid("The period's " + std::string(result.GrossPay < 0 ? "gross" : "net") + " pay is " +
                       format(result.GrossPay < 0 ? result.GrossPay : result.NetPay, "$#,###.00") +
                       ", below 0: a correction is made on the pay form, not paid from a sheet. " + kNothingWritten);
    }
    const PayPeriodLabels& labels = calculated.labels;
    CleartxtBox(entries);
    const PayPeriodResult& shown = calculated.shown;
    const auto& deductionLabels = employee.profile.DeductLabel;

    bool alreadyPaid = false;
    if (held) {
        // The week holds this very period when pasting it would give the week the values it holds
        // now, as read: how the file spells them (line ends, quotes) does not matter.
        YtdLedger trial = ledger;
        const YtdLedger::Paste paste = trial.pastePeriod(m_folder, row.user, deductionLabels, slot, shown, p.date, false);
        alreadyPaid = paste.saved && YtdLedger::samePeriod(trial.row(slot), *held);
        if (!alreadyPaid && !m_options.overwrite)
            return notPaid("Week " + std::to_string(p.week) + " of the ledger already holds " + YtdLedger::heldPeriodText(*held) +
                           ". " + kNothingWritten);
    }

    if (!alreadyPaid) {
        // The closing save, then the ledger frame's paste closed with Yes.
        const StoreSave saved = saveEmployee(files, row.user, employee, damaged);
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
    if (m_options.deposits && employee.deposit) {
        line.deposit = employee.deposit;
        // The profile's name, unless it was never filled in.
        line.depositName = employee.profile.EmpName == EmployeeProfile{}.EmpName ? row.user : employee.profile.EmpName;
        line.note += (line.note.empty() ? "" : "; ") + depositWords(*employee.deposit);
    }

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
        StatementHeading heading = periodHeading(m_header, row.user, employee.profile.EmpSsn, m_clock(), p.date);
        if (line.deposit)
            heading.deposit = depositWords(*line.deposit);
        PrintText(m_statementsOut ? *m_statementsOut : m_statements, heading, periodFigures(texts, employee.profile, result, ledger.totals()));
        if (line.deposit) {
            line.message = said;
            return line; // paid into the account: no check
        }

        PayCheck check;
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
