#include "screens/frmPaydayScreen.h"

#include "app/PaydayDeposits.h"
#include "app/WeekDate.h"
#include "text/FileStore.h"
#include "text/Words.h"
#include "text/Numbers.h"

#include <utility>

namespace tallyrin {
frmPaydayScreen::frmPaydayScreen(Operator& op, std::filesystem::path folder, Clock clock)
    : lbFolder(folder.string())
    , m_op(op)
    , m_folder(std::move(folder))
    , m_clock(std::move(clock))
{
    txtDate = weekDateText(m_clock());
}

PaydayOptions frmPaydayScreen::options() const
{
    PaydayOptions o;
    o.date = txtDate;
    o.fedJan = ckFedJan;
    o.paste = ckPaste;
    o.overwrite = ckPaste && ckOverwrite;
    o.backup = backupWriter;
    o.deposits = !lbDepositFile.empty();
    return o;
}

void frmPaydayScreen::cmdChoose_Click()
{
    const auto chosen = m_op.chooseOpenFile(kFilter);
    if (!chosen)
        return;
    HoursSheetReading reading = readHoursSheetFile(*chosen);
    if (!reading.sheet) {
        m_op.message("The hours sheet\r\n" + *chosen + "\r\ncannot be used: " + reading.problem + ".\r\nNothing was paid.",
                     Icon::Exclamation);
        return;
    }
    lbSheet = *chosen;
    m_sheet = std::move(*reading.sheet);
    m_run.reset();
    summary.clear();
    lbTotals.clear();
    canPrint = false;
    optionsChanged();
}

void frmPaydayScreen::optionsChanged()
{
    if (lbSheet.empty() || m_run)
        return;
    rows.clear();
    if (!txtDate.empty() && !parseWeekDate(txtDate)) {
        canRun = false;
        for (const HoursRow& row : m_sheet.rows)
            rows.push_back({std::to_string(row.line), row.user, "the date box does not hold a date MM/DD/YYYY"});
        return;
    }
    const PaydayRun plan(m_folder, m_sheet, options(), m_clock);
    for (size_t i = 0; i < plan.size(); ++i)
        rows.push_back({std::to_string(m_sheet.rows[i].line), m_sheet.rows[i].user, plan.planned(i)});
    canRun = plan.size() > 0;
}

void frmPaydayScreen::cmdRun_Click(const std::function<void(int, int)>& progress)
{
    if (!canRun)
        return;
    canRun = false;
    PaydayOptions o = options();
    if (!o.date.empty())
        o.date = weekDateText(*parseWeekDate(o.date));
    m_run = std::make_unique<PaydayRun>(m_folder, m_sheet, o, m_clock);
    if (std::string problem; !m_run->start(problem)) {
        std::string shown = problem;
        for (size_t at; (at = shown.find('\n')) != std::string::npos;)
            shown.replace(at, 1, "\r\n");
        m_op.message(shown, Icon::Exclamation);
    }
    const int total = static_cast<int>(m_run->size());
    while (!m_run->finished()) {
        m_run->runNext();
        if (progress)
            progress(static_cast<int>(m_run->done()), total);
    }
    // The deposit file under the folder's lock, like everything the run writes; the prints go to a
    // printer later, when asked.
    std::string deposits;
    if (!lbDepositFile.empty()) {
        bool written = false;
        const PaydayDeposits d = writePaydayDeposits(m_folder, m_run->lines(), o.date, lbDepositFile, written);
        if (written) {
            deposits = "\r\nThe deposit file of " + std::to_string(d.entries) + (d.entries == 1 ? " deposit, " : " deposits, ") +
                       format(d.total, "$#,###.00") + " for " + d.date + ", is written to " + lbDepositFile + ".";
        } else if (d.nobody) {
            deposits = "\r\nNobody paid has a deposit account: no deposit file was written.";
        } else {
            std::string lines;
            for (const std::string& p : d.problems)
                lines += "\r\n" + p;
            deposits = "\r\nThe deposit file was NOT written.";
            m_op.message("The deposit file\r\n" + lbDepositFile + "\r\nwas not written:" + lines +
                             "\r\nThe rows are paid as the summary says. Put this right and run the sheet again: "
                             "the rows already paid are not paid twice.",
                         Icon::Exclamation);
        }
    }
    m_run->releaseFolder();
    summary.clear();
    for (const PaydayLine& line : m_run->lines()) {
        std::string message = line.message.empty() ? line.note : line.message;
        for (char& c : message)
            if (c == '\n')
                c = ' ';
        summary.push_back({line.user, line.gross, line.taxes, line.deductions, line.net, message});
    }
    const PaydayTotals& t = m_run->totals();
    lbTotals = "Totals: gross " + format(t.gross, "$#,###.00") + ", taxes " + format(t.taxes, "$#,###.00") +
               ", deductions " + format(t.deductions, "$#,###.00") + ", net pay " + format(t.net, "$#,###.00") + "; " +
               std::to_string(t.paid) + " paid, " + std::to_string(t.alreadyPaid) + " already paid, " +
               std::to_string(t.notPaid) + " not paid";
    if (!m_run->backupFile().empty())
        lbTotals += "\r\nThe folder as it was before the payday is backed up in " + m_run->backupFile().string() +
                    " (File > Restore... undoes the payday).";
    lbTotals += deposits;
    canPrint = t.paid + t.alreadyPaid > 0;
}

void frmPaydayScreen::cmdDepositFile_Click()
{
    if (!chooseSaveFile)
        return;
    const std::string proposed = (m_folder / ("Deposit-" + digitsOf(txtDate) + ".ach")).string();
    const auto chosen = chooseSaveFile(lbDepositFile.empty() ? proposed : lbDepositFile);
    if (!chosen)
        return;
    // Told now, before anyone is paid, rather than after the run.
    if (const auto refused = refusedOutput(*chosen)) {
        m_op.message("The deposit file cannot be\r\n" + *chosen + "\r\n" + *refused + ".", Icon::Exclamation);
        return;
    }
    lbDepositFile = *chosen;
    optionsChanged();
}

void frmPaydayScreen::cmdChecksOnly_Click()
{
    lbDepositFile.clear();
    optionsChanged();
}

void frmPaydayScreen::print(PrintDevice& device, const PrintDocument& document, const std::string& kind)
{
    if (!canPrint || document.empty())
        return;
    // Named after what it holds: the period date of the rows printed (the sheet's own dates
    // before the dialog's).
    std::string date;
    for (const PaydayLine& line : m_run->lines())
        if ((line.paid || line.alreadyPaid) && date.empty())
            date = line.date;
    const std::string name = printDocumentName("Payday", date.empty() ? m_run->options().date : date, kind);
    if (!device.choosePrinter(name))
        return; // Cancel prints nothing
    if (!device.print(document, name))
        m_op.message("The " + kind + " could not be printed.", Icon::Exclamation);
}

void frmPaydayScreen::cmdPrintStatements_Click(PrintDevice& device)
{
    if (m_run)
        print(device, m_run->statements(), "statements");
}

void frmPaydayScreen::cmdPrintChecks_Click(PrintDevice& device)
{
    if (m_run)
        print(device, m_run->checks(), "checks");
}

} // namespace tallyrin
