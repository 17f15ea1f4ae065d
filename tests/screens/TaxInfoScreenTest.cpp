#include "screens/TaxInfoScreen.h"

#include <gtest/gtest.h>

namespace tallyrin {
namespace {

TEST(TaxInfoScreenTest, RateOfZeroShowsAndAppliesAs7_5)
{
    EmployeeProfile profile;
    profile.HourRate = 0;
    TaxInfoScreen screen;
    screen.show(profile);
    EXPECT_EQ(screen.txtHourRate, "7.5");

    screen.txtHourRate = "0";
    screen.apply(profile);
    EXPECT_EQ(profile.HourRate, 7.5f);
    screen.txtHourRate = "abc";
    screen.apply(profile);
    EXPECT_EQ(profile.HourRate, 7.5f);
}

TEST(TaxInfoScreenTest, ShowNormalisesEmptyFieldsAndFillsNumbersInScreenForm)
{
    EmployeeProfile profile;
    profile.FedAllowances = "";
    profile.FedStatus = "";
    profile.StateStatus = "0";
    profile.StateExemptions = 3;
    profile.EmpName = "";
    profile.EmpSsn = "";
    profile.EmpAddress = "1 Elm";
    profile.Weekly = profile.BiWeekly = false;
    profile.DeductLabel[2] = "";
    profile.PensionPct = 0.045f;
    profile.FedAddl = 12345.625f;
    profile.NonCityResident = 1;

    TaxInfoScreen screen;
    screen.show(profile);
    EXPECT_EQ(profile.FedAllowances, "0");
    EXPECT_EQ(profile.FedStatus, "Single");
    EXPECT_EQ(profile.StateStatus, "Single");
    EXPECT_EQ(profile.EmpName, "Employee's Name");
    EXPECT_EQ(profile.EmpSsn, "Soc Sec #");
    EXPECT_TRUE(profile.Weekly);

    EXPECT_EQ(screen.cboDepend, "0");
    EXPECT_EQ(screen.cboStatus, "Single");
    EXPECT_EQ(screen.cboDepend2, "3");
    EXPECT_EQ(screen.cboStatus2, "Single");
    EXPECT_EQ(screen.txtName, "Employee's Name");
    EXPECT_EQ(screen.txtAddress, "1 Elm");
    EXPECT_EQ(screen.txtTax[2], "Dues");
    EXPECT_EQ(screen.txtPension, "0.045");
    EXPECT_EQ(screen.txtFedAddL, "12345.63");
    EXPECT_EQ(screen.txtBond, "0");
    EXPECT_TRUE(screen.ckNonCity);
    EXPECT_TRUE(screen.optWeek);
    EXPECT_FALSE(screen.optBiWeek);
}

TEST(TaxInfoScreenTest, ShowSettlesTheKPlanMode)
{
    const struct
    {
        int16_t percent, fixed, wantPercent, wantFixed;
    } cases[] = {{1, 1, 1, 0}, {1, 0, 1, 0}, {0, 1, 0, 1}, {0, 0, 1, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.percent << "," << c.fixed);
        EmployeeProfile profile;
        profile.KPlanPercent = c.percent, profile.KPlanFixed = c.fixed;
        TaxInfoScreen screen;
        screen.show(profile);
        EXPECT_EQ(profile.KPlanPercent, c.wantPercent);
        EXPECT_EQ(profile.KPlanFixed, c.wantFixed);
        EXPECT_EQ(screen.ckKpPer, c.wantPercent == 1);
        EXPECT_EQ(screen.ckKpFix, c.wantFixed == 1);
    }
}

TEST(TaxInfoScreenTest, KPlanBoxesExcludeEachOtherButMayBothBeUnchecked)
{
    EmployeeProfile profile;
    TaxInfoScreen screen;
    screen.show(profile);
    ASSERT_TRUE(screen.ckKpPer);

    screen.ckKpFix = true;
    screen.ckKpFix_Click();
    EXPECT_FALSE(screen.ckKpPer);
    screen.ckKpPer = true;
    screen.ckKpPer_Click();
    EXPECT_FALSE(screen.ckKpFix);
    screen.ckKpPer = false;
    screen.ckKpPer_Click();
    EXPECT_FALSE(screen.ckKpPer);
    EXPECT_FALSE(screen.ckKpFix);

    screen.apply(profile);
    EXPECT_EQ(profile.KPlanPercent, 0);
    EXPECT_EQ(profile.KPlanFixed, 0);
    // The next load of the screen checks the percent box again.
    screen.show(profile);
    EXPECT_TRUE(screen.ckKpPer);
}

TEST(TaxInfoScreenTest, ApplyReadsNumbersAsFarAsTheyGo)
{
    EmployeeProfile profile;
    TaxInfoScreen screen;
    screen.show(profile);
    screen.txtMuni = "12abc";
    screen.txtBond = "";
    screen.txtDues = " 1 5";
    screen.txtCafe = "1.2.3";
    screen.txtKplan = "-4";
    screen.txtMisc = std::string(60, '9'); // beyond the single range
    screen.cboDepend = "2";
    screen.cboStatus = "Married";
    screen.txtTax[0] = "Loan";
    screen.optWeek = false, screen.optBiWeek = true;
    screen.ckSelfEmp = true;
    screen.apply(profile);
    EXPECT_EQ(profile.CreditUnionAmt, 12);
    EXPECT_EQ(profile.BondAmt, 0);
    EXPECT_EQ(profile.DuesAmt, 15);
    EXPECT_EQ(profile.CafeteriaAmt, 1.2f);
    EXPECT_EQ(profile.KPlanValue, -4);
    EXPECT_EQ(profile.MiscAmt, 0);
    EXPECT_EQ(profile.FedAllowances, "2");
    EXPECT_EQ(profile.FedStatus, "Married");
    EXPECT_EQ(profile.DeductLabel[0], "Loan");
    EXPECT_FALSE(profile.Weekly);
    EXPECT_TRUE(profile.BiWeekly);
    EXPECT_EQ(profile.SelfEmployed, 1);
    EXPECT_EQ(tableNotice(profile), "Bi-Weekly Tax Tables");

    const struct
    {
        const char* text;
        int16_t count;
    } counts[] = {{"3", 3}, {"2.5", 2}, {"3.5", 4}, {"", 0}, {"x", 0}};
    for (const auto& c : counts) {
        SCOPED_TRACE(c.text);
        screen.cboDepend2 = c.text;
        screen.apply(profile);
        EXPECT_EQ(profile.StateExemptions, c.count);
    }
}

TEST(TaxInfoScreenTest, ClearAllRestoresDefaultsOnProfileAndControls)
{
    EmployeeProfile profile;
    profile.HourRate = 20, profile.PensionPct = 3, profile.FedStatus = "Married", profile.StateExemptions = 2;
    profile.KPlanPercent = 0, profile.KPlanFixed = 1, profile.Weekly = false, profile.BiWeekly = true;
    profile.EmpName = "Jane Doe";
    profile.UseReserved[0] = ReservedItem::ofText("old");
    profile.HorzOffset = 2;
    TaxInfoScreen screen;
    screen.show(profile);

    screen.clearAll(profile);
    EXPECT_EQ(profile.HourRate, 7.5f);
    EXPECT_EQ(profile.PensionPct, 0);
    EXPECT_EQ(profile.FedStatus, "Single");
    EXPECT_EQ(profile.StateExemptions, 0);
    EXPECT_EQ(profile.KPlanPercent, 1);
    EXPECT_TRUE(profile.Weekly);
    EXPECT_EQ(profile.EmpName, "Employee's Name");
    EXPECT_EQ(profile.UseReserved[0], ReservedItem::noValue());
    EXPECT_EQ(profile.HorzOffset, 2);

    EXPECT_EQ(screen.txtHourRate, "7.5");
    EXPECT_EQ(screen.txtPension, "");
    EXPECT_EQ(screen.txtHourRate2, "");
    EXPECT_EQ(screen.cboDepend, "0");
    EXPECT_EQ(screen.cboStatus, "Single");
    EXPECT_EQ(screen.cboDepend2, "0");
    EXPECT_EQ(screen.cboStatus2, "Single");
    EXPECT_TRUE(screen.ckKpPer);
    EXPECT_FALSE(screen.ckKpFix);
    EXPECT_TRUE(screen.optWeek);
    EXPECT_FALSE(screen.optBiWeek);
    EXPECT_EQ(screen.txtName, "Employee's Name");
    EXPECT_EQ(screen.txtTax[4], "Misc.");
    EXPECT_EQ(tableNotice(profile), "Weekly Tax Tables");
}

} // namespace
} // namespace tallyrin
