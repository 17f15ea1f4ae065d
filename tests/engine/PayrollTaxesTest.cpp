#include "engine/PayrollTaxes.h"

#include "text/Numbers.h"

#include <gtest/gtest.h>
#include <string>

namespace tallyrin {
namespace {

// Amounts as the pay form shows them after the cents round trip.
std::string shown(float value) { return format(roundCents(value), "#,###.00"); }

TEST(SocialSecurityTest, WageBaseCafeteriaAndSelfEmployment)
{
    struct Case
    {
        const char* what;
        double ytd;
        float gross, cafeteria;
        bool selfEmployed;
        const char* expected;
    };
    const Case cases[] = {
        {"period crossing the base is taxed below it only", 100000, 10000, 0, false, "421.60"},
        {"ledger exactly at the base", 106800, 1000, 0, false, ".00"},
        {"ledger above the base", 110000, 1000, 0, false, ".00"},
        {"period ending exactly at the base is taxed whole", 100000, 6800, 0, false, "421.60"},
        {"empty ledger", 0, 1000, 0, false, "62.00"},
        {"cafeteria comes off the base", 0, 1000, 100, false, "55.80"},
        {"self employed pays both halves", 0, 1000, 0, true, "124.00"},
        {"self employed crossing the base", 106000, 1000, 0, true, "99.20"},
        {"zero gross", 0, 0, 0, true, ".00"},
        {"cafeteria above gross gives no refund", 0, 100, 150, false, ".00"},
        {"cafeteria above gross, self employed", 50000, 100, 150, true, ".00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const float socSec = GetSocSec(c.gross, c.cafeteria, Currency::of(c.ytd), c.selfEmployed);
        EXPECT_EQ(shown(socSec), c.expected);
        EXPECT_GE(socSec, 0);
    }
}

StateSettings sdi(float percent, float base, int16_t useBase)
{
    StateSettings s;
    s.SDIpercent = percent;
    s.SDIwageBase = base;
    s.SDIuseBase = useBase;
    return s;
}

TEST(SdiSuiTest, RateUpToTheBaseOrFlatAmount)
{
    struct Case
    {
        const char* what;
        StateSettings settings;
        double ytd;
        float gross;
        const char* expected;
    };
    const Case cases[] = {
        {"period crossing the base", sdi(1.1f, 90669, 1), 90000, 1000, "7.36"},
        {"period below the base", sdi(1.1f, 90669, 1), 0, 1000, "11.00"},
        {"period ending exactly at the base", sdi(1.1f, 90669, 1), 89669, 1000, "11.00"},
        {"ledger at the base", sdi(1.1f, 90669, 1), 90669, 1000, ".00"},
        {"blank base box with Use Base", sdi(1.1f, 0, 1), 0, 1000, ".00"},
        {"flat amount on a zero gross", sdi(0, 12.5f, 0), 0, 0, "12.50"},
        {"flat amount ignores the rate and the ledger", sdi(5, 12.5f, 0), 200000, 3000, "12.50"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(shown(GetSDI_SUI(c.gross, Currency::of(c.ytd), c.settings).SdiTax), c.expected);

        // SUI follows the same rules from its own three settings.
        StateSettings sui;
        sui.SUIpercent = c.settings.SDIpercent;
        sui.SUIwageBase = c.settings.SDIwageBase;
        sui.SUIuseBase = c.settings.SDIuseBase;
        const SdiSui both = GetSDI_SUI(c.gross, Currency::of(c.ytd), sui);
        EXPECT_EQ(shown(both.SuiTax), c.expected);
        EXPECT_EQ(both.SdiTax, 0);
    }
}

TEST(SdiSuiTest, SdiAndSuiUseTheirOwnSettings)
{
    StateSettings s = sdi(1.1f, 90669, 1);
    s.SUIpercent = 0.5f;
    s.SUIwageBase = 7000;
    s.SUIuseBase = 1;
    const SdiSui taxes = GetSDI_SUI(1000, Currency::of(6500), s);
    EXPECT_EQ(shown(taxes.SdiTax), "11.00");
    EXPECT_EQ(shown(taxes.SuiTax), "2.50");
}

} // namespace
} // namespace tallyrin
