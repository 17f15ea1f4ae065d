#include "ytd/LedgerWorkbook.h"

#include "support/FileBytes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tallyrin {
namespace {

const std::filesystem::path kYtd = std::filesystem::path(TEST_DATA_DIR) / "ytd";
const std::array<std::string, 5> kLabels{"Credit U", "Savings", "Union", "Retire", "Other"};

// The ledger of a fixture as its frame shows it after opening: the amounts masked "#####.00".
YtdLedger openedLedger(const char* user, bool biWeekly)
{
    TempFolder tmp;
    const std::string file = std::string(user) + (biWeekly ? ".yrb" : ".yrw");
    writeBytes(tmp / file, fileBytes(kYtd / file));
    YtdLedger ledger;
    ledger.setBiWeekly(biWeekly);
    EXPECT_EQ(ledger.fillBoxes(tmp.path(), user).message(), "");
    ledger.Update();
    EXPECT_EQ(ledger.AddAnnual(), "");
    return ledger;
}

struct Expected
{
    const char* cell;
    const char* text;
    std::optional<double> number;
    SheetFont font;
};

void expectCells(const Worksheet& sheet, const std::vector<Expected>& cells)
{
    for (const auto& e : cells) {
        SCOPED_TRACE(e.cell);
        const SheetCell* c = sheet.cell(e.cell);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->text, e.text);
        EXPECT_EQ(c->number, e.number);
        EXPECT_EQ(c->font, e.font);
    }
}

const SheetFont kPlain{};
const SheetFont kRedBold{true, kSheetRed};
const SheetFont kBlueBold{true, kSheetBlue};
const SheetFont kBlue{false, kSheetBlue};

TEST(LedgerWorkbook, CellNames)
{
    EXPECT_EQ(cellName(1, 1), "A1");
    EXPECT_EQ(cellName(54, 16), "P54");
    EXPECT_EQ(cellName(2, 27), "AA2");
}

TEST(LedgerWorkbook, WeeklySheetHoldsHeadingsRowsTotalsAndExtraTotals)
{
    const Worksheet sheet = ledgerWorksheet(openedLedger("Smith", false), kLabels, "Smith", "123-45-6789");
    expectCells(sheet, {
                           {"A1", "Date", {}, kRedBold},
                           {"C1", "Soc Sec", {}, kRedBold},
                           {"G1", "Credit U", {}, kRedBold},
                           {"K1", "Other", {}, kRedBold},
                           {"L1", "Kplan", {}, kRedBold},
                           {"P1", "Gross", {}, kRedBold},
                           {"A2", "12/31/2009", {}, kPlain},
                           {"B2", "45.12", 45.12, kPlain},
                           {"O2", "348.22", 348.22, kPlain}, // Net
                           {"P2", "440.00", 440.0, kPlain},  // Gross
                           {"J3", ".75", 0.75, kPlain},
                           {"A4", "0", 0.0, kPlain}, // a cleared row's date
                           {"A53", "", {}, kPlain}, // a row never pasted
                           {"A54", "TOTALS=", {}, kBlueBold},
                           {"O54", "598.99", 598.99, kBlueBold},
                           {"P54", "845.00", 845.0, kBlueBold},
                           {"C56", "SDI", {}, kRedBold},
                           {"F56", "Tips", {}, kRedBold},
                           {"C57", ".91", 0.91, kBlue},
                           {"F57", "15.50", 15.5, kBlue},
                       });
    EXPECT_EQ(sheet.cell("A55"), nullptr);
    EXPECT_EQ(sheet.cell("B56"), nullptr);
    EXPECT_EQ(sheet.cell("B2")->numberFormat, "#####.00");
    EXPECT_EQ(sheet.cells.size(), 16u + 52u * 16u + 16u + 8u);

    EXPECT_EQ(sheet.frozenRows, 1);
    ASSERT_EQ(sheet.columnWidths.size(), 16u);
    EXPECT_GT(sheet.columnWidths[0], 10.0); // "12/31/2009" fits
    EXPECT_LT(sheet.columnWidths[5], sheet.columnWidths[0]);
    EXPECT_TRUE(sheet.page.landscape);
    EXPECT_EQ(sheet.page.leftFooter, "Smith    123-45-6789");
    EXPECT_EQ(sheet.page.centerFooter, "Tallyrin 2009\xC2\xAE");
    EXPECT_EQ(sheet.page.rightFooter, kWorkbookCopyright);
    EXPECT_EQ(sheet.page.centerHeader, "");
    EXPECT_EQ(sheet.page.fitToPagesWide, 1);
    EXPECT_EQ(sheet.page.fitToPagesTall, 1);
    EXPECT_EQ(sheet.page.leftMargin + sheet.page.topMargin + sheet.page.footerMargin, 0.0);
    EXPECT_TRUE(sheet.page.centerHorizontally);
    EXPECT_FALSE(sheet.page.centerVertically);
}

TEST(LedgerWorkbook, BiWeeklySheetEndsItsRowsAt27)
{
    const Worksheet sheet = ledgerWorksheet(openedLedger("Jones", true), kLabels, "Jones", "987-65-4321");
    expectCells(sheet, {
                           {"A2", "01/09/2009", {}, kPlain},
                           {"A27", "12/25/2009", {}, kPlain},
                           {"A28", "TOTALS=", {}, kBlueBold},
                           {"C31", "SDI", {}, kRedBold},
                           {"E31", "Cafe", {}, kRedBold},
                           {"C32", "1.20", 1.2, kBlue},
                       });
    EXPECT_EQ(sheet.cell("A29"), nullptr);
    EXPECT_EQ(sheet.cell("A54"), nullptr);
    EXPECT_EQ(sheet.cell("C56"), nullptr);
}

TEST(LedgerWorkbook, TextsThatAreNotPlainNumbersStayTexts)
{
    YtdLedger ledger;
    ledger.grid[0].date = "1E+07";
    ledger.grid[0].cell(YtdAmount::Federal) = "1,234.50";
    ledger.grid[0].cell(YtdAmount::SocSec) = "";
    ledger.grid[0].cell(YtdAmount::Medicare) = "-.5";
    ledger.grid[0].cell(YtdAmount::State) = "12abc";
    const Worksheet sheet = ledgerWorksheet(ledger, kLabels, "", "");
    EXPECT_EQ(sheet.cell("A2")->number, 1e7);
    EXPECT_EQ(sheet.cell("B2")->number, std::nullopt);
    EXPECT_EQ(sheet.cell("C2")->number, std::nullopt);
    EXPECT_EQ(sheet.cell("D2")->number, -0.5);
    EXPECT_EQ(sheet.cell("E2")->number, std::nullopt);
    EXPECT_EQ(ledgerWorkbookPath("/data", "Smith"), std::filesystem::path("/data/Smith ledger.xlsx"));
}

} // namespace
} // namespace tallyrin
