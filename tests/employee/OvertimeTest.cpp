#include "screens/Form2Screen.h"
#include "employee/ProfileFiles.h"

#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace tallyrin {
namespace {

class OvertimeTest : public ::testing::Test
{
protected:
    // Sets the two boxes and the first rows' amounts, then presses "&TOTAL".
    bool total(const std::string& salary, const std::string& percent, const std::vector<std::string>& amounts)
    {
        screen.txtAnnual = salary;
        screen.txtApPercent = percent;
        screen.txtOT.fill("");
        std::copy(amounts.begin(), amounts.end(), screen.txtOT.begin());
        return screen.cmdADD_Click();
    }
    std::vector<std::string> useLines() const
    {
        const std::string text = writeUseFile(profile, tracker);
        std::vector<std::string> lines;
        for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
            lines.push_back(text.substr(start, end - start));
        return lines;
    }

    bool weekly = true;
    int saves = 0;
    EmployeeProfile profile;
    OvertimeTracker tracker;
    ScriptedDialogs dialogs;
    Form2Screen screen{tracker, dialogs, {[this] { return weekly; }, [this] { return ++saves, true; }, {}}};
};

TEST_F(OvertimeTest, TotalComputesEarnedRateMaximumAndAvailable)
{
    struct Case
    {
        const char* name;
        const char* salary;
        const char* percent;
        std::vector<std::string> amounts;
        const char *earned, *rate, *maximum, *available;
    };
    const Case cases[] = {
        {"worked example", "15600", "15", {"1000", "", "170"}, "$1,170.00", "7.5%", "$2,340.00", "$1,170.00"},
        {"nothing earned", "15600", "15", {}, "$.00", ".%", "$2,340.00", "$2,340.00"},
        {"over the limit", "15600", "15", {"2000", "500"}, "$2,500.00", "16.03%", "$2,340.00", "-$160.00"},
        {"no salary", "0", "15", {"100"}, "$100.00", "--", "$.00", "-$100.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(total(c.salary, c.percent, c.amounts));
        EXPECT_EQ(screen.lbEarned, c.earned);
        EXPECT_EQ(screen.txtPercent, c.rate);
        EXPECT_EQ(screen.lbMax, c.maximum);
        EXPECT_EQ(screen.lbAvail, c.available);
        EXPECT_EQ(screen.txtOT[5], "0"); // empty rows become "0"
    }
    EXPECT_EQ(saves, 4);
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(OvertimeTest, TotalOfTheExampleIsStoredOnTheFirstLinesOfTheProfileFile)
{
    ASSERT_TRUE(total("15600", "15", {"1170"}));
    const auto lines = useLines();
    EXPECT_EQ(lines[0], "1170,2340,1170");
    EXPECT_EQ(lines[1], "15600,15,.08");
    EXPECT_EQ(tracker.OtAmounts[0], "1170"); // the snapshot follows the boxes
    EXPECT_EQ(tracker.OtAmounts[51], "0");

    ASSERT_TRUE(total("0", "15", {"100"}));
    EXPECT_EQ(useLines()[1], "0,15,0"); // a rate with no finite value is stored as 0
}

TEST_F(OvertimeTest, MissingSalaryOrPercentageShowsAttentionAndSavesNothing)
{
    for (const auto& [salary, percent] : std::vector<std::pair<std::string, std::string>>{
             {"", "15"}, {"15600", ""}, {"0", "0"}, {"abc", "0"}}) {
        SCOPED_TRACE(salary + "/" + percent);
        dialogs.log.clear();
        EXPECT_FALSE(total(salary, percent, {"5"}));
        ASSERT_EQ(dialogs.log.size(), 1u);
        EXPECT_EQ(dialogs.log[0].text, "Please enter amounts in\r\nAnnual Salary and\r\nApproved Percent Boxes.");
        EXPECT_EQ(dialogs.log[0].title, "Attention");
        EXPECT_EQ(dialogs.log[0].icon, Icon::Exclamation);
    }
    EXPECT_EQ(saves, 0);
    EXPECT_EQ(tracker.OtEarned, 0.f);
}

TEST_F(OvertimeTest, BiWeeklyTotalsSavesAndRollsExactly26Rows)
{
    weekly = false;
    screen.txtAnnual = "26000";
    screen.txtApPercent = "10";
    screen.txtOT.fill("999");
    for (size_t row = 0; row < 26; ++row)
        screen.txtOT[row] = "10";
    ASSERT_TRUE(screen.cmdADD_Click());
    EXPECT_EQ(screen.lbEarned, "$260.00");
    EXPECT_EQ(tracker.OtAmounts[25], "10");
    EXPECT_EQ(tracker.OtAmounts[26], ""); // row 27 is not copied
    const std::string rows = writeOvertimeRows(tracker, false);
    EXPECT_EQ(std::count(rows.begin(), rows.end(), '\n'), 52); // two lines per row

    screen.Text1[25] = "06/26/2009";
    screen.txtOT[25] = "7";
    screen.cmdAdvance_Click();
    EXPECT_EQ(screen.txtOT[24], "7");
    EXPECT_EQ(screen.Text1[24], "06/26/2009");
    EXPECT_EQ(screen.txtOT[25], "0");
    EXPECT_EQ(screen.Text1[25], "");
    EXPECT_EQ(screen.txtOT[26], "999"); // beyond the last row nothing moves
    EXPECT_EQ(screen.widthTwips(), 5055);
}

TEST_F(OvertimeTest, NewWeekOnWeeklyPayDropsRowOneAndEmptiesRow52)
{
    for (size_t row = 0; row < 52; ++row) {
        screen.Text1[row] = "d" + std::to_string(row + 1);
        screen.txtOT[row] = std::to_string(row + 1);
    }
    screen.cmdAdvance_Click();
    EXPECT_EQ(screen.Text1[0], "d2");
    EXPECT_EQ(screen.txtOT[0], "2");
    EXPECT_EQ(screen.txtOT[50], "52");
    EXPECT_EQ(screen.Text1[51], "");
    EXPECT_EQ(screen.txtOT[51], "0");
    EXPECT_EQ(saves, 0); // nothing is saved
}

TEST_F(OvertimeTest, OpeningFillsFromTheSnapshotAndUndoRestoresIt)
{
    tracker.AnnualSalary = 0;
    tracker.ApprovedPercent = 15;
    tracker.OtDates[0] = "01/02/2009";
    tracker.OtAmounts[0] = "12.5";
    screen.open("$30.00", "12/31/2009");
    EXPECT_EQ(screen.txtAnnual, "15600"); // an employee without a salary starts at 15600
    EXPECT_EQ(screen.Text1[0], "01/02/2009");
    EXPECT_EQ(screen.txtOT[1], "0");
    EXPECT_EQ(screen.lb_OT, "$30.00");
    EXPECT_EQ(screen.lbWk, "12/31/2009");
    EXPECT_EQ(screen.lbEarned, "$12.50"); // drawn with its totals
    EXPECT_EQ(saves, 1);

    screen.txtOT[0] = "99";
    screen.txtAnnual = "1";
    screen.cmdUndo_Click();
    EXPECT_EQ(screen.txtOT[0], "12.5");
    EXPECT_EQ(screen.txtAnnual, "15600");
}

TEST_F(OvertimeTest, ClearAllStartsANewEmployeeAt11440)
{
    screen.txtAnnual = "0";
    screen.ClearAll();
    EXPECT_EQ(screen.txtAnnual, "11440");
    EXPECT_EQ(screen.txtApPercent, "0");
    EXPECT_EQ(screen.txtOT[51], "0");
    EXPECT_EQ(screen.lbMax, "$.00");
    EXPECT_EQ(screen.txtPercent, ".%");
    EXPECT_EQ(useLines()[1], "11440,0,0");
}

TEST_F(OvertimeTest, KeysMoveBetweenRowsAndColumns)
{
    using C = Form2Screen::Column;
    using K = Form2Screen::Key;
    using Cell = Form2Screen::Cell;
    struct Case
    {
        bool weekly;
        Cell from;
        K key;
        std::optional<Cell> to;
    };
    const Case cases[] = {
        {true, {C::Amount, 3}, K::Enter, Cell{C::Amount, 4}},
        {true, {C::Date, 51}, K::Enter, Cell{C::Date, 0}},
        {false, {C::Amount, 25}, K::Enter, Cell{C::Amount, 0}},
        {true, {C::Date, 0}, K::Up, std::nullopt},
        {true, {C::Date, 5}, K::Up, Cell{C::Date, 4}},
        {true, {C::Amount, 51}, K::Down, std::nullopt},
        {false, {C::Amount, 25}, K::Down, std::nullopt},
        {true, {C::Date, 7}, K::Right, Cell{C::Amount, 7}},
        {true, {C::Amount, 7}, K::Right, std::nullopt},
        {true, {C::Amount, 7}, K::Left, Cell{C::Date, 7}},
    };
    for (const auto& c : cases) {
        weekly = c.weekly;
        SCOPED_TRACE(c.from.row);
        EXPECT_EQ(screen.move(c.from, c.key), c.to);
    }
}

} // namespace
} // namespace tallyrin
