#include "ytd/LedgerWorkbook.h"

#include "text/Numbers.h"

#include <algorithm>
#include <cctype>

namespace tallyrin {
namespace {

constexpr int kColumns = 16; // A to P

// A cell holds a number when its whole text is one in plain decimal: a sign, digits with at most
// one point, an exponent. Dates, labels and empty cells stay texts.
std::optional<double> plainNumber(const std::string& text)
{
    size_t i = 0;
    const size_t n = text.size();
    if (i < n && (text[i] == '-' || text[i] == '+'))
        ++i;
    size_t digits = 0;
    bool point = false;
    for (; i < n; ++i) {
        if (std::isdigit(static_cast<unsigned char>(text[i])))
            ++digits;
        else if (text[i] == '.' && !point)
            point = true;
        else
            break;
    }
    if (digits == 0)
        return std::nullopt;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < n && (text[i] == '-' || text[i] == '+'))
            ++i;
        const size_t start = i;
        while (i < n && std::isdigit(static_cast<unsigned char>(text[i])))
            ++i;
        if (i == start)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    return fullNumber(text);
}

// Texts with two decimals come from the "#####.00" mask; the sheet shows their numbers the same way.
std::string numberFormatFor(const std::string& text)
{
    const size_t point = text.find('.');
    if (point != std::string::npos && text.size() - point == 3 && text.find_first_of("Ee") == std::string::npos)
        return "#####.00";
    return {};
}

class SheetBuilder
{
public:
    explicit SheetBuilder(Worksheet& sheet)
        : m_sheet(sheet)
    {
    }
    void put(int row, int column, const std::string& text, SheetFont font = {})
    {
        SheetCell c;
        c.row = row;
        c.column = column;
        c.text = text;
        c.number = plainNumber(text);
        if (c.number)
            c.numberFormat = numberFormatFor(text);
        c.font = font;
        m_sheet.cells.push_back(std::move(c));
    }

private:
    Worksheet& m_sheet;
};

// The widths a spreadsheet's own fit gives: the longest text of the column and a little room.
std::vector<double> fittedWidths(const std::vector<SheetCell>& cells)
{
    std::vector<double> widths(kColumns, 0);
    for (const auto& c : cells) {
        // Characters, not bytes: "®" and the like count once.
        const double length = static_cast<double>(
            std::count_if(c.text.begin(), c.text.end(), [](char ch) { return (static_cast<unsigned char>(ch) & 0xC0) != 0x80; }));
        auto& w = widths[static_cast<size_t>(c.column - 1)];
        w = std::max(w, length + (c.font.bold ? 2.0 : 1.5));
    }
    for (auto& w : widths)
        w = std::max(w, 3.0);
    return widths;
}

} // namespace

std::string cellName(int row, int column)
{
    std::string letters;
    for (int c = column; c > 0; c = (c - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (c - 1) % 26));
    return letters + std::to_string(row);
}

const SheetCell* Worksheet::cell(const std::string& name) const
{
    for (const auto& c : cells)
        if (cellName(c.row, c.column) == name)
            return &c;
    return nullptr;
}

Worksheet ledgerWorksheet(const YtdLedger& ledger, const std::array<std::string, 5>& deductionLabels,
                          const std::string& userName, const std::string& ssn)
{
    Worksheet sheet;
    SheetBuilder put(sheet);
    const SheetFont red{true, kSheetRed};
    const SheetFont blue{true, kSheetBlue};

    const std::array<std::string, kColumns> headings{"Date",
                                                     "Federal",
                                                     "Soc Sec",
                                                     "Medicare",
                                                     "State",
                                                     "City",
                                                     deductionLabels[0],
                                                     deductionLabels[1],
                                                     deductionLabels[2],
                                                     deductionLabels[3],
                                                     deductionLabels[4],
                                                     "Kplan",
                                                     "Tips",
                                                     "OT",
                                                     "Net",
                                                     "Gross"};
    for (int c = 0; c < kColumns; ++c)
        put.put(1, c + 1, headings[static_cast<size_t>(c)], red);

    // The grid's amount columns are already in the sheet's order, federal to gross.
    const int rows = ledger.usedRows();
    for (int slot = 0; slot < rows; ++slot) {
        const YtdGridRow& g = ledger.grid[static_cast<size_t>(slot)];
        put.put(slot + 2, 1, g.date);
        for (int c = 0; c < kYtdColumns; ++c)
            put.put(slot + 2, c + 2, g.cells[static_cast<size_t>(c)]);
    }

    const int totalsRow = rows + 2;
    put.put(totalsRow, 1, "TOTALS=", blue);
    const std::array<YtdAmount, 15> totalsOrder{
        YtdAmount::Federal,     YtdAmount::SocSec, YtdAmount::Medicare, YtdAmount::State,
        YtdAmount::City,        YtdAmount::CreditUnion, YtdAmount::Bond, YtdAmount::Dues,
        YtdAmount::Pension,     YtdAmount::Misc,   YtdAmount::KPlan,    YtdAmount::Tips,
        YtdAmount::Overtime,    YtdAmount::Net,    YtdAmount::Gross};
    for (size_t c = 0; c < totalsOrder.size(); ++c)
        put.put(totalsRow, static_cast<int>(c) + 2, ledger.box(totalsOrder[c]), blue);

    // SDI, SUI, cafeteria and tips: labels below the totals, values under them.
    // Weekly sheets keep them in rows 56-57, bi-weekly ones in rows 31-32.
    const int labelRow = ledger.biWeekly() ? 31 : 56;
    const std::array<std::pair<const char*, YtdAmount>, 4> extras{{{"SDI", YtdAmount::Sdi},
                                                                      {"SUI", YtdAmount::Sui},
                                                                      {"Cafe", YtdAmount::Cafeteria},
                                                                      {"Tips", YtdAmount::Tips}}};
    for (size_t i = 0; i < extras.size(); ++i) {
        put.put(labelRow, static_cast<int>(i) + 3, extras[i].first, red);
        put.put(labelRow + 1, static_cast<int>(i) + 3, ledger.box(extras[i].second), SheetFont{false, kSheetBlue});
    }

    sheet.columnWidths = fittedWidths(sheet.cells);
    sheet.page.leftFooter = userName + "    " + ssn;
    sheet.page.centerFooter = kWorkbookProgram;
    sheet.page.rightFooter = kWorkbookCopyright;
    return sheet;
}

std::filesystem::path ledgerWorkbookPath(const std::filesystem::path& folder, const std::string& userName)
{
    return folder / (userName + " ledger.xlsx");
}

} // namespace tallyrin
