// The spreadsheet export of the year-to-date ledger ("&Excel"): the worksheet as a plain
// description (cells with their texts or numbers and fonts, frozen rows, column widths, page
// setup), which a workbook writer turns into a file.
#pragma once

#include "ytd/YtdLedger.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tallyrin {

struct SheetFont
{
    bool bold = false;
    uint32_t rgb = 0x000000; // 0xRRGGBB
    friend bool operator==(const SheetFont&, const SheetFont&) = default;
};

inline constexpr uint32_t kSheetRed = 0xFF0000;
inline constexpr uint32_t kSheetBlue = 0x0000FF;

struct SheetCell
{
    int row = 1;    // 1-based, as in "A1"
    int column = 1; // 1-based: 1 is column A
    std::string text;              // what the ledger screens show
    std::optional<double> number;  // set when the text is a number: the cell holds that number
    std::string numberFormat;      // how the number shows; empty for the sheet's general form
    SheetFont font;
};

struct SheetPageSetup
{
    bool landscape = true;
    std::string centerHeader;
    std::string leftFooter, centerFooter, rightFooter;
    int fitToPagesWide = 1;
    int fitToPagesTall = 1;
    double topMargin = 0, headerMargin = 0, bottomMargin = 0, footerMargin = 0, leftMargin = 0, rightMargin = 0;
    bool centerHorizontally = true;
    bool centerVertically = false;
};

struct Worksheet
{
    std::vector<SheetCell> cells; // in the order they are written
    int frozenRows = 1;           // panes frozen below this many rows; A1 selected
    std::vector<double> columnWidths; // in characters, columns A onwards, fitted to their contents
    SheetPageSetup page;

    // nullptr when the sheet has no such cell; `name` in A1 notation.
    const SheetCell* cell(const std::string& name) const;
};

// "A1" for row 1, column 1; "P54" for row 54, column 16.
std::string cellName(int row, int column);

// The maker's notice in the right footer.
inline constexpr const char* kWorkbookCopyright = "Copyright \xC2\xA9 2009 Quenvoro Software";
inline constexpr const char* kWorkbookProgram = "Tallyrin 2009\xC2\xAE";

// The worksheet of the ledger as its grid and totals window show it: headings in row 1 with the
// deduction labels, one row per used slot, "TOTALS=" with the totals window's boxes, and the SDI,
// SUI, cafeteria and tips totals two rows below. Cells whose text is a number hold the number.
Worksheet ledgerWorksheet(const YtdLedger& ledger, const std::array<std::string, 5>& deductionLabels,
                          const std::string& userName, const std::string& ssn);

// Where "&Excel" keeps the workbook: "<folder>/<user name> ledger.xlsx".
std::filesystem::path ledgerWorkbookPath(const std::filesystem::path& folder, const std::string& userName);

} // namespace tallyrin
