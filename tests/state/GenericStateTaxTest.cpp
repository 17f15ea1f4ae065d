#include "state/GenericStateTax.h"

#include "state/StateTestTables.h"

#include <gtest/gtest.h>

namespace tallyrin {
namespace {

using testing::newYorkSettings;

StateWageInputs wage(float taxableWages, bool biWeekly, const char* status = "Single")
{
    StateWageInputs in;
    in.grossPay = taxableWages;
    in.taxableWages = taxableWages;
    in.biWeekly = biWeekly;
    in.stateStatus = status;
    return in;
}

TEST(GenericStateTaxTest, NewYorkRows)
{
    struct Case
    {
        const char* what;
        float wage;
        bool biWeekly;
        double expected;
    };
    const Case cases[] = {
        {"first row", 300, true, 300 * 0.04},
        {"just below a bound stays in the lower row", 307.99f, true, double(307.99f) * 0.04},
        {"a wage equal to the next bound is taxed in that row", 308, true, 12.31},
        {"middle row", 1000, true, (1000 - 769) * 0.0685 + 37.42},
        {"rows at 999999 leave row 7 as the last", 5769, true, 407.85},
        {"far above row 7", 100000, true, (100000 - 5769) * 0.0735 + 407.85},
        {"weekly bound 308 / 2 starts row 1 at 154.00", 154, false, 12.31 / 2},
        {"weekly just below the halved bound", 153.99f, false, double(153.99f) * 0.04},
        {"weekly rate is not halved", 400, false, (400 - 384.5) * 0.0685 + 37.42 / 2},
        {"weekly top row", 3000, false, (3000 - 2884.5) * 0.0735 + 407.85 / 2},
        {"a wage below every row", -10, true, 0},
    };
    const StateSettings s = newYorkSettings();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FLOAT_EQ(genericStateTax(s, wage(c.wage, c.biWeekly)), static_cast<float>(c.expected));
    }
}

TEST(GenericStateTaxTest, LastMatchingRowWins)
{
    // A table left at zero: every row's upper bound fails, and the last row matches with nothing.
    EXPECT_EQ(genericStateTax(StateSettings{}, wage(500, true)), 0);

    // Bounds that do not rise: row 0 and row 9 both hold; row 9 is taken.
    StateSettings s;
    s.StatePerBS[0] = 0.1f;
    s.StatePerBS[9] = 0.05f;
    EXPECT_FLOAT_EQ(genericStateTax(s, wage(100, true)), 5);
}

TEST(GenericStateTaxTest, TableChoiceByExactStatus)
{
    StateSettings s = newYorkSettings();
    s.StatePerBM.fill(0.5f);
    s.StateAmtBM.fill(0);
    EXPECT_FLOAT_EQ(genericStateTax(s, wage(300, true, "Single")), 12);
    for (const char* status : {"Married", "single", "SINGLE", ""}) {
        SCOPED_TRACE(status);
        EXPECT_FLOAT_EQ(genericStateTax(s, wage(300, true, status)), 150);
    }
}

TEST(GenericStateTaxTest, WageLessAllowanceAndCafeteria)
{
    StateWageInputs in = wage(1000, true);
    in.stateAllowance = 268.3f;
    in.stateCafeteria = 50;
    EXPECT_FLOAT_EQ(genericStateWage(in), 681.7f);
    in.biWeekly = false; // the allowance is a bi-weekly figure
    EXPECT_FLOAT_EQ(genericStateWage(in), 815.85f);

    const StateSettings s = newYorkSettings();
    EXPECT_FLOAT_EQ(genericStateTax(s, in), static_cast<float>((815.85 - 384.5) * 0.0685 + 37.42 / 2));
}

TEST(GenericStateTaxTest, AllowanceCreditTakenWhole)
{
    StateSettings s = newYorkSettings();
    s.CalAllow = 10;
    const float weekly = static_cast<float>((400 - 384.5) * 0.0685 + 37.42 / 2);
    EXPECT_FLOAT_EQ(genericStateTax(s, wage(400, false)), weekly - 10);
    EXPECT_FLOAT_EQ(genericStateTax(s, wage(308, true)), 12.31f - 10);
    // No row applies: the credit alone.
    EXPECT_FLOAT_EQ(genericStateTax(s, wage(-1, true)), -10);
}

} // namespace
} // namespace tallyrin
