#include "ytd/YtdLedger.h"

#include "support/FileBytes.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "screens/MDIForm1Screen.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace tallyrin {
namespace {

void write(const std::filesystem::path& p, const std::string& text) { std::ofstream(p, std::ios::binary) << text; }

std::string fixture(const std::string& name) { return fileBytes(std::filesystem::path(TEST_DATA_DIR) / "ytd" / name); }

int countLines(const std::string& text)
{
    int n = 0;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
        ++n;
    return n;
}

// The four lines of row slot `slot` (0-based) in a ledger file.
std::string rowLines(const std::string& file, int slot)
{
    size_t start = 0;
    for (int i = 0; i < slot * 4; ++i)
        start = file.find("\r\n", start) + 2;
    size_t end = start;
    for (int i = 0; i < 4; ++i)
        end = file.find("\r\n", end) + 2;
    return file.substr(start, end - start);
}

PayPeriodResult samplePeriod()
{
    PayPeriodResult r;
    r.GrossPay = 440;
    r.FedTax = 45.12f;
    r.SocSec = 27.28f;
    r.Medicare = 6.38f;
    r.StateTax = 12.5;
    r.CityTax = 3.25;
    r.Dues = 5;
    r.KPlan = 20;
    r.TotalOt = 30.5f;
    r.TotalTips = 15.5f;
    r.NetPay = 348.22f;
    r.SdiTax = 0.504f; // rounded to the cent on the way into the row
    r.SuiTax = 0.2f;
    r.Cafeteria = 10;
    return r;
}

class YtdLedgerTest : public ::testing::Test
{
protected:
    TempFolder tmp;
    YtdLedger ledger;
};

TEST_F(YtdLedgerTest, WeeklyFileRoundTripsByteForByte)
{
    const auto original = fixture("Smith.yrw");
    write(tmp / "Smith.yrw", original);

    const auto read = ledger.readLedger(tmp.path(), "Smith");
    ASSERT_TRUE(read.found());
    ASSERT_EQ(read.message(), "");
    EXPECT_EQ(ledger.row(0).Date, "12/31/2009");
    EXPECT_EQ(ledger.row(1).Pension, 0.75f);
    EXPECT_EQ(ledger.row(2).Date, "0");
    EXPECT_EQ(ledger.ytdGross(), Currency::fromCount(8450000));
    // The grid shows the screen form after a read: the zero before the point is kept.
    EXPECT_EQ(ledger.grid[1].cell(YtdAmount::Pension), "0.75");
    EXPECT_EQ(ledger.grid[0].cell(YtdAmount::Net), "348.22");

    ASSERT_EQ(ledger.SaveAnnual(tmp.path(), "Copy"), "");
    const auto saved = fileBytes(tmp / "Copy.yrw");
    EXPECT_EQ(countLines(saved), 211);
    EXPECT_EQ(saved, original);
}

TEST_F(YtdLedgerTest, BiWeeklyFileRoundTripsByteForByte)
{
    const auto original = fixture("Jones.yrb");
    write(tmp / "Jones.yrb", original);
    ledger.setBiWeekly(true);

    ASSERT_TRUE(ledger.readLedger(tmp.path(), "Jones").found());
    EXPECT_EQ(ledger.row(25).Date, "12/25/2009");
    EXPECT_EQ(ledger.totals().Sdi, 1.2f);

    ASSERT_EQ(ledger.SaveAnnual(tmp.path(), "Copy"), "");
    EXPECT_FALSE(std::filesystem::exists(tmp / "Copy.yrw"));
    const auto saved = fileBytes(tmp / "Copy.yrb");
    EXPECT_EQ(countLines(saved), 107);
    EXPECT_EQ(saved, original);
}

TEST_F(YtdLedgerTest, ReaderAcceptsZeroBeforeThePointAndWriterDropsIt)
{
    auto withZeros = fixture("Smith.yrw");
    withZeros.replace(withZeros.find("\r\n.5,0,0,0"), 10, "\r\n0.5,0,0,0");
    withZeros.replace(withZeros.find("3.5,12,0,5,.75"), 14, "3.5,12,0,5,0.75");
    write(tmp / "Smith.yrw", withZeros);

    ASSERT_EQ(ledger.readLedger(tmp.path(), "Smith").message(), "");
    ASSERT_EQ(ledger.SaveAnnual(tmp.path(), "Smith"), "");
    EXPECT_EQ(fileBytes(tmp / "Smith.yrw"), fixture("Smith.yrw"));
}

TEST_F(YtdLedgerTest, FillBoxesShowsLedgerMask)
{
    write(tmp / "Smith.yrw", fixture("Smith.yrw"));
    ledger.fillBoxes(tmp.path(), "Smith");
    EXPECT_EQ(ledger.grid[0].date, "12/31/2009");
    EXPECT_EQ(ledger.grid[0].cell(YtdAmount::Gross), "440.00");
    EXPECT_EQ(ledger.grid[1].cell(YtdAmount::Pension), ".75");
    EXPECT_EQ(ledger.grid[5].cell(YtdAmount::Federal), ".00");
}

TEST_F(YtdLedgerTest, PasteFillsTheRowAndTheTotals)
{
    ASSERT_EQ(ledger.PasteMe(3, samplePeriod(), "12/31/2009"), "");

    const auto& g = ledger.grid[3];
    EXPECT_EQ(g.date, "12/31/2009");
    EXPECT_EQ(g.cell(YtdAmount::Federal), "45.12");
    EXPECT_EQ(g.cell(YtdAmount::State), "12.50");
    EXPECT_EQ(g.cell(YtdAmount::Dues), "5.00");
    EXPECT_EQ(g.cell(YtdAmount::CreditUnion), ".00");
    EXPECT_EQ(g.cell(YtdAmount::Tips), "15.50");
    EXPECT_EQ(g.cell(YtdAmount::Overtime), "30.50");
    EXPECT_EQ(g.cell(YtdAmount::Gross), "440.00");
    EXPECT_EQ(g.cell(YtdAmount::Net), "348.22");
    EXPECT_EQ(ledger.row(3).Sdi, 0.5f);
    EXPECT_EQ(ledger.row(3).Cafeteria, 10.0f);
    EXPECT_EQ(ledger.ytdGross(), Currency::fromCount(4400000));
    EXPECT_EQ(ledger.box(YtdAmount::Gross), "440.00");
    EXPECT_EQ(ledger.box(YtdAmount::Sdi), ".50");
}

TEST_F(YtdLedgerTest, PastingTwiceCountsTwiceAndRepastingReplaces)
{
    ledger.PasteMe(0, samplePeriod(), "12/24/2009");
    ledger.PasteMe(1, samplePeriod(), "12/24/2009");
    EXPECT_EQ(ledger.ytdGross(), Currency::fromCount(8800000));
    EXPECT_EQ(ledger.totals().Net, Currency::fromCount(6964400));
    EXPECT_EQ(ledger.totals().Federal, 90.24f);
    EXPECT_EQ(ledger.totals().Sdi, 1.0f);
    EXPECT_EQ(ledger.box(YtdAmount::Tips), "31.00");

    // The same row again replaces what it held.
    ledger.PasteMe(1, samplePeriod(), "12/31/2009");
    EXPECT_EQ(ledger.ytdGross(), Currency::fromCount(8800000));
    EXPECT_EQ(ledger.row(1).Date, "12/31/2009");
}

TEST_F(YtdLedgerTest, CurrencyTotalsStayExactOverAFullYear)
{
    // Amounts no single holds exactly: summed as singles, 52 grosses of 2,500.01 come to 130,000.48.
    PayPeriodResult r = samplePeriod();
    r.GrossPay = 2500.01f;
    r.NetPay = 1987.63f;
    r.TotalOt = 123.47f;
    r.TotalTips = 17.19f;
    for (int week = 0; week < kWeeklyRows; ++week)
        ASSERT_EQ(ledger.PasteMe(week, r, "12/31/2009"), "");
    EXPECT_EQ(ledger.totals().Gross, Currency::fromCount(1300005200));
    EXPECT_EQ(ledger.totals().Net, Currency::fromCount(1033567600));
    EXPECT_EQ(ledger.totals().Overtime, Currency::fromCount(64204400));
    EXPECT_EQ(ledger.totals().Tips, Currency::fromCount(8938800));
    EXPECT_EQ(ledger.box(YtdAmount::Gross), "130000.52");
}

TEST_F(YtdLedgerTest, ClearedRowSavesZeroAsItsDate)
{
    write(tmp / "Smith.yrw", fixture("Smith.yrw"));
    ledger.fillBoxes(tmp.path(), "Smith");
    ledger.Update();

    ASSERT_EQ(ledger.DeleteRow(1), "");
    EXPECT_EQ(ledger.grid[1].date, "0");
    EXPECT_EQ(ledger.row(1).Sdi, 0.0f);
    EXPECT_EQ(ledger.totals().Sdi, 0.5f);
    EXPECT_EQ(ledger.ytdGross(), Currency::fromCount(4400000));

    ASSERT_EQ(ledger.SaveAnnual(tmp.path(), "Smith"), "");
    const auto saved = fileBytes(tmp / "Smith.yrw");
    EXPECT_EQ(rowLines(saved, 1), "\"0\",0,0,0,0\r\n0,0,0,0,0\r\n0,0,0,0,0\r\n0,0,0,0\r\n");
    EXPECT_EQ(rowLines(saved, 0), rowLines(fixture("Smith.yrw"), 0));
}

TEST_F(YtdLedgerTest, RunningSingleTotalsKeepSevenDigits)
{
    struct Case
    {
        const char* name;
        std::vector<std::string> cells;
        float expected;
    };
    const Case cases[] = {
        {"one cent lost against 123456.7", {"123456.7", ".01"}, 123456.7f},
        {"many cents each lost in turn",
         {"123456.7", ".01", ".01", ".01", ".01", ".01", ".01", ".01", ".01"},
         123456.7f},
        {"small sums keep their cents", {"45.12", "38.5", ".01"}, 83.63f},
        {"negative amounts subtract", {"100", "-12.5"}, 87.5f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        YtdLedger l;
        for (size_t i = 0; i < c.cells.size(); ++i)
            l.grid[i].cell(YtdAmount::Federal) = c.cells[i];
        l.Update();
        ASSERT_EQ(l.AddAnnual(), "");
        EXPECT_EQ(l.totals().Federal, c.expected);
    }
}

TEST_F(YtdLedgerTest, TextThatIsNotANumberCountsZero)
{
    struct Case
    {
        const char* text;
        float expected;
    };
    const Case cases[] = {{"abc", 0}, {"", 0}, {"12abc", 0}, {"1-2", 0}, {"$1,234.50", 1234.5f}, {" 12.5 ", 12.5f}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        YtdLedger l;
        l.grid[0].cell(YtdAmount::Tips) = c.text;
        l.Update();
        EXPECT_EQ(l.row(0).Tips, c.expected);
        ASSERT_EQ(l.AddAnnual(), "");
        EXPECT_EQ(l.totals().Tips, *Currency::fromSingle(c.expected));
    }
}

TEST_F(YtdLedgerTest, TotalThatIsNoLongerANumberReportsAndKeepsTotals)
{
    ledger.PasteMe(0, samplePeriod(), "12/31/2009");
    const auto before = ledger.totals();
    const auto grossBox = ledger.box(YtdAmount::Gross);

    // Beyond the currency range, and a single sum beyond the single range.
    for (const auto& [column, text] : {std::pair{YtdAmount::Net, "1E+15"}, std::pair{YtdAmount::Federal, "3E+38"}}) {
        SCOPED_TRACE(text);
        YtdLedger l = ledger;
        l.grid[1].cell(column) = text;
        l.grid[2].cell(column) = text;
        l.Update();
        EXPECT_EQ(l.AddAnnual(), "CHECK YOUR ENTRY FOR NON NUMBER TYPE");
        EXPECT_EQ(l.totals().Gross, before.Gross);
        EXPECT_EQ(l.box(YtdAmount::Gross), grossBox);
        EXPECT_EQ(l.SaveAnnual(tmp.path(), "Smith"), "CHECK YOUR ENTRY FOR NON NUMBER TYPE");
        EXPECT_FALSE(std::filesystem::exists(tmp / "Smith.yrw"));
    }
}

TEST_F(YtdLedgerTest, BiWeeklySlotSumsRunOverAllFiftyTwoSlots)
{
    write(tmp / "Smith.yrw", fixture("Smith.yrw"));
    ledger.readLedger(tmp.path(), "Smith");
    ledger.PasteMe(40, samplePeriod(), "10/09/2009"); // SDI .50 in a slot a bi-weekly ledger does not use
    ledger.setBiWeekly(true);
    write(tmp / "Jones.yrb", fixture("Jones.yrb"));

    ASSERT_EQ(ledger.readLedger(tmp.path(), "Jones").message(), "");
    EXPECT_EQ(ledger.row(40).Date, "10/09/2009");
    EXPECT_EQ(ledger.totals().Sdi, 1.7f); // 1.2 of the bi-weekly rows + .5 left in slot 41
    EXPECT_EQ(ledger.ytdGross(), Currency::fromCount(19300000));
}

TEST_F(YtdLedgerTest, CorruptFileReportsAndKeepsTheLedger)
{
    ledger.PasteMe(0, samplePeriod(), "12/31/2009");
    auto cut = fixture("Smith.yrw");
    write(tmp / "Smith.yrw", cut.substr(0, cut.size() / 2));

    const auto read = ledger.readLedger(tmp.path(), "Smith");
    EXPECT_TRUE(read.found());
    // The ledger holds the year's pay: the clerk is never told to delete it.
    EXPECT_EQ(read.message(), "The year-to-date file\r\nSmith.yrw\r\ncould not be read whole.\r\nReading stopped at "
                              "line 104.\r\nIt is left as it is, and kept as Smith.yrw.damaged before the ledger is "
                              "saved again.");
    EXPECT_EQ(ledger.row(0).Date, "12/31/2009");
    EXPECT_EQ(ledger.row(1).Date, "");
    EXPECT_EQ(ledger.ytdGross(), Currency::fromCount(4400000));
}

TEST_F(YtdLedgerTest, MissingFileKeepsRowsButOpeningAnEmployeeClearsThem)
{
    ledger.PasteMe(0, samplePeriod(), "12/31/2009");

    const auto read = ledger.readLedger(tmp.path(), "Nobody");
    EXPECT_FALSE(read.found());
    EXPECT_EQ(read.message(), "");
    EXPECT_EQ(ledger.grid[0].date, "12/31/2009");
    EXPECT_EQ(ledger.ytdGross(), Currency::fromCount(4400000));

    EXPECT_FALSE(ledger.openEmployee(tmp.path(), "Nobody").found());
    EXPECT_EQ(ledger.row(0).Date, "0");
    EXPECT_EQ(ledger.ytdGross(), Currency());
    EXPECT_EQ(ledger.totals().Sdi, 0.0f);
    EXPECT_TRUE(std::filesystem::is_empty(tmp.path()));
}

TEST_F(YtdLedgerTest, FailedSaveIsReported)
{
    const auto missingFolder = tmp / "gone";
    const auto message = ledger.SaveAnnual(missingFolder, "Smith");
    EXPECT_NE(message.find("Smith.yrw could not be saved."), std::string::npos) << message;
}

// ---- The frame: opening, closing with its save question, and refusing other closes ----

class YtdFrameTest : public ::testing::Test
{
protected:
    YtdFrameTest()
    {
        write(tmp / "Smith.yrw", fixture("Smith.yrw"));
        profile.DeductLabel = {"Union", "Bond", "Dues", "Pension", "Misc."};
    }

    TempFolder tmp;
    EmployeeFiles files{tmp.path(), "Smith"};
    EmployeeProfile profile;
    YtdLedger ledger;
    ScriptedDialogs dialogs;
    YtdContext context{files, profile, [] { return samplePeriod(); }, [] { return std::string("11/27/2009"); },
                       [this] { ++mainShown; }};
    int mainShown = 0;
};

TEST_F(YtdFrameTest, WithNoEmployeeOpenClosingWithYesSavesNothingAndSaysWhy)
{
    const EmployeeFiles nobody{tmp.path(), ""};
    YtdContext none{nobody, profile, [] { return samplePeriod(); }, [] { return std::string("11/27/2009"); }};
    MDIForm1Screen frame(ledger, dialogs, none);
    frame.open();
    frame.weekClicked(0);
    dialogs.yesNoAnswers = {true};
    EXPECT_TRUE(frame.mnuClose_Click());
    EXPECT_FALSE(std::filesystem::exists(tmp / ".yrw"));
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0], MDIForm1Screen::kNoEmployee);
}

TEST_F(YtdFrameTest, OpeningShowsTheFileAndItsTotals)
{
    MDIForm1Screen frame(ledger, dialogs, context);
    frame.open();
    EXPECT_EQ(ledger.heading(YtdAmount::CreditUnion), "Union");
    EXPECT_EQ(ledger.grid[0].cell(YtdAmount::Gross), "440.00");
    EXPECT_EQ(ledger.box(YtdAmount::Gross), "845.00");
    EXPECT_EQ(ledger.box(YtdAmount::Sdi), ".91");
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(YtdFrameTest, ClosingWithNoLeavesTheFileUntouched)
{
    MDIForm1Screen frame(ledger, dialogs, context);
    frame.open();
    frame.weekClicked(5);
    EXPECT_EQ(ledger.ytdGross(), Currency::fromCount(12850000));

    dialogs.yesNoAnswers = {false};
    EXPECT_TRUE(frame.mnuClose_Click());
    ASSERT_EQ(dialogs.log.size(), 1u);
    EXPECT_EQ(dialogs.log[0].title, "Save?");
    EXPECT_EQ(dialogs.log[0].text, "     Do you want to save YTD");
    EXPECT_EQ(mainShown, 1);
    EXPECT_EQ(fileBytes(tmp / "Smith.yrw"), fixture("Smith.yrw"));
}

// A click on a week that holds a period asks before replacing it; No leaves the week as it was.
// Before any calculation nothing is pasted; a period dated outside 2009 is pasted only on Yes.
TEST_F(YtdFrameTest, PastingAsksBeforeReplacingAWeekOrPastingAnotherYear)
{
    std::string date = "11/27/2009";
    bool calculated = false;
    YtdContext asking = context;
    asking.periodDate = [&] { return date; };
    asking.calculated = [&] { return calculated; };
    MDIForm1Screen frame(ledger, dialogs, asking);
    frame.open();
    const YtdRow first = ledger.row(0);
    ASSERT_EQ(first.Date, "12/31/2009");

    frame.weekClicked(5);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{MDIForm1Screen::kPressAddFirst});
    EXPECT_FALSE(YtdLedger::holdsPeriod(ledger.row(5)));

    calculated = true;
    dialogs.yesNoAnswers = {false};
    frame.weekClicked(0);
    ASSERT_EQ(dialogs.log.back().title, "Save?");
    EXPECT_EQ(dialogs.log.back().text, "Week 1 holds the period 12/31/2009. Replace it?");
    EXPECT_EQ(ledger.row(0).Date, "12/31/2009");
    EXPECT_EQ(ledger.row(0).Gross, first.Gross);
    dialogs.yesNoAnswers = {true};
    frame.weekClicked(0);
    EXPECT_EQ(ledger.row(0).Date, "11/27/2009");

    // An empty week takes the period without a question; another year asks first.
    const size_t asked = dialogs.log.size();
    frame.weekClicked(5);
    EXPECT_EQ(dialogs.log.size(), asked);
    EXPECT_EQ(ledger.row(5).Date, "11/27/2009");
    date = "01/08/2010";
    dialogs.yesNoAnswers = {false};
    frame.weekClicked(6);
    EXPECT_NE(dialogs.log.back().text.find("01/08/2010 is not in 2009"), std::string::npos) << dialogs.log.back().text;
    EXPECT_FALSE(YtdLedger::holdsPeriod(ledger.row(6)));
    dialogs.yesNoAnswers = {true};
    frame.weekClicked(6);
    EXPECT_EQ(ledger.row(6).Date, "01/08/2010");
}

TEST_F(YtdFrameTest, ClosingWithYesWritesThePastedRow)
{
    MDIForm1Screen frame(ledger, dialogs, context);
    frame.open();
    frame.weekClicked(5);

    dialogs.yesNoAnswers = {true};
    EXPECT_TRUE(frame.mnuClose_Click());
    const auto saved = fileBytes(tmp / "Smith.yrw");
    EXPECT_EQ(rowLines(saved, 5),
              "\"11/27/2009\",45.12,27.28,6.38,12.5\r\n3.25,0,0,5,0\r\n0,20,30.5,440,348.22\r\n.5,.2,10,15.5\r\n");
    EXPECT_NE(saved.find("\r\n40,61,1285,947.21,31\r\n"), std::string::npos);
}

TEST_F(YtdFrameTest, PlainCloseIsRefusedUntilTheLedgerCloseFlagIsUp)
{
    MDIForm1Screen frame(ledger, dialogs, context);
    frame.setLedgerClosing(true);
    frame.open(); // opening lowers the flag left from an earlier close

    EXPECT_FALSE(frame.QueryUnload());
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"USE CLOSE INSTEAD"});

    frame.setLedgerClosing(true); // the save screen closing the frame
    EXPECT_TRUE(frame.QueryUnload());
    EXPECT_EQ(dialogs.messages().size(), 1u);
}

} // namespace
} // namespace tallyrin
