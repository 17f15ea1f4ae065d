#include "ytd/YtdLedger.h"

#include "text/FileMessages.h"
#include "text/SettingsFormat.h"

#include "text/FileStore.h"
#include "text/FolderLock.h"
#include "text/Numbers.h"
#include "text/SettingsFile.h"

#include <cmath>
#include <cstring>
#include <optional>

namespace tallyrin {
namespace {

constexpr const char* kLedgerMask = "#####.00";

using RowField = float YtdRow::*;
using TotalField = float YtdTotals::*;

// Every amount of the ledger once, in YtdAmount order: its row field, its heading (deduction
// labels 5 to 9 stand for the five deductions) and its totals box's own caption where it differs.
struct LedgerAmount
{
    RowField row;
    const char* heading;
    int label; // the deduction label shown instead of a heading, -1 for none
    const char* totalsCaption = nullptr;
};
constexpr LedgerAmount kAmounts[] = {
    {&YtdRow::Federal, "Federal", -1},
    {&YtdRow::SocSec, "SS", -1},
    {&YtdRow::Medicare, "Medi", -1},
    {&YtdRow::State, "State", -1},
    {&YtdRow::City, "City", -1},
    {&YtdRow::CreditUnion, "", 0},
    {&YtdRow::Bond, "", 1},
    {&YtdRow::Dues, "", 2},
    {&YtdRow::Pension, "", 3},
    {&YtdRow::Misc, "", 4},
    {&YtdRow::KPlan, "K-Plan", -1},
    {&YtdRow::Tips, "Tips", -1, "Tips:"},
    {&YtdRow::Overtime, "OT", -1},
    {&YtdRow::Net, "Net", -1},
    {&YtdRow::Gross, "Gross", -1},
    {&YtdRow::Cafeteria, "Cafeteria Plan:", -1},
    {&YtdRow::Sdi, "SDI:", -1},
    {&YtdRow::Sui, "SUI:", -1},
};
static_assert(std::size(kAmounts) == kYtdAmounts);

// The grid's amount columns, the table's first rows.
constexpr std::array<RowField, kYtdColumns> kGridFields = [] {
    std::array<RowField, kYtdColumns> fields{};
    for (size_t c = 0; c < fields.size(); ++c)
        fields[c] = kAmounts[c].row;
    return fields;
}();

// The row's amounts in file order after the date: four lines of 4, 5, 5 and 4 items.
constexpr std::array<RowField, 18> kFileFields{
    &YtdRow::Federal, &YtdRow::SocSec,      &YtdRow::Medicare,  &YtdRow::State, // line 1, after the date
    &YtdRow::City,    &YtdRow::CreditUnion, &YtdRow::Bond,      &YtdRow::Dues,  &YtdRow::Pension,
    &YtdRow::Misc,    &YtdRow::KPlan,       &YtdRow::Overtime,  &YtdRow::Gross, &YtdRow::Net,
    &YtdRow::Sdi,     &YtdRow::Sui,         &YtdRow::Cafeteria, &YtdRow::Tips};
// Index in kFileFields after which a row's line ends.
constexpr bool endsLine(size_t i) { return i == 3 || i == 8 || i == 13 || i == 17; }

// A total of the ledger and the amount it sums (its row field and its box).
template <class T> struct LedgerTotal
{
    T YtdTotals::*total;
    YtdAmount box;
    RowField row() const { return kAmounts[static_cast<size_t>(box)].row; }
};
// The eleven single-precision totals, in file order.
constexpr std::array<LedgerTotal<float>, 11> kSingleTotals{{
    {&YtdTotals::Federal, YtdAmount::Federal},
    {&YtdTotals::SocSec, YtdAmount::SocSec},
    {&YtdTotals::Medicare, YtdAmount::Medicare},
    {&YtdTotals::State, YtdAmount::State},
    {&YtdTotals::City, YtdAmount::City},
    {&YtdTotals::CreditUnion, YtdAmount::CreditUnion},
    {&YtdTotals::Bond, YtdAmount::Bond},
    {&YtdTotals::Dues, YtdAmount::Dues},
    {&YtdTotals::Pension, YtdAmount::Pension},
    {&YtdTotals::Misc, YtdAmount::Misc},
    {&YtdTotals::KPlan, YtdAmount::KPlan},
}};
// File order of the last totals line after K-Plan: overtime, gross, net, tips.
constexpr std::array<LedgerTotal<Currency>, 4> kCurrencyTotals{{
    {&YtdTotals::Overtime, YtdAmount::Overtime},
    {&YtdTotals::Gross, YtdAmount::Gross},
    {&YtdTotals::Net, YtdAmount::Net},
    {&YtdTotals::Tips, YtdAmount::Tips},
}};
// The SDI, SUI and cafeteria sums, which the file keeps no total of: they run over every slot.
constexpr std::array<LedgerTotal<float>, 3> kSlotSums{{
    {&YtdTotals::Sdi, YtdAmount::Sdi},
    {&YtdTotals::Sui, YtdAmount::Sui},
    {&YtdTotals::Cafeteria, YtdAmount::Cafeteria},
}};

// A grid cell or totals box read back: text that is not a number counts 0.
float cellSingle(const std::string& text) { return fullSingle(text).value_or(0.0f); }

Currency cellCurrency(const std::string& text) { return fullCurrency(text).value_or(Currency()); }

// The running single total keeps only what its shortest decimal text holds (about seven
// significant digits): 123456.7 + 0.01 stays 123456.7. nullopt when the sum is no longer a number.

std::optional<Currency> addCurrency(Currency total, float add)
{
    const auto value = Currency::fromSingle(add);
    if (!value)
        return std::nullopt;
    int64_t count = 0;
    if (__builtin_add_overflow(total.count(), value->count(), &count))
        return std::nullopt;
    // A currency sum's decimal text is exact, so passing it through its text changes nothing.
    return Currency::fromCount(count);
}

// The file's layout, for reading and writing alike: each used row (its date, then its amounts over
// four lines), then the eleven single totals over three lines and the four currency totals.
template <class IO, class Rows, class Totals> void ledgerItems(IO& io, Rows& rows, Totals& totals, int usedRows)
{
    for (size_t i = 0; i < static_cast<size_t>(usedRows); ++i) {
        auto& row = rows[i];
        io.text(row.Date);
        for (size_t f = 0; f < kFileFields.size(); ++f) {
            io.single(row.*kFileFields[f]);
            if (endsLine(f))
                io.endRecord();
        }
    }
    for (size_t t = 0; t < kSingleTotals.size(); ++t) {
        io.single(totals.*kSingleTotals[t].total);
        if (t == 4 || t == 9)
            io.endRecord();
    }
    for (const auto& t : kCurrencyTotals)
        io.currency(totals.*t.total);
    io.endRecord();
}

} // namespace

YtdLedger::YtdLedger() { showTotalsPlain(); }

std::filesystem::path YtdLedger::filePath(const std::filesystem::path& folder, const std::string& user) const
{
    return folder / (user + extension(m_biWeekly));
}

std::string YtdLedger::heading(YtdAmount c) const
{
    const LedgerAmount& a = kAmounts[static_cast<size_t>(c)];
    return a.label >= 0 ? deductionLabels[static_cast<size_t>(a.label)] : a.heading;
}

std::string YtdLedger::totalsHeading(YtdAmount b) const
{
    const LedgerAmount& a = kAmounts[static_cast<size_t>(b)];
    return a.totalsCaption ? a.totalsCaption : heading(b);
}

void YtdLedger::showTotalsPlain()
{
    for (const auto& t : kSingleTotals)
        box(t.box) = screenText(m_totals.*t.total);
    for (const auto& t : kCurrencyTotals)
        box(t.box) = (m_totals.*t.total).screenText();
    for (const auto& t : kSlotSums)
        box(t.box) = screenText(m_totals.*t.total);
}

void YtdLedger::showTotalsMasked()
{
    for (const auto& t : kSingleTotals)
        box(t.box) = format(m_totals.*t.total, kLedgerMask);
    for (const auto& t : kCurrencyTotals)
        box(t.box) = format(m_totals.*t.total, kLedgerMask);
    for (const auto& t : kSlotSums)
        box(t.box) = format(m_totals.*t.total, kLedgerMask);
}

void YtdLedger::showRowsPlain()
{
    for (int i = 0; i < usedRows(); ++i) {
        const auto& row = m_rows[static_cast<size_t>(i)];
        auto& g = grid[static_cast<size_t>(i)];
        g.date = row.Date;
        for (size_t c = 0; c < kGridFields.size(); ++c)
            g.cells[c] = screenText(row.*kGridFields[c]);
    }
}

std::optional<float> YtdLedger::runningSum(float total, float add)
{
    const auto sum = static_cast<float>(static_cast<double>(total) + static_cast<double>(add));
    if (!std::isfinite(sum))
        return std::nullopt;
    uint32_t bits = 0;
    std::memcpy(&bits, &sum, sizeof bits);
    RoundTrip& slot = m_roundTrips[(bits ^ (bits >> 10)) % m_roundTrips.size()];
    if (!slot.known || slot.bits != bits)
        slot = {bits, true, screenRoundTrip(sum)};
    return slot.value;
}

std::string YtdLedger::AddAnnual()
{
    // Computed aside and kept only when every sum is a number, so a failure leaves the totals whole.
    YtdTotals sums;
    for (int i = 0; i < usedRows(); ++i) {
        const auto& row = m_rows[static_cast<size_t>(i)];
        for (const auto& t : kSingleTotals) {
            const auto sum = runningSum(sums.*t.total, row.*t.row());
            if (!sum)
                return kNonNumberMessage;
            sums.*t.total = *sum;
        }
        for (const auto& t : kCurrencyTotals) {
            const auto sum = addCurrency(sums.*t.total, row.*t.row());
            if (!sum)
                return kNonNumberMessage;
            sums.*t.total = *sum;
        }
    }
    // The SDI, SUI and cafeteria sums run over every slot, whatever the frequency, without the
    // text round trip.
    for (const auto& t : kSlotSums) {
        float sum = 0;
        for (const auto& row : m_rows)
            sum = static_cast<float>(static_cast<double>(sum) + static_cast<double>(row.*t.row()));
        if (!std::isfinite(sum))
            return kNonNumberMessage;
        sums.*t.total = sum;
    }
    m_totals = sums;
    showTotalsMasked();
    return {};
}

void YtdLedger::gridInto(std::array<YtdRow, kLedgerSlots>& rows) const
{
    for (int i = 0; i < usedRows(); ++i) {
        auto& row = rows[static_cast<size_t>(i)];
        const auto& g = grid[static_cast<size_t>(i)];
        row.Date = g.date;
        for (size_t c = 0; c < kGridFields.size(); ++c)
            row.*kGridFields[c] = cellSingle(g.cells[c]);
    }
}

void YtdLedger::Update()
{
    gridInto(m_rows);
    for (const auto& t : kSingleTotals)
        m_totals.*t.total = cellSingle(box(t.box));
    for (const auto& t : kCurrencyTotals)
        m_totals.*t.total = cellCurrency(box(t.box));
}

std::optional<std::array<int, 3>> ledgerDate(const std::string& text)
{
    int parts[3] = {0, 0, 0};
    size_t part = 0;
    bool digits = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            parts[part] = parts[part] * 10 + (c - '0');
            digits = true;
            if (parts[part] > 9999)
                return std::nullopt;
        } else if (c == '/' && digits && part < 2) {
            ++part;
            digits = false;
        } else {
            return std::nullopt;
        }
    }
    if (part != 2 || !digits || parts[0] < 1 || parts[0] > 12 || parts[1] < 1 || parts[1] > 31)
        return std::nullopt;
    return std::array<int, 3>{parts[0], parts[1], parts[2]};
}


std::optional<std::string> periodDateOutsideTaxYear(const std::string& date)
{
    if (date.empty())
        return std::nullopt;
    const auto read = ledgerDate(date);
    if (!read)
        return "The period date \"" + date + "\" is not a date.";
    if ((*read)[2] != 2009)
        return "The period date " + date + " is not in 2009, the year of the tax tables. The year's reports leave it out.";
    return std::nullopt;
}

namespace {

constexpr float YtdRow::*kRowAmounts[] = {&YtdRow::Federal, &YtdRow::SocSec, &YtdRow::Medicare, &YtdRow::State,
                                          &YtdRow::City, &YtdRow::CreditUnion, &YtdRow::Bond, &YtdRow::Dues,
                                          &YtdRow::Pension, &YtdRow::Misc, &YtdRow::KPlan, &YtdRow::Overtime,
                                          &YtdRow::Gross, &YtdRow::Net, &YtdRow::Sdi, &YtdRow::Sui,
                                          &YtdRow::Cafeteria, &YtdRow::Tips};

bool dated(const YtdRow& row) { return !row.Date.empty() && row.Date != "0"; }

} // namespace

bool YtdLedger::holdsPeriod(const YtdRow& row)
{
    if (dated(row))
        return true;
    for (float YtdRow::*amount : kRowAmounts)
        if (row.*amount != 0)
            return true;
    return false;
}

bool YtdLedger::samePeriod(const YtdRow& a, const YtdRow& b)
{
    if (a.Date != b.Date)
        return false;
    for (float YtdRow::*amount : kRowAmounts)
        if (a.*amount != b.*amount)
            return false;
    return true;
}

std::string YtdLedger::heldPeriodText(const YtdRow& row)
{
    if (dated(row))
        return "the period " + row.Date;
    const auto amount = [](float value) { return format(value, "#,###.00"); };
    return "a period with no date (gross " + amount(row.Gross) + ", net " + amount(row.Net) + ", federal " +
           amount(row.Federal) + ", tips " + amount(row.Tips) + ", SDI " + amount(row.Sdi) + ")";
}

std::string YtdLedger::PasteMe(int slot, const PayPeriodResult& result, const std::string& periodDate)
{
    if (!validSlot(slot))
        return {};
    auto& g = grid[static_cast<size_t>(slot)];
    g.date = periodDate;
    g.cell(YtdAmount::Federal) = format(result.FedTax, kLedgerMask);
    g.cell(YtdAmount::SocSec) = format(result.SocSec, kLedgerMask);
    g.cell(YtdAmount::Medicare) = format(result.Medicare, kLedgerMask);
    g.cell(YtdAmount::State) = format(result.StateTax, kLedgerMask);
    g.cell(YtdAmount::City) = format(result.CityTax, kLedgerMask);
    g.cell(YtdAmount::CreditUnion) = format(result.CreditUnion, kLedgerMask);
    g.cell(YtdAmount::Bond) = format(result.Bond, kLedgerMask);
    g.cell(YtdAmount::Dues) = format(result.Dues, kLedgerMask);
    g.cell(YtdAmount::Pension) = format(result.PensionAmt, kLedgerMask);
    g.cell(YtdAmount::Misc) = format(result.Misc, kLedgerMask);
    g.cell(YtdAmount::KPlan) = format(result.KPlan, kLedgerMask);
    g.cell(YtdAmount::Overtime) = format(result.TotalOt, kLedgerMask);
    g.cell(YtdAmount::Tips) = format(result.TotalTips, kLedgerMask);
    g.cell(YtdAmount::Gross) = format(result.GrossPay, kLedgerMask);
    g.cell(YtdAmount::Net) = format(result.NetPay, kLedgerMask);

    // Not in the grid: rounded to the cent through the ledger mask straight into the row.
    auto& row = m_rows[static_cast<size_t>(slot)];
    row.Sdi = cellSingle(format(result.SdiTax, kLedgerMask));
    row.Sui = cellSingle(format(result.SuiTax, kLedgerMask));
    row.Cafeteria = cellSingle(format(result.Cafeteria, kLedgerMask));

    Update();
    return AddAnnual();
}

std::string YtdLedger::DeleteRow(int slot)
{
    if (!validSlot(slot))
        return {};
    auto& g = grid[static_cast<size_t>(slot)];
    g.date = "0";
    g.cells.fill("0");
    auto& row = m_rows[static_cast<size_t>(slot)];
    row.Sdi = row.Sui = row.Cafeteria = 0;
    Update();
    return AddAnnual();
}

std::string YtdLedger::ClearAll()
{
    for (int i = 0; i < usedRows(); ++i) {
        auto& g = grid[static_cast<size_t>(i)];
        g.date = "0";
        g.cells.fill("0");
    }
    m_totals.Sdi = m_totals.Sui = m_totals.Cafeteria = 0;
    m_totals.Tips = Currency();
    for (auto& row : m_rows)
        row.Sdi = row.Sui = row.Cafeteria = 0;
    box(YtdAmount::Sdi) = box(YtdAmount::Sui) = box(YtdAmount::Cafeteria) = box(YtdAmount::Tips) = "0";
    Update();
    return AddAnnual();
}

FileOutcome YtdLedger::readLedger(const std::filesystem::path& folder, const std::string& user)
{
    const std::string totalsMessage = AddAnnual();

    // Read aside: a corrupt file must not leave half of one year and half of another.
    auto rows = m_rows;
    YtdTotals totals = m_totals;
    FileOutcome read = loadSettingsFile(filePath(folder, user), FileMessageStyle::Ledger,
                                        [&](SettingsReader& in) { ledgerItems(in, rows, totals, usedRows()); });
    m_damagedOnRead = read.kind == FileOutcome::Kind::Corrupt;
    if (read.kind == FileOutcome::Kind::Done) {
        m_rows = rows;
        m_totals = totals;
        // The three slot sums are not in the file; they follow the rows just read.
        for (const auto& t : kSlotSums) {
            float sum = 0;
            for (const auto& row : m_rows)
                sum = static_cast<float>(static_cast<double>(sum) + static_cast<double>(row.*t.row()));
            m_totals.*t.total = sum;
        }
        showTotalsMasked();
    }
    if (!read.failed() && !totalsMessage.empty())
        read.lines = {totalsMessage};
    showRowsPlain();
    return read;
}

FileOutcome YtdLedger::openEmployee(const std::filesystem::path& folder, const std::string& user)
{
    ClearAll();
    return readLedger(folder, user);
}

FileOutcome YtdLedger::fillBoxes(const std::filesystem::path& folder, const std::string& user)
{
    auto result = readLedger(folder, user);
    for (int i = 0; i < usedRows(); ++i) {
        const auto& row = m_rows[static_cast<size_t>(i)];
        auto& g = grid[static_cast<size_t>(i)];
        for (size_t c = 0; c < kGridFields.size(); ++c)
            g.cells[c] = format(row.*kGridFields[c], kLedgerMask);
    }
    return result;
}

std::string YtdLedger::fileContent(const std::array<YtdRow, kLedgerSlots>& rows) const
{
    return settingsText([&](SettingsWriter& out) { ledgerItems(out, rows, m_totals, usedRows()); });
}

FileOutcome YtdLedger::keepDamagedFile(const std::filesystem::path& folder, const std::string& user)
{
    const auto path = filePath(folder, user);
    if (!m_damagedOnRead)
        return FileOutcome::done(path);
    const FileOutcome kept = keepAside(path);
    if (kept.failed())
        return FileOutcome::writeFailed(path, messages::notKeptAside(path.filename().string(), kept.message()));
    m_damagedOnRead = false;
    return FileOutcome::keptAside(path, messages::keptAside(path.filename().string(), kept.file.filename().string()));
}

std::optional<std::string> YtdLedger::textToSave(std::string& message)
{
    if (message = AddAnnual(); !message.empty())
        return std::nullopt;

    // Row amounts are written as the numbers in the grid cells; the hidden SDI, SUI and
    // cafeteria come from the rows.
    auto rows = m_rows;
    gridInto(rows);
    return fileContent(rows);
}

YtdLedger::Paste YtdLedger::pastePeriod(const std::filesystem::path& folder, const std::string& user,
                                         const std::array<std::string, 5>& labels, int slot,
                                         const PayPeriodResult& period, const std::string& date, bool write,
                                         std::string* written)
{
    Paste paste;
    const auto say = [&](const std::string& message) {
        if (!message.empty())
            paste.messages.push_back(message);
    };
    deductionLabels = labels;
    showTotalsPlain();
    const FileOutcome read = fillBoxes(folder, user);
    say(read.message());
    Update();
    const std::string totals = AddAnnual();
    if (read.lines.empty())
        say(totals);
    say(PasteMe(slot, period, date));
    Update();
    if (!write) {
        std::string message;
        const auto text = textToSave(message);
        say(message);
        if (text && written)
            *written = *text;
        paste.saved = text.has_value();
        return paste;
    }
    const FileOutcome kept = keepDamagedFile(folder, user);
    say(kept.message());
    if (kept.failed())
        return paste;
    const std::string failed = SaveAnnual(folder, user);
    say(failed);
    paste.saved = failed.empty();
    return paste;
}

std::string YtdLedger::SaveAnnual(const std::filesystem::path& folder, const std::string& user)
{
    std::string message;
    const auto text = textToSave(message);
    if (!text)
        return message;
    const auto path = filePath(folder, user);
    std::string error;
    const auto lock = FolderLock::acquire(folder, &error);
    if (lock) {
        const FileOutcome written = replaceFile(path, *text);
        if (!written.failed())
            return {};
        error = written.message();
    }
    return messages::joined(messages::ledgerNotSaved(path.filename().string(), error));
}

std::vector<std::string> YtdLedger::openForFrame(const std::filesystem::path& folder, const std::string& user,
                                                bool biWeekly, const std::array<std::string, 5>& labels)
{
    setBiWeekly(biWeekly);
    deductionLabels = labels;
    showTotalsPlain();
    const FileOutcome read = fillBoxes(folder, user);
    Update();
    std::vector<std::string> shown;
    if (!read.message().empty())
        shown.push_back(read.message());
    // A failed read already said what was wrong; the totals message would only repeat the trouble.
    const std::string totals = AddAnnual();
    if (read.lines.empty() && !totals.empty())
        shown.push_back(totals);
    return shown;
}

} // namespace tallyrin
