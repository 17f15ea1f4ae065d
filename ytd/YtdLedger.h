// The employee's year-to-date ledger: 52 row slots of pay-period amounts and the year's totals,
// the texts of the ledger grid and of the totals window, and the operations behind them
// (paste a period, clear a row, copy the grid back, recompute the totals, read and save).
#pragma once

#include "engine/PayPeriod.h"
#include "text/Currency.h"
#include "text/FileOutcome.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tallyrin {

inline constexpr int kLedgerSlots = 52;
inline constexpr int kWeeklyRows = 52;
inline constexpr int kBiWeeklyRows = 26;

// One pay period in the ledger; every amount is single precision.
struct YtdRow
{
    std::string Date; // the period-ending date text pasted into the row, "0" after clearing
    float Federal = 0;
    float SocSec = 0;
    float Medicare = 0;
    float State = 0;
    float City = 0;
    float CreditUnion = 0; // deduction label 5
    float Bond = 0;        // deduction label 6
    float Dues = 0;        // deduction label 7
    float Pension = 0;     // deduction label 8
    float Misc = 0;        // deduction label 9
    float KPlan = 0;
    float Overtime = 0;
    float Gross = 0;
    float Net = 0;
    float Sdi = 0; // Sdi, Sui and Cafeteria are kept per row but not shown in the grid
    float Sui = 0;
    float Cafeteria = 0;
    float Tips = 0;
};

struct YtdTotals
{
    float Federal = 0;
    float SocSec = 0;
    float Medicare = 0;
    float State = 0;
    float City = 0;
    float CreditUnion = 0;
    float Bond = 0;
    float Dues = 0;
    float Pension = 0;
    float Misc = 0;
    float KPlan = 0;
    Currency Overtime;
    Currency Gross;
    Currency Net;
    Currency Tips;
    // Sums over all 52 slots whatever the frequency; never stored in the file.
    float Sdi = 0;
    float Sui = 0;
    float Cafeteria = 0;
};

// The ledger's amounts, one list: the grid's columns left to right after the week number and the
// date (the first kYtdColumns), then the three that only the totals window shows.
enum class YtdAmount
{
    Federal,
    SocSec,
    Medicare,
    State,
    City,
    CreditUnion,
    Bond,
    Dues,
    Pension,
    Misc,
    KPlan,
    Tips,
    Overtime,
    Net,
    Gross,
    Cafeteria,
    Sdi,
    Sui,
};
inline constexpr int kYtdColumns = 15;
inline constexpr int kYtdAmounts = 18;
// The totals window's boxes in its order ("txtTot" 0 to 17): the first row from Federal to Gross,
// then the second row.
inline constexpr std::array<YtdAmount, kYtdAmounts> kYtdTotalsOrder{
    YtdAmount::Federal, YtdAmount::SocSec,   YtdAmount::Medicare, YtdAmount::State,     YtdAmount::City,
    YtdAmount::CreditUnion, YtdAmount::Bond, YtdAmount::Dues,     YtdAmount::Pension,   YtdAmount::Misc,
    YtdAmount::KPlan,   YtdAmount::Overtime, YtdAmount::Net,      YtdAmount::Gross,     YtdAmount::Cafeteria,
    YtdAmount::Sdi,     YtdAmount::Sui,      YtdAmount::Tips};
inline constexpr int kYtdFirstRowBoxes = 14; // Federal to Gross

// What the grid shows of one row slot.
struct YtdGridRow
{
    std::string date;
    std::array<std::string, kYtdColumns> cells{"0", "0", "0", "0", "0", "0", "0", "0",
                                               "0", "0", "0", "0", "0", "0", "0"};

    std::string& cell(YtdAmount c) { return cells[static_cast<size_t>(c)]; }
    const std::string& cell(YtdAmount c) const { return cells[static_cast<size_t>(c)]; }
};

// A ledger row's date "MM/DD/YYYY" (leading zeros optional) as month, day and year; nullopt for
// anything else.
std::optional<std::array<int, 3>> ledgerDate(const std::string& text);
// The warning for a period dated outside 2009, the year of the tables and of the reports, or
// with a date that is not one; nullopt for a 2009 date or no date at all.
std::optional<std::string> periodDateOutsideTaxYear(const std::string& date);

class YtdLedger
{
public:
    YtdLedger();

    static constexpr const char* kWeekHeading = "Week";
    static constexpr const char* kTotalsLabel = "TOTALS:";
    // The instruction shown under each half's heading and the week numbers' tool tip.
    static constexpr const char* kInstruction =
        "LEFT CLICK ON WEEK NUMBER TO PASTE IN DATA.     RIGHT CLICK TO DELETE ROW";
    static constexpr const char* kWeekToolTip = "Click on a week number to paste in data.";
    static constexpr const char* kNonNumberMessage = "CHECK YOUR ENTRY FOR NON NUMBER TYPE";

    // The pay frequency of the open employee decides the file extension and the rows in use.
    void setBiWeekly(bool biWeekly) { m_biWeekly = biWeekly; }
    bool biWeekly() const { return m_biWeekly; }
    int usedRows() const { return m_biWeekly ? kBiWeeklyRows : kWeeklyRows; }
    static std::string extension(bool biWeekly) { return biWeekly ? ".yrb" : ".yrw"; }
    std::filesystem::path filePath(const std::filesystem::path& folder, const std::string& user) const;

    // ---- Operations of the ledger window ----

    // Reads "<folder>/<user>.yrw" (or ".yrb"): recomputes the totals from the rows held, then,
    // when the file can be read, replaces the used rows and the stored totals with the file's, and
    // shows the rows in the grid as plain text. A missing file leaves everything as it was. A
    // corrupt file leaves the ledger as it was and returns the corrupt-file message.
    FileOutcome readLedger(const std::filesystem::path& folder, const std::string& user);
    // Reading for an employee being opened: without a ledger file the ledger is cleared, so the
    // previous employee's rows and year-to-date gross do not carry over to this one.
    FileOutcome openEmployee(const std::filesystem::path& folder, const std::string& user);
    // Reads the ledger, then shows every amount of the grid formatted "#####.00".
    FileOutcome fillBoxes(const std::filesystem::path& folder, const std::string& user);

    // Recomputes the totals from the rows and shows them in the totals window. Returns the
    // message to show (empty when all went well); on failure the totals stay as they were.
    std::string AddAnnual();
    // Copies the current period into grid row `slot` (0-based), then Update and AddAnnual.
    std::string PasteMe(int slot, const PayPeriodResult& result, const std::string& periodDate);
    // Clears grid row `slot` to "0" and its SDI, SUI and cafeteria, then Update and AddAnnual.
    std::string DeleteRow(int slot);
    // Copies the grid and the totals window into the ledger; text that is not a number counts 0.
    void Update();
    // Recomputes the totals, then writes the file. Returns the message to show (empty when the
    // file was written); a failed write leaves the old file whole.
    std::string SaveAnnual(const std::filesystem::path& folder, const std::string& user);
    // A period pasted as the ledger frame pastes it: the frame's opening (the employee's deduction
    // labels, the file read, the grid copied back, the totals), the period into row `slot`, then
    // the close with Yes (a damaged file kept aside, the file written). With `write` false nothing
    // is written and `written` gets the text the save would write. The messages to show, one per
    // step that had something to say, and whether the ledger was saved (or would be).
    struct Paste
    {
        std::vector<std::string> messages;
        bool saved = false;
    };
    Paste pastePeriod(const std::filesystem::path& folder, const std::string& user,
                      const std::array<std::string, 5>& labels, int slot, const PayPeriodResult& period,
                      const std::string& date, bool write = true, std::string* written = nullptr);
    // What SaveAnnual would write, without writing it; nullopt with `message` when the totals
    // cannot be recomputed.
    std::optional<std::string> textToSave(std::string& message);
    // Before a save replaces a ledger file that could not be read whole when it was last read, the
    // file is kept beside itself ("<file>.damaged"). The message to show (empty when there was
    // nothing to keep); failed when it could not be kept, and the save must not run.
    FileOutcome keepDamagedFile(const std::filesystem::path& folder, const std::string& user);
    // Sets every used row to "0", zeroes the SDI, SUI, cafeteria and tips sums, then Update and
    // AddAnnual. Nothing is written.
    std::string ClearAll();

    // What the ledger's frame does on opening: the profile's frequency and deduction labels, the
    // totals shown plain, the rows and totals read from the file and summed. The messages to show,
    // in order: a failed read's, otherwise the totals'.
    std::vector<std::string> openForFrame(const std::filesystem::path& folder, const std::string& user, bool biWeekly,
                                          const std::array<std::string, 5>& labels);

    // ---- The record ----
    const YtdRow& row(int slot) const { return m_rows.at(static_cast<size_t>(slot)); }
    // Whether a row holds a period: its date is set, or any of its amounts is not 0 (a row typed
    // in by hand may carry amounts without a date).
    static bool holdsPeriod(const YtdRow& row);
    // Whether two rows hold the same period: the same date text and every amount equal.
    static bool samePeriod(const YtdRow& a, const YtdRow& b);
    // How a message names the period a row holds: "the period MM/DD/YYYY", or by its amounts
    // when it has no date.
    static std::string heldPeriodText(const YtdRow& row);
    const YtdTotals& totals() const { return m_totals; }
    // The gross-pay total: the year-to-date gross of Social Security, SDI and SUI.
    Currency ytdGross() const { return m_totals.Gross; }

    // The ledger file's text (211 lines weekly, 107 bi-weekly) for the given rows and the held totals.
    std::string fileContent(const std::array<YtdRow, kLedgerSlots>& rows) const;
    std::string fileContent() const { return fileContent(m_rows); }

    // ---- Screen texts ----
    std::array<YtdGridRow, kLedgerSlots> grid;
    std::array<std::string, kYtdAmounts> totalsBox;
    std::array<std::string, 5> deductionLabels{"CrUnion", "Bond", "Dues", "Pension", "Misc."};

    std::string& box(YtdAmount b) { return totalsBox[static_cast<size_t>(b)]; }
    const std::string& box(YtdAmount b) const { return totalsBox[static_cast<size_t>(b)]; }
    // Grid headings left to right: "Week" over the dates, then one per amount column.
    std::string heading(YtdAmount c) const;
    // Totals window headings of the first row (Federal ... Gross).
    std::string totalsHeading(YtdAmount b) const;

    // The totals window on loading: every box as the total's plain text.
    void showTotalsPlain();

private:
    void showRowsPlain();
    void showTotalsMasked();
    bool validSlot(int slot) const { return slot >= 0 && slot < usedRows(); }

    // A running sum as the totals window gives it back (its text read again), remembered by the
    // sum's bits: a paste sums the same rows again after each of its steps.
    std::optional<float> runningSum(float total, float add);

    bool m_biWeekly = false;
    bool m_damagedOnRead = false;
    std::array<YtdRow, kLedgerSlots> m_rows{};
    // The used rows' dates and amounts as the grid holds them, into `rows`.
    void gridInto(std::array<YtdRow, kLedgerSlots>& rows) const;
    YtdTotals m_totals;
    struct RoundTrip
    {
        uint32_t bits = 0;
        bool known = false;
        std::optional<float> value;
    };
    std::array<RoundTrip, 1024> m_roundTrips{};
};

} // namespace tallyrin
