// The quarter's and year's figures from ledgers, worked by hand: the Social Security wage base
// crossed within a quarter, tips over the base, undated rows and rows of 2008 left out, the
// cafeteria plan with and without "Deduct State", the forms' lines rounded per product.
#include "ytd/PayrollReports.h"

#include "print/ReportPrints.h"
#include "support/FileBytes.h"

#include <gtest/gtest.h>

namespace tallyrin {
namespace {

YtdRow row(const std::string& date, float gross, float cafeteria = 0, float tips = 0)
{
    YtdRow r;
    r.Date = date;
    r.Gross = gross;
    r.Cafeteria = cafeteria;
    r.Tips = tips;
    r.Federal = gross / 10;
    r.SocSec = gross * 0.062f;
    r.Medicare = gross * 0.0145f;
    r.Net = gross * 0.8f;
    return r;
}

int64_t key(const ReportLine& line, ReportKey k) { return line.figures.cents[k]; }

TEST(PayrollReportsTest, TheWageBaseIsCrossedWithinTheQuarterInDateOrder)
{
    // 100,000.00 in the first quarter, then 5,000.00 a month from April: the base of 106,800.00 is
    // reached in the second quarter's second row (1,800.00 of it taxable), whatever the rows' order.
    ReportEmployee e{"Big", false, false, {row("05/29/2009", 5000), row("01/30/2009", 100000), row("04/24/2009", 5000),
                                           row("06/26/2009", 5000)}};
    const PayrollReport q2 = payrollReport(ReportPeriod::Q2, {e});
    ASSERT_EQ(q2.employees.size(), 1u);
    EXPECT_EQ(q2.employees[0].figures.periods, 3);
    EXPECT_EQ(key(q2.employees[0], SsWages), 680000);       // 5,000.00 + 1,800.00 + 0
    EXPECT_EQ(key(q2.employees[0], MedicareWages), 1500000); // no base for Medicare
    EXPECT_EQ(q2.form941.line5a, 84320);                     // 6,800.00 x .124
    EXPECT_EQ(q2.form941.line5c, 43500);                     // 15,000.00 x .029
    const PayrollReport year = payrollReport(ReportPeriod::Year, {e});
    EXPECT_EQ(key(year.employees[0], SsWages), kSocialSecurityWageBase);
    ASSERT_TRUE(year.form940);
    EXPECT_EQ(year.form940->futaWages, kFutaWageBase);
    EXPECT_EQ(year.form940->futaTax, 5600); // 7,000.00 x .008
}

TEST(PayrollReportsTest, TipsOverTheBaseAndTheCafeteriaPlan)
{
    // 106,000.00 earlier; then a row of 1,000.00 gross with 500.00 tips and 100.00 cafeteria: 900.00
    // counts toward the base, 800.00 of it is under the base, 500.00 of that tips.
    ReportEmployee withState{"Tipped", false, true, {row("01/02/2009", 106000), row("02/06/2009", 1000, 100, 500)}};
    ReportEmployee withoutState = withState;
    withoutState.user = "Plain";
    withoutState.cafeteriaDeductsState = false;
    const PayrollReport q1 = payrollReport(ReportPeriod::Q1, {withState, withoutState});
    ASSERT_EQ(q1.employees.size(), 2u);
    const ReportLine& t = q1.employees[0];
    EXPECT_EQ(key(t, SsTips), 50000);
    EXPECT_EQ(key(t, SsWages), 10600000 + 30000); // the first row whole, then 800.00 - 500.00
    EXPECT_EQ(key(t, FederalWages), 10700000 - 10000);
    EXPECT_EQ(key(t, MedicareWages), 10700000 - 10000);
    EXPECT_EQ(key(t, StateWages), 10700000 - 10000); // "Deduct State"
    EXPECT_EQ(key(q1.employees[1], StateWages), 10700000);
    EXPECT_EQ(q1.form941.line1, 2);
    EXPECT_EQ(q1.totals.cents[Cafeteria], 20000);
}

TEST(PayrollReportsTest, UndatedRowsAndOtherYearsAreLeftOutAndUndatedOnesNamed)
{
    ReportEmployee e{"Odd", false, false, {row("12/26/2008", 700), row("0", 300), row("", 0), row("03/06/2009", 400),
                                           row("13/02/2009", 50), row("01/08/2010", 60)}};
    const PayrollReport q1 = payrollReport(ReportPeriod::Q1, {e});
    ASSERT_EQ(q1.employees.size(), 1u);
    EXPECT_EQ(q1.employees[0].figures.periods, 1);
    EXPECT_EQ(key(q1.employees[0], Gross), 40000);
    const std::vector<std::string> named{
        "Odd: week 1 holds the period 12/26/2008, which is not in 2009, the year of the tax tables; it is left out.",
        "Odd: week 2 holds amounts but no date (\"0\"); it is left out.",
        "Odd: week 5 holds amounts under \"13/02/2009\", which is not a date; it is left out.",
        "Odd: week 6 holds the period 01/08/2010, which is not in 2009, the year of the tax tables; it is left out."};
    EXPECT_EQ(q1.warnings, named);
    EXPECT_TRUE(payrollReport(ReportPeriod::Q2, {e}).employees.empty());
}

TEST(PayrollReportsTest, FormLinesRoundEachProductAndCountTheFractionsOfCents)
{
    // Two employees at 333.33: 5a of 666.66 x .124 = 82.66584, 82.67; line 7 puts the cents the
    // rows' own taxes differ by.
    YtdRow a = row("01/09/2009", 333.33f), b = row("01/16/2009", 333.33f);
    a.SocSec = b.SocSec = 20.67f;
    a.Medicare = b.Medicare = 4.83f;
    const PayrollReport q1 = payrollReport(ReportPeriod::Q1, {{"A", false, false, {a}}, {"B", false, false, {b}}});
    EXPECT_EQ(q1.form941.line5a, 8267);
    EXPECT_EQ(q1.form941.line5c, 1933); // 666.66 x .029 = 19.33314
    EXPECT_EQ(q1.form941.line5d, 8267 + 1933);
    EXPECT_EQ(q1.form941.line7, 2 * (4134 + 966) - 10200);
    EXPECT_EQ(q1.form941.line10, q1.form941.line6 + q1.form941.line7);
    EXPECT_EQ(centsText(-5), "-0.05");
    EXPECT_EQ(centsText(123456), "1234.56");
}

// The prints of a quarter and of the year, as text renderings against their golden files.
TEST(PayrollReportsTest, QuarterAndYearPrints)
{
    const std::vector<ReportEmployee> staff{
        {"Adams", false, false, {row("01/09/2009", 450), row("01/16/2009", 450), row("", 12)}},
        {"Baker", false, true, {row("01/16/2009", 1200, 50), row("04/10/2009", 1200, 50)}},
        {"Clark", true, false, {row("02/27/2009", 800, 0, 40)}},
    };
    const std::vector<W2Payee> payees{{"Adams", "Ann Adams", "1 Elm St", "Springfield, IL 62701", "123-45-6789"},
                                      {"Baker", "Bob Baker", "2 Oak St", "Springfield, IL 62702", "987-65-4321"}};
    const CompanyHeader header{"Acme Payroll, Inc.", "1 Main St", "Springfield, IL 62701", "12-3456789"};
    for (const auto& [period, name] : {std::pair{ReportPeriod::Q1, "report-q1.txt"}, {ReportPeriod::Year, "report-year.txt"}}) {
        SCOPED_TRACE(name);
        PrintDocument document;
        PrintReport(document, header, payrollReport(period, staff), payees, "12/31/2009");
        const std::filesystem::path golden = std::filesystem::path(GOLDEN_DIR) / "print" / name;
        if (std::getenv("TALLYRIN_UPDATE_GOLDEN"))
            writeBytes(golden, textRendering(document));
        EXPECT_EQ(textRendering(document), fileBytes(golden));
    }
}

} // namespace
} // namespace tallyrin
