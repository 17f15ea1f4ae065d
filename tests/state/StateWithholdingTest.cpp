#include "state/StateWithholding.h"

#include "state/BuiltInStateMethods.h"
#include "state/StateTestTables.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tallyrin {
namespace {

using testing::newYorkSettings;

TEST(StateWithholdingTest, FinishAddsAdjustmentRoundsAndFloors)
{
    struct Case
    {
        const char* what;
        double tax;
        float adjustment;
        int16_t roundState;
        double expected;
    };
    const Case cases[] = {
        {"cents half away from zero", 12.345f, 0, 0, 12.35},
        {"cents from the double's own digits", 45.884998321533203, 0, 0, 45.88},
        {"cents from the double's own digits, again", 187.36495971679688, 0, 0, 187.36},
        {"a single's tax read as the double it is", 1.005f, 0, 0, 1.0},
        {"adjustment with no row matched", 0, 5, 0, 5},
        {"negative adjustment", 12.31f, -2.5f, 0, 9.81},
        {"Round State takes the cents first: 12.499 -> 12.50 -> 12", 12.499f, 0, 1, 12},
        {"Round State: 13.499 -> 13.50 -> 14", 13.499f, 0, 1, 14},
        {"Round State on 0.5", 0.5f, 0, 1, 0},
        {"Round State beyond the 16-bit range, half to even", 40001.5f, 0, 1, 40002},
        {"Round State beyond the 16-bit range, down", 40000.5f, 0, 1, 40000},
        {"negative floored at 0", 3, -10, 0, 0},
        {"negative floored at 0 after Round State", -0.6f, 0, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StateSettings s;
        s.StateAdj = c.adjustment;
        s.RoundState = c.roundState;
        EXPECT_DOUBLE_EQ(finishStateTax(c.tax, s), c.expected);
    }
}

TEST(StateWithholdingTest, NegativeZeroIsNotBelowZero)
{
    const double finished = finishStateTax(-0.004f, StateSettings{});
    EXPECT_EQ(finished, 0);
    EXPECT_TRUE(std::signbit(finished));
}

TEST(StateWithholdingTest, GenericMethodOnlyWithoutBuiltInState)
{
    StateWageInputs in;
    in.taxableWages = 1000;
    in.biWeekly = true;
    in.stateStatus = "Single";
    StateSettings s = newYorkSettings();
    EXPECT_FLOAT_EQ(static_cast<float>(stateWithholding(s, in)), static_cast<float>((1000 - 769) * 0.0685 + 37.42));

    // A built-in flag takes the tax away from the operator's table: Arizona on no federal
    // withholding is 0, and Missouri runs alone although its table rows are all in use.
    EXPECT_FALSE(builtInStateSelected(s));
    StateSettings arizona = s;
    arizona.Ariz = 1;
    EXPECT_TRUE(builtInStateSelected(arizona));
    EXPECT_EQ(stateWithholding(arizona, in), 0);
    StateSettings missouri = s;
    missouri.Missouri = 1;
    EXPECT_DOUBLE_EQ(stateWithholding(missouri, in), missouriTax(missouri, in));
    // Missouri rounds to whole dollars whatever "Round State" holds.
    EXPECT_DOUBLE_EQ(finishStateTax(12.5, missouri), 12);
    EXPECT_DOUBLE_EQ(finishStateTax(12.5, s), 12.5);
}

TEST(StateWithholdingTest, AllowanceByStatusAndCount)
{
    const StateSettings s = newYorkSettings();
    EXPECT_FLOAT_EQ(stateAllowance(s, "Single", 2), 345.3f);
    EXPECT_FLOAT_EQ(stateAllowance(s, "Married", 9), 634);
    EXPECT_FLOAT_EQ(stateAllowance(s, "Married", 0), 287.5f);
    // Anything the profile screen cannot offer has no allowance, rather than a stale one.
    EXPECT_EQ(stateAllowance(s, "Single", 10), 0);
    EXPECT_EQ(stateAllowance(s, "Single", -1), 0);
    EXPECT_EQ(stateAllowance(s, "single", 2), 0);
    EXPECT_EQ(stateAllowance(s, "", 2), 0);
}

} // namespace
} // namespace tallyrin
