#include "engine/FederalWithholding.h"

#include <gtest/gtest.h>

namespace tallyrin {
namespace {

// Contiguous rows as the table file holds them; rates and bases chosen so each row's result is
// recognisable.
FederalBracketTable steppedTable()
{
    FederalBracketTable t;
    t[0] = {100, 200, 100, 0.10f, 999}; // a base on row 1 is not used
    t[1] = {200, 500, 200, 0.20f, 10};
    t[2] = {500, 1000, 500, 0.30f, 70};
    t[3] = {1000, 2000, 1000, 0.40f, 220};
    t[4] = {2000, 4000, 2000, 0.50f, 620};
    t[5] = {4000, 0, 4000, 0.60f, 1620};
    return t;
}

TEST(FederalWithholdingTest, BracketBoundaries)
{
    const FederalBracketTable table = steppedTable();
    struct Case
    {
        float wages;
        float expected;
        const char* why;
    };
    const Case cases[] = {
        {100, 0, "equal to row 1's Over: no tax"},
        {-50, 0, "negative wages: no tax"},
        {150, 5, "row 1 has no base"},
        {200, 10, "equal to row 1's NotOver: row 1"},
        {200.5f, 10.1f, "just above: row 2"},
        {500, 70, "equal to row 2's NotOver: row 2"},
        {1000, 220, "row 3's NotOver"},
        {4000, 1620, "row 5's NotOver"},
        {4000.5f, 1620.3f, "just above row 5: row 6"},
        {1.0e6f, 599220, "far above row 6's Over: row 6 whatever the size"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_FLOAT_EQ(federalWithholding(table, c.wages), c.expected);
    }
}

TEST(FederalWithholdingTest, NoMatchingRowLeavesTheTaxAsItWas)
{
    EXPECT_FLOAT_EQ(federalWithholding(steppedTable(), 80, 7.25f), 7.25f);
    EXPECT_FLOAT_EQ(federalWithholding(steppedTable(), 150, 7.25f), 5);
}

TEST(FederalWithholdingTest, LaterMatchingRowReplacesEarlier)
{
    FederalBracketTable table = steppedTable();
    table[3] = {100, 300, 0, 1, 0}; // overlaps rows 1 and 2
    EXPECT_FLOAT_EQ(federalWithholding(table, 150), 150);
}

TEST(FederalWithholdingTest, EmptyTablesGiveNoTax) { EXPECT_EQ(federalWithholding(FederalBracketTable{}, 1234.5f), 0); }

TEST(FederalWithholdingTest, TableChoice)
{
    FederalTables tables;
    tables.BiWeeklySingle[0].Rate = 1;
    tables.WeeklySingle[0].Rate = 2;
    tables.BiWeeklyMarried[0].Rate = 3;
    tables.WeeklyMarried[0].Rate = 4;
    EXPECT_EQ(federalTable(tables, "Single", true)[0].Rate, 1);
    EXPECT_EQ(federalTable(tables, "Single", false)[0].Rate, 2);
    EXPECT_EQ(federalTable(tables, "Married", true)[0].Rate, 3);
    EXPECT_EQ(federalTable(tables, "Married", false)[0].Rate, 4);
    // Only the exact text selects the Single tables.
    EXPECT_EQ(federalTable(tables, "single", false)[0].Rate, 4);
    EXPECT_EQ(federalTable(tables, "", true)[0].Rate, 3);
}

} // namespace
} // namespace tallyrin
