#include "engine/PayCalculation.h"

#include "engine/FederalTableFile.h"

#include <gtest/gtest.h>

namespace tallyrin {
namespace {

using Texts = std::array<std::string, 8>;

class PayCalculationTest : public ::testing::Test
{
protected:
    EmployeeProfile profile;
    FederalTables federal;
    StateSettings state;
    CitySettings city;
    NonCitySettings nonCity;
    Currency ytdGross;

    void useShippedTables(bool january = false)
    {
        ASSERT_EQ(loadFederalTables(SHIPPED_DATA_DIR, january, "folder", federal).kind, FileOutcome::Kind::Done);
    }

    PayPeriodResult calculate(Texts texts, bool opt1x = true)
    {
        const PayPeriodEntry entry = readPayPeriodEntry(texts);
        return computePayPeriod(entry, opt1x, PayPeriodRecords{profile, federal, state, city, nonCity, ytdGross});
    }

    // Hours at pay rate 1 only.
    PayPeriodResult hours(const char* straight) { return calculate({straight, "", "", "", "", "", "", ""}); }
};

TEST_F(PayCalculationTest, OvertimeAtDoubleRate)
{
    profile.HourRate = 10;
    PayPeriodResult r = calculate({"40", "", "2", "", "", "", "", ""}, false);
    EXPECT_FLOAT_EQ(r.Entry.OtVar, 4);
    EXPECT_FLOAT_EQ(r.TotalOt, 40);
    EXPECT_FLOAT_EQ(r.GrossPay, 440);
    PayPeriodLabels labels = payPeriodLabels(r);
    EXPECT_EQ(labels.lbOverT, "$40.00");
    EXPECT_EQ(labels.Label13, "$440.00");

    r = calculate({"40", "", "2", "", "", "", "", ""}, true);
    EXPECT_FLOAT_EQ(r.TotalOt, 20);
    EXPECT_FLOAT_EQ(r.GrossPay, 420);
}

TEST_F(PayCalculationTest, EveryEntryReachesGrossPay)
{
    profile.HourRate = 10;
    profile.HourRate2 = 20;
    profile.TipsRate = 3;
    const PayPeriodResult r = calculate({"1", "1", "1", "1", "1", "1", "5", "1"});
    // rate 2 20 + rate 1 10 + O.T. 1.5X 15 + holiday 10 + O.T. 1X 10 + vacation 10 + dollars 5 + tips 3
    EXPECT_FLOAT_EQ(r.GrossPay, 83);
    EXPECT_FLOAT_EQ(r.TotalOt, 25);
    EXPECT_FLOAT_EQ(r.TotalTips, 3);
}

TEST_F(PayCalculationTest, RateOfZeroPaysDefaultRate)
{
    profile.HourRate = 0;
    const PayPeriodResult r = hours("40");
    EXPECT_FLOAT_EQ(r.PayRate, 7.5f);
    EXPECT_FLOAT_EQ(r.GrossPay, 300);
}

TEST_F(PayCalculationTest, TipsAreGrossAndTaxedButNotPaidAgain)
{
    profile.HourRate = 10;
    const PayPeriodResult without = hours("40");
    profile.TipsRate = 1;
    const PayPeriodResult with = calculate({"40", "", "", "", "", "", "", "50"});

    EXPECT_FLOAT_EQ(with.GrossPay, without.GrossPay + 50);
    EXPECT_FLOAT_EQ(with.TotalTips, 50);
    EXPECT_FLOAT_EQ(with.TipsPay, 50);
    EXPECT_EQ(payPeriodLabels(with).lbTips, "$50.00");
    EXPECT_FLOAT_EQ(without.Medicare, 5.80f); // 400 x 1.45%
    EXPECT_FLOAT_EQ(with.Medicare, 6.53f);    // 450 x 1.45% = 6.525
    // Net only loses the extra taxes: the 50 of tips are in the gross and taken off again.
    EXPECT_NEAR(with.NetPay, without.NetPay - (with.TaxDeduct - without.TaxDeduct), 0.001);
    EXPECT_FLOAT_EQ(with.NetPay, static_cast<float>(450.0 - (with.TotDeduct + with.TaxDeduct) - 50.0));
}

TEST_F(PayCalculationTest, KPlanPercentOrFixed)
{
    profile.HourRate = 25;
    profile.KPlanValue = 5;
    struct Case
    {
        int16_t percent, fixed;
        float kPlan;
        const char* why;
    };
    const Case cases[] = {
        {1, 0, 50, "percent of gross"},
        {0, 1, 5, "fixed amount"},
        {0, 0, 5, "neither mode checked counts as fixed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        profile.KPlanPercent = c.percent;
        profile.KPlanFixed = c.fixed;
        const PayPeriodResult r = hours("40");
        EXPECT_FLOAT_EQ(r.GrossPay, 1000);
        EXPECT_FLOAT_EQ(r.KPlan, c.kPlan);
        EXPECT_FLOAT_EQ(r.TaxableWages, 1000 - c.kPlan);
    }
}

TEST_F(PayCalculationTest, FederalExemptDropsAdditionalWithholding)
{
    useShippedTables();
    profile.HourRate = 25;
    profile.FedAddl = 25;
    EXPECT_FLOAT_EQ(hours("40").FedTax, 181.60f); // 156.60 from the table + 25

    profile.FedExempt = 1;
    const PayPeriodResult r = hours("40");
    EXPECT_EQ(r.FedTax, 0);
    EXPECT_EQ(payPeriodLabels(r).lbTaxDed[0], ".00");
}

// The state methods that start from the federal withholding see it for a federal-exempt
// employee too; only FedTax itself is zeroed. Weekly Single, 1 allowance, 500: federal 40.6715.
TEST_F(PayCalculationTest, FederalExemptEmployeeStillGetsTheStateTaxFromTheFederalAmount)
{
    useShippedTables();
    profile.HourRate = 12.5f;
    profile.FedAllowances = "1";
    profile.FedExempt = 1;
    profile.FedAddl = 10;

    state.Ariz = 1;
    state.StatePerBS[0] = 0.03f;
    PayPeriodResult r = hours("40");
    EXPECT_EQ(r.FedTax, 0);
    EXPECT_DOUBLE_EQ(r.StateTax, 1.22); // 40.6715 x 3 %

    // Oregon, weekly Single preset rows: W = 500 - 40.6715 - 37.4 = 421.9285, row 2:
    // (421.9285 - 138) x .09 + 9 = 34.553565
    state = StateSettings{};
    state.Oregon = 1;
    state.StateMinBS = {0, 55, 138, 999999, 999999, 999999, 999999, 999999, 999999, 999999};
    state.StateAmtBS[1] = 3;
    state.StateAmtBS[2] = 9;
    state.StatePerBS[1] = 0.07f;
    state.StatePerBS[2] = 0.09f;
    r = hours("40");
    EXPECT_EQ(r.FedTax, 0);
    EXPECT_DOUBLE_EQ(r.StateTax, 34.55);
}

TEST_F(PayCalculationTest, EmptyTablesLeaveOnlyTheAdditionalWithholding)
{
    profile.HourRate = 25;
    profile.FedAddl = 12.5f;
    EXPECT_FLOAT_EQ(hours("40").FedTax, 12.5f);
}

TEST_F(PayCalculationTest, BiWeeklyDoublesTheAllowanceOnly)
{
    useShippedTables();
    profile.HourRate = 10;
    profile.FedAllowances = "1";

    PayPeriodResult r = hours("40");
    EXPECT_FLOAT_EQ(r.AllowanceAmount, 70.19f);
    EXPECT_NEAR(r.FedWages, 329.81, 0.001);
    EXPECT_FLOAT_EQ(r.FedTax, 25.67f); // weekly Single row 2: (329.81 - 200) x 15% + 6.20 = 25.6715

    profile.Weekly = false;
    profile.BiWeekly = true;
    r = hours("40");
    EXPECT_FLOAT_EQ(r.GrossPay, 400);
    EXPECT_FLOAT_EQ(r.AllowanceAmount, 140.38f);
    EXPECT_NEAR(r.FedWages, 259.62, 0.001);
    EXPECT_EQ(r.FedTax, 0); // at or below the bi-weekly Single row 1 Over of 276
}

// Federal withholding from the shipped 2009 tables, allowance 70.19 a week per allowance:
//  1. weekly Single, 1 allowance, 500:   W = 429.81, row 2: (429.81 - 200) x .15 + 6.20 = 40.6715
//  2. weekly Single, 0 allowances, 1000: W = 1000,   row 3: (1000 - 696) x .25 + 80.60 = 156.60
//  3. weekly Single, 0 allowances, 200:  W = 200 = row 1's NotOver: (200 - 138) x .10 = 6.20
//  4. weekly Single, 0 allowances, 10000: row 6: (10000 - 7212) x .35 + 2081.29 = 3057.09
//  5. weekly Married, 2 allowances, 800: W = 800 - 140.38 = 659.62,
//     row 2: (659.62 - 470) x .15 + 16.70 = 45.143
//  6. weekly Married, 9 allowances, 600: W = 600 - 631.71 < 0: no tax
//  7. bi-weekly Single, 1 allowance, 1200: W = 1200 - 2 x 70.19 = 1059.62,
//     row 2: (1059.62 - 400) x .15 + 12.40 = 111.343
//  8. bi-weekly Married, 3 allowances, 2400: W = 2400 - 2 x 210.57 = 1978.86,
//     row 2: (1978.86 - 940) x .15 + 33.40 = 189.229
//  9. January tables, weekly Single, 1 allowance, 500: W = 429.81,
//     row 2: (429.81 - 200) x .15 + 14.90 = 49.3715
TEST_F(PayCalculationTest, FederalWithholdingFromShipped2009Tables)
{
    struct Case
    {
        bool january;
        const char* status;
        const char* allowances;
        bool biWeekly;
        float rate;
        const char* hours;
        float fedWages;
        float fedTax;
    };
    const Case cases[] = {
        {false, "Single", "1", false, 12.5f, "40", 429.81f, 40.67f},
        {false, "Single", "0", false, 25, "40", 1000, 156.60f},
        {false, "Single", "0", false, 10, "20", 200, 6.20f},
        {false, "Single", "0", false, 100, "100", 10000, 3057.09f},
        {false, "Married", "2", false, 20, "40", 659.62f, 45.14f},
        {false, "Married", "9", false, 15, "40", -31.71f, 0},
        {false, "Single", "1", true, 15, "80", 1059.62f, 111.34f},
        {false, "Married", "3", true, 30, "80", 1978.86f, 189.23f},
        {true, "Single", "1", false, 12.5f, "40", 429.81f, 49.37f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.status) + " " + c.allowances + (c.biWeekly ? " bi-weekly " : " weekly ") + c.hours +
                     " h" + (c.january ? " January" : ""));
        useShippedTables(c.january);
        profile.FedStatus = c.status;
        profile.FedAllowances = c.allowances;
        profile.BiWeekly = c.biWeekly;
        profile.Weekly = !c.biWeekly;
        profile.HourRate = c.rate;
        const PayPeriodResult r = hours(c.hours);
        EXPECT_NEAR(r.FedWages, c.fedWages, 0.001);
        EXPECT_FLOAT_EQ(r.FedTax, c.fedTax);
    }
}

TEST_F(PayCalculationTest, FederalAllowanceByStatusAndCountText)
{
    for (size_t k = 0; k < 10; ++k) {
        federal.SingleAllowance[k] = 10.0f * static_cast<float>(k);
        federal.MarriedAllowance[k] = 100.0f * static_cast<float>(k);
    }
    struct Case
    {
        const char* status;
        const char* count;
        float amount;
    };
    const Case cases[] = {
        {"Single", "1", 10},   {"Married", "9", 900}, {"Single", "0", 0},   {"Married", " 3 ", 300},
        {"Single", "2.0", 20}, {"Single", "10", 0},   {"Single", "1.5", 0}, {"Single", "", 0},
        {"Single", "x", 0},    {"single", "3", 0},    {"Head", "3", 0},     {"", "3", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.status) + " / '" + c.count + "'");
        EXPECT_FLOAT_EQ(federalAllowanceAmount(federal, c.status, c.count), c.amount);
    }
}

// A state status or count that the lists do not offer used to keep the allowances of the last
// calculation, which may have been another employee's.
TEST_F(PayCalculationTest, StateAndCityAllowancesNeverCarryOver)
{
    for (size_t k = 0; k < 10; ++k) {
        const auto n = static_cast<float>(k);
        state.StateSgExp[k] = 100.0f + n;
        state.StateMarExp[k] = 200.0f + n;
        city.CitySgExp[k] = 10.0f + n;
        city.CityMarExp[k] = 20.0f + n;
    }
    struct Case
    {
        const char* status;
        int16_t count;
        float stateAllowance, cityAllowance;
    };
    const Case cases[] = {
        {"Single", 3, 103, 13}, {"Married", 0, 200, 20}, {"Married", 9, 209, 29}, {"Head of household", 2, 0, 0},
        {"married", 2, 0, 0},   {"Single", 10, 0, 0},    {"Single", -1, 0, 0},
    };
    PayPeriodResult result;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.status) + " " + std::to_string(c.count));
        // First a matched employee, so that any carried value would show.
        profile.StateStatus = "Married";
        profile.StateExemptions = 5;
        result = hours("40");
        ASSERT_FLOAT_EQ(result.StateAllowance, 205);

        profile.StateStatus = c.status;
        profile.StateExemptions = c.count;
        result = hours("40");
        EXPECT_FLOAT_EQ(result.StateAllowance, c.stateAllowance);
        EXPECT_FLOAT_EQ(result.CityAllowance, c.cityAllowance);
    }
}

// A cafeteria plan above the gross used to give a negative Medicare tax, a refund on the pay stub.
TEST_F(PayCalculationTest, CafeteriaAboveGrossGivesNoMedicare)
{
    profile.HourRate = 10;
    profile.CafeteriaAmt = 500;
    const PayPeriodResult r = hours("40");
    EXPECT_FLOAT_EQ(r.GrossPay, 400);
    EXPECT_EQ(r.Medicare, 0);
    EXPECT_EQ(r.SocSec, 0);
    EXPECT_EQ(payPeriodLabels(r).lbTaxDed[2], ".00");
    EXPECT_FLOAT_EQ(r.Cafeteria, 500);
}

TEST_F(PayCalculationTest, MedicareSelfEmployedAndExempt)
{
    profile.HourRate = 25;
    profile.CafeteriaAmt = 20;
    EXPECT_FLOAT_EQ(hours("40").Medicare, 14.21f); // (1000 - 20) x 1.45%
    profile.SelfEmployed = 1;
    EXPECT_FLOAT_EQ(hours("40").Medicare, 28.42f);
    profile.SsMediExempt = 1;
    const PayPeriodResult r = hours("40");
    EXPECT_EQ(r.Medicare, 0);
    EXPECT_EQ(r.SocSec, 0);
}

TEST_F(PayCalculationTest, DeductStatePassesThisPeriodsCafeteria)
{
    profile.CafeteriaAmt = 35.5f;
    EXPECT_EQ(hours("40").StateCafeteria, 0);
    profile.CafeDeductState = 1;
    EXPECT_FLOAT_EQ(hours("40").StateCafeteria, 35.5f);
}

TEST_F(PayCalculationTest, DeductionsRoundedAndTotalled)
{
    useShippedTables();
    profile.HourRate = 25;
    profile.KPlanValue = 5; // 50.00 of 1000
    profile.PensionPct = 3; // 30.00
    profile.CafeteriaAmt = 20;
    profile.CreditUnionAmt = 12.345f; // 12.35: cents from the 7-digit text, half away from zero
    profile.BondAmt = 5;
    profile.DuesAmt = 2.5f;
    profile.MiscAmt = 1;
    const PayPeriodResult r = hours("40");

    EXPECT_FLOAT_EQ(r.TaxableWages, 950);
    EXPECT_FLOAT_EQ(r.FedWages, 900);   // 950 - 30 pension - 20 cafeteria
    EXPECT_FLOAT_EQ(r.FedTax, 131.60f); // (900 - 696) x .25 + 80.60
    EXPECT_FLOAT_EQ(r.CreditUnion, 12.35f);
    EXPECT_FLOAT_EQ(r.TotDeduct, 120.85f);
    EXPECT_DOUBLE_EQ(r.TaxDeduct, r.StateTax + r.FedTax + r.SdiTax + r.SuiTax + r.CityTax + r.Medicare + r.SocSec);
    EXPECT_FLOAT_EQ(r.NetPay, static_cast<float>(1000.0 - (r.TotDeduct + r.TaxDeduct)));

    const PayPeriodLabels l = payPeriodLabels(r);
    EXPECT_EQ(l.Label13, "$1,000.00");
    EXPECT_EQ(l.lbDeduct, "$120.85");
    EXPECT_EQ(l.lbTaxDed[0], "131.60");
    EXPECT_EQ(l.lbTaxDed[5], "12.35");
    EXPECT_EQ(l.lbTaxDed[6], "5.00");
    EXPECT_EQ(l.lbTaxDed[7], "2.50");
    EXPECT_EQ(l.lbTaxDed[8], "30.00");
    EXPECT_EQ(l.lbTaxDed[9], "1.00");
    EXPECT_EQ(l.lbTaxDed[10], "50.00");
    EXPECT_EQ(l.lbCafe, "20.00");
}

TEST_F(PayCalculationTest, GrossWithoutTaxableWagesLeavesLabel13Blank)
{
    profile.HourRate = 10;
    profile.KPlanPercent = 0;
    profile.KPlanFixed = 1;
    profile.KPlanValue = 100;
    const PayPeriodResult r = hours("10");
    EXPECT_FLOAT_EQ(r.GrossPay, 100);
    EXPECT_EQ(r.TaxableWages, 0);
    EXPECT_EQ(payPeriodLabels(r).Label13, "");
}

TEST_F(PayCalculationTest, AllEntriesEmpty)
{
    Texts texts{};
    const PayPeriodEntry entry = readPayPeriodEntry(texts);
    for (const std::string& t : texts)
        EXPECT_EQ(t, "0");
    const PayPeriodResult r =
        computePayPeriod(entry, true, PayPeriodRecords{profile, federal, state, city, nonCity, ytdGross});
    EXPECT_EQ(r.GrossPay, 0);

    const PayPeriodLabels l = payPeriodLabels(r);
    EXPECT_EQ(l.Label13, "");
    for (const std::string* text : {&l.lbTaxes, &l.lbDeduct, &l.lbNet, &l.lbOverT, &l.lbTips})
        EXPECT_EQ(*text, "$.00");
    for (const std::string& text : l.lbTaxDed)
        EXPECT_EQ(text, ".00");
    EXPECT_EQ(l.lbSDI, ".00");
    EXPECT_EQ(l.lbSUI, ".00");
    EXPECT_EQ(l.lbCafe, ".00");

    CleartxtBox(texts);
    for (const std::string& t : texts)
        EXPECT_EQ(t, "");
}

TEST_F(PayCalculationTest, EntryTextsReadByFullConversion)
{
    Texts texts{"12.5", " 7 ", "1 2", "-", "5-", "0.00", "12.34567", "abc"};
    const PayPeriodEntry e = readPayPeriodEntry(texts);
    EXPECT_EQ(texts, (Texts{"12.5", " 7 ", "0", "0", "5-", "0", "12.34567", "0"}));
    EXPECT_FLOAT_EQ(e.StrHrs, 12.5f);
    EXPECT_FLOAT_EQ(e.StrHrs2, 7);
    EXPECT_EQ(e.OtVar, 0);
    EXPECT_EQ(e.OtHrs, 0);
    EXPECT_FLOAT_EQ(e.Avas, -5);
    EXPECT_EQ(e.VacDys, 0);
    EXPECT_EQ(e.Addit, Currency::fromCount(123457)); // four decimals, half to even
    EXPECT_EQ(e.TipsHrs, 0);

    // Field 6 is currency: 0.00004 is no count of ten-thousandths, while hours keep it.
    Texts shown{"0", "", "-.00", "7", "-", "0.00004", "0.00004", ".5"};
    CleartxtBox(shown);
    EXPECT_EQ(shown, (Texts{"", "", "", "7", "", "0.00004", "", ".5"}));
}

TEST_F(PayCalculationTest, ResetClearsWhatClearClearsAndTakesTheProfilesCafeteria)
{
    profile.HourRate = 10;
    PayPeriodResult r = hours("40");
    profile.CafeteriaAmt = 9;
    resetPayPeriod(r, profile);
    EXPECT_FLOAT_EQ(r.PayRate, 10); // what the list leaves stays until computed
    EXPECT_EQ(r.GrossPay, 0);
    EXPECT_EQ(r.TaxableWages, 0);
    EXPECT_EQ(r.NetPay, 0);
    EXPECT_EQ(r.Medicare, 0);
    EXPECT_FLOAT_EQ(r.Cafeteria, 9);
}

} // namespace
} // namespace tallyrin
