#include "state/StateWithholding.h"

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
        {"cents from the double's 15 digits, not its single's 7", 45.884998321533203, 0, 0, 45.88},
        {"the same for a larger tax", 187.36495971679688, 0, 0, 187.36},
        {"a single's digits read as a double", 1.005f, 0, 0, 1.00},
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

    // Any built-in flag takes the tax away from the operator's table.
    for (int16_t StateSettings::*flag :
         {&StateSettings::Ariz, &StateSettings::Missouri, &StateSettings::Alabama, &StateSettings::NC}) {
        StateSettings selected = s;
        selected.*flag = 1;
        EXPECT_TRUE(builtInStateSelected(selected));
        EXPECT_EQ(stateWithholding(selected, in), 0);
    }
    EXPECT_FALSE(builtInStateSelected(s));
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
