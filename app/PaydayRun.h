// Payday for the whole staff: each row of an hours sheet paid as the operator pays one employee
// (Open, the entries, ADD with its closing save, the ledger paste saved as a close with Yes), the
// statements and checks of everyone paid gathered into two documents, and a summary of the run.
#pragma once

#include "app/Clock.h"
#include "app/HoursSheet.h"
#include "text/Archive.h"
#include "employee/CompanyHeader.h"
#include "employee/DepositAccount.h"
#include "engine/FederalTables.h"
#include "engine/PayCalculation.h"
#include "print/PrintSurface.h"
#include "text/Currency.h"
#include "text/FolderLock.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tallyrin {

struct PaydayOptions
{
    std::string date;      // the period date of rows without one of their own, "MM/DD/YYYY"
    bool fedJan = false;   // "Fed Tax Prior to April"
    bool paste = false;    // paste each period into its row's ledger week and save the ledger
    bool overwrite = false; // allow pasting into a week that already holds a period
    bool prints = true;    // lay out each employee's statement and check
    // Employees with a deposit account are paid into it: their statements say so and they get no
    // check (the bank's file is made from the lines, PaydayDeposits). Without it everyone gets a check.
    bool deposits = false;
    std::chrono::milliseconds lockWait = kLockWait; // how long to wait for a folder another run holds
    // With `paste`: the folder is backed up into Backups/ with this writer before anyone is paid,
    // and a failed backup stops the run. Empty: no backup (--no-backup).
    ArchiveWriter backup = {};
};

// One row of the sheet after the run.
struct PaydayLine
{
    int line = 0; // the sheet line
    std::string user;
    bool paid = false;        // calculated, saved and (with the paste) pasted in this run
    bool alreadyPaid = false; // the ledger week already held this very period: printed again only
    int week = 0;      // the ledger week pasted into, 0 when none
    std::string date;  // the period date used
    // GrossPay, TaxDeduct, TotDeduct and NetPay in "$#,###.00"; empty when not paid.
    std::string gross, taxes, deductions, net;
    std::vector<std::pair<std::string, std::string>> labels; // the pay form's result labels
    // With PaydayOptions::deposits: the account the net pay goes to, when the employee has one,
    // and the name the bank is given. A deposit file that could not be read: what is wrong with it.
    std::optional<DepositAccount> deposit;
    std::string depositName;
    std::string depositProblem;
    // What the row's employee had to be told (what went wrong), lines joined by "\n"; empty when
    // nothing.
    std::string message;
    // What the summary says of a row that went well beyond a plain payment ("already paid", "Direct
    // deposit to account ending 1234").
    std::string note;
};

struct PaydayTotals
{
    int paid = 0;
    int alreadyPaid = 0;
    int notPaid = 0;
    // Sums of the amounts as the lines show them.
    Currency gross, taxes, deductions, net;
};

// The pay form's result labels by name, in the command line's order: Label13, lbTaxes, lbDeduct,
// lbNet, lbOverT, lbTips, lbTaxDed_0 .. lbTaxDed_10, lbSDI, lbSUI, lbCafe, lbTaxVer.
std::vector<std::pair<std::string, std::string>> payFormLabels(const PayPeriodLabels& labels, const std::string& taxVersion);

class PaydayRun
{
public:
    // `folder` is the working folder holding the employees' files and the federal tables.
    PaydayRun(std::filesystem::path folder, HoursSheet sheet, PaydayOptions options, Clock clock = systemToday);

    size_t size() const { return m_sheet.rows.size(); }
    size_t done() const { return m_lines.size(); }
    bool finished() const { return done() == size(); }
    const HoursSheet& sheet() const { return m_sheet; }
    const PaydayOptions& options() const { return m_options; }

    // What the run will do with row `index`, from the sheet and the folder alone (nothing is
    // opened): "pay", "pay, paste into week 12", or "not paid: " and the reason.
    std::string planned(size_t index) const;

    // Reads the federal tables and the company header, which every row needs, and takes the working
    // folder's lock for the whole run: it is held until releaseFolder, or until the run is gone,
    // so a caller puts the run's prints in place before another run may start. False, with the
    // problem, when the run cannot start: then nothing is written and every row is not paid.
    // runNext starts the run when it was not started.
    bool start(std::string& problem);

    // Pays the next row; nothing when the run is finished.
    void runNext();
    void runAll();
    // Lets other runs and saves at the working folder again.
    void releaseFolder() { m_lock.reset(); }

    const std::vector<PaydayLine>& lines() const { return m_lines; }
    const PaydayTotals& totals() const { return m_totals; }
    // The backup taken before the run (empty when none was taken).
    const std::filesystem::path& backupFile() const { return m_backupFile; }
    // True when the run could not start, or some row was not paid or met a fault.
    bool faults() const;
    // One statement page and one check page per employee paid, in the order of the sheet.
    const PrintDocument& statements() const { return m_statements; }
    const PrintDocument& checks() const { return m_checks; }
    // Lays each statement and check out onto these surfaces as its row is paid (a PDF written page
    // by page) instead of keeping them in statements() and checks(); given before the run.
    void streamPrints(PrintSurface& statements, PrintSurface& checks)
    {
        m_statementsOut = &statements;
        m_checksOut = &checks;
    }

private:
    struct RowPlan
    {
        std::string problem; // why the row cannot be paid; empty when it can
        std::array<std::string, 8> entries;
        bool ot2x = false;
        int week = 0;
        std::string date;
    };
    RowPlan plan(const HoursRow& row) const;
    PaydayLine pay(const HoursRow& row);

    std::filesystem::path m_folder;
    HoursSheet m_sheet;
    PaydayOptions m_options;
    Clock m_clock;
    std::vector<PaydayLine> m_lines;
    PaydayTotals m_totals;
    PrintDocument m_statements;
    PrintDocument m_checks;
    PrintSurface* m_statementsOut = nullptr; // streamed prints; nullptr keeps them in the documents
    PrintSurface* m_checksOut = nullptr;
    FederalTables m_federal;  // read once for the run
    CompanyHeader m_header;   // the statements' company header, read once for the run
    bool m_started = false;
    std::string m_startProblem;
    std::optional<FolderLock> m_lock;
    std::filesystem::path m_backupFile;
};

} // namespace tallyrin
